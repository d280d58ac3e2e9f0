# Installed layout: the program keeps its folder (sound engine, sounds/, HAND-M.CUR) under lib/somnivox, since it
# finds them beside its own executable; bin/ holds a relative link to it. The sounds, icons and cursor are installed by
# the tools that generate them.

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

# Packages: `cmake --build build --target package` writes a .deb and a .tar.gz into the build folder.
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_PACKAGE_NAME somnivox)
set(CPACK_PACKAGE_VENDOR Vantrelle)
set(CPACK_PACKAGE_CONTACT "Vantrelle <${SOMNIVOX_SUPPORT_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Somnivox Noise Player: ${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "A small desktop utility that plays an ambient noise sound (white, pink or brown noise, or any MP3 in its \
sounds folder) in a sample-exact loop, until it is turned off or inside a daily time window. It lives in the \
system tray, can start at login and keeps every choice the moment it is made.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
find_program(SOMNIVOX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(SOMNIVOX_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
# Loaded by name when the pipeline is built, so dpkg-shlibdeps cannot see them: appsrc, audioconvert and
# volume come from -base, autoaudiosink from -good.
# qt6-wayland is Qt's Wayland platform plugin, which no library links: without it the program cannot start on a
# Wayland session that has no Xwayland, and it would be started there at every login. A dependency, not a
# recommendation: recommendations are often left out, and the plugin is small.
# libsndfile is loaded at run time, where dpkg-shlibdeps does not see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, qt6-wayland, libsndfile1")
# A real sound output for autoaudiosink to find; without one it plays into a fake sink.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-pulseaudio | gstreamer1.0-pipewire | gstreamer1.0-alsa")
include(CPack)
