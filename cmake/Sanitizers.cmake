# Instrumented builds, each in a build directory of its own.
#   SOMNIVOX_SANITIZE: AddressSanitizer and UndefinedBehaviorSanitizer over the whole project and its tests.
#   SOMNIVOX_FUZZ: with clang, coverage for libFuzzer and the fuzz targets under tests/fuzz; with another compiler
#   the targets are only replayed over their seed corpus, as in every build.

option(SOMNIVOX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(SOMNIVOX_FUZZ "Build the libFuzzer targets (clang only)" OFF)
set(SOMNIVOX_FUZZ_SECONDS 20 CACHE STRING "How long CTest runs each fuzz target")
# A fixed seed makes the suite's fuzzing the same on every machine, so what CI finds is found again by hand; 0 lets
# libFuzzer pick a new one each run, for exploration.
set(SOMNIVOX_FUZZ_SEED 1 CACHE STRING "libFuzzer's seed in CTest's fuzz runs; 0 for a random one")

if(SOMNIVOX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

set(SOMNIVOX_FUZZ_ENGINE OFF)
if(SOMNIVOX_FUZZ)
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        set(SOMNIVOX_FUZZ_ENGINE ON)
        add_compile_options(-fsanitize=fuzzer-no-link)
        add_link_options(-fsanitize=fuzzer-no-link)
    else()
        message(WARNING "SOMNIVOX_FUZZ needs clang; the fuzz targets are only replayed over their corpus")
    endif()
endif()
