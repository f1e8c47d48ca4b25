# Installation into the usual places under the prefix, and the Debian package.
include(GNUInstallDirs)

# Installing and packaging take the program as built; they need not rebuild every test first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS zolvenar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/zolvenar.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/zolvenar.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)

set(CPACK_PACKAGE_NAME zolvenar)
set(CPACK_PACKAGE_VENDOR "Zolvenar developers")
set(CPACK_PACKAGE_CONTACT "Zolvenar developers <zolvenar@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Password generator fed by mouse movement and timer jitter")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)

# The window needs the Qt 6 widgets runtime and its X11 platform plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins")
include(CPack)
