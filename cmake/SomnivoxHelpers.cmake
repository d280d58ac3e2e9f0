# Warnings, Qt defines and the test helper shared by every target.

function(somnivox_configure_target target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
    target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
endfunction()

# somnivox_add_library(NAME name SOURCES ... PUBLIC_LIBS ... [PRIVATE_LIBS ...])
# One static library per source folder; its headers are found by the targets that link it.
function(somnivox_add_library)
    cmake_parse_arguments(L "" "NAME" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
    add_library(${L_NAME} STATIC ${L_SOURCES})
    target_include_directories(${L_NAME} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${L_NAME} PUBLIC ${L_PUBLIC_LIBS} PRIVATE ${L_PRIVATE_LIBS})
    somnivox_configure_target(${L_NAME})
endfunction()

# somnivox_add_test(NAME name SOURCES ... LIBS ... [LABELS ...] [GUI])
# GUI tests run on the offscreen platform so they need no display. A test function that hangs fails after a minute
# (Qt Test's own bound) instead of holding the run until CTest's timeout. What a player measures is cached beside the
# test, never in the user's cache.
function(somnivox_add_test)
    cmake_parse_arguments(T "GUI" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS;ENVIRONMENT" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    somnivox_configure_target(${T_NAME})
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
    target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set(env "QT_QPA_PLATFORM=offscreen" "QTEST_FUNCTION_TIMEOUT=60000"
            "XDG_CACHE_HOME=${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}-cache" ${T_ENVIRONMENT})
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}")
    if(T_LABELS)
        set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}")
    endif()
    if(T_TIMEOUT)
        set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT})
    endif()
endfunction()
