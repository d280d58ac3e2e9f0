# Run by CPack on the staged files before it builds a package. For the .deb, the packages of the libraries that the
# program and its sound engine link against, found by dpkg-shlibdeps, join the dependencies.
# CPack's own CPACK_DEBIAN_PACKAGE_SHLIBDEPS is not used: it also adds maintainer scripts that run ldconfig for any
# shared object below usr/lib, and the engine there is a module loaded by its path, never through ldconfig's cache.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
find_program(SOMNIVOX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT SOMNIVOX_DPKG_SHLIBDEPS)
    return()
endif()

set(staged ${CPACK_TEMPORARY_DIRECTORY})
list(TRANSFORM CPACK_SOMNIVOX_ELF_FILES PREPEND ${staged}${CPACK_PACKAGING_INSTALL_PREFIX}/ OUTPUT_VARIABLE binaries)
# dpkg-shlibdeps wants a source package's control file in its working folder.
file(WRITE ${staged}/debian/control "")
execute_process(COMMAND ${SOMNIVOX_DPKG_SHLIBDEPS} -O ${binaries}
                WORKING_DIRECTORY ${staged}
                OUTPUT_VARIABLE output
                ERROR_VARIABLE errors
                RESULT_VARIABLE result)
file(REMOVE_RECURSE ${staged}/debian)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-shlibdeps failed on ${binaries}:\n${errors}")
endif()
string(REGEX REPLACE "^shlibs:Depends=([^\n]*).*" "\\1" libraries "${output}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${libraries}")
