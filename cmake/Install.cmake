# Installed layout: the program keeps its folder (sound engine, HAND-M.CUR, and a sounds/ folder an administrator may
# add to) under lib/somnivox, since it finds them beside its own executable; bin/ holds a relative link to it. No sound
# ships: the noises are generated as they play. The icons and cursor are installed by the tools that generate them.

set(SOMNIVOX_INSTALL_PROGRAMDIR lib/somnivox)
set(SOMNIVOX_APP_ID org.vantrelle.Somnivox)

install(TARGETS somnivox RUNTIME DESTINATION ${SOMNIVOX_INSTALL_PROGRAMDIR})
# Loaded by the program from its own folder when the first sound plays.
install(TARGETS somnivox-engine LIBRARY DESTINATION ${SOMNIVOX_INSTALL_PROGRAMDIR})

file(RELATIVE_PATH somnivox_link_target
     /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${SOMNIVOX_INSTALL_PROGRAMDIR}/somnivox)
set(somnivox_link ${CMAKE_BINARY_DIR}/install/somnivox)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install)
file(CREATE_LINK ${somnivox_link_target} ${somnivox_link} SYMBOLIC)
install(FILES ${somnivox_link} DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/data/${SOMNIVOX_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${SOMNIVOX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/skins/sample.qss
        DESTINATION ${CMAKE_INSTALL_DATADIR}/somnivox/skins)
# Loaded by bash-completion when "somnivox" is first completed.
install(FILES ${PROJECT_SOURCE_DIR}/data/completion/somnivox
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# The copyright, a Debian changelog and the manual page, which a Debian package must carry; the last two
# compressed without a name or time stamp, so that every build makes the same files.
set(somnivox_doc ${CMAKE_BINARY_DIR}/doc)
configure_file(${PROJECT_SOURCE_DIR}/data/copyright.in ${somnivox_doc}/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/changelog.in ${somnivox_doc}/changelog @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/somnivox.1.in ${somnivox_doc}/somnivox.1 @ONLY)
find_program(SOMNIVOX_GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${somnivox_doc}/changelog.gz ${somnivox_doc}/somnivox.1.gz
                   COMMAND ${SOMNIVOX_GZIP} -9nkf changelog somnivox.1
                   WORKING_DIRECTORY ${somnivox_doc}
                   DEPENDS ${somnivox_doc}/changelog ${somnivox_doc}/somnivox.1
                   VERBATIM)
add_custom_target(compressed_docs ALL DEPENDS ${somnivox_doc}/changelog.gz ${somnivox_doc}/somnivox.1.gz)
install(FILES ${somnivox_doc}/copyright ${somnivox_doc}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${somnivox_doc}/somnivox.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Packages: `cmake --build build --target package` writes a .deb and a .tar.gz into the build folder.
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_PACKAGE_NAME somnivox)
set(CPACK_PACKAGE_VENDOR Vantrelle)
set(CPACK_PACKAGE_CONTACT "Vantrelle <${SOMNIVOX_SUPPORT_EMAIL}>")
# Debian's rules: a synopsis under 80 characters that does not start with the package's name, and lines of the
# extended description under 80 characters, which CPack keeps as they are written here.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ambient noise player that loops a sound all night or in a daily time window")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Somnivox Noise Player is a small desktop utility that plays an ambient noise"
       "sound in a sample-exact loop, until it is turned off or inside a daily time"
       "window. It plays white, pink or brown noise, and the user's own MP3, FLAC,"
       "Ogg Vorbis, Opus or WAV files put in ~/.local/share/somnivox/sounds."
       "It lives in the system tray, can start at login and keeps every choice the"
       "moment it is made.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The program's ELF files, whose libraries' packages cmake/DebianShlibdeps.cmake adds to the dependencies.
set(CPACK_SOMNIVOX_ELF_FILES ${SOMNIVOX_INSTALL_PROGRAMDIR}/somnivox ${SOMNIVOX_INSTALL_PROGRAMDIR}/somnivox-engine.so)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianShlibdeps.cmake)
# Loaded by name when the pipeline is built, so dpkg-shlibdeps cannot see them: appsrc, audioconvert and
# volume come from -base, autoaudiosink from -good.
# qt6-wayland is Qt's Wayland platform plugin, which no library links: without it the program cannot start on a
# Wayland session that has no Xwayland, and it would be started there at every login. A dependency, not a
# recommendation: recommendations are often left out, and the plugin is small.
# libsndfile is loaded at run time, where dpkg-shlibdeps does not see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, qt6-wayland, libsndfile1")
# A real sound output for autoaudiosink to find; without one it plays into a fake sink.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-pulseaudio | gstreamer1.0-pipewire | gstreamer1.0-alsa, qt6-translations-l10n")
include(CPack)
