# Installation into the usual places under the prefix, and the Debian package.
include(GNUInstallDirs)

# Installing and packaging take the program as built; they need not rebuild every test first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
# Whatever the umask of whoever builds, installed directories are rwxr-xr-x.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The manual page and the changelog ship compressed, reproducibly (no name or time
# in the header) and at the highest level, as Debian expects.
set(zolvenar_compressed)
foreach(source zolvenar.1 changelog)
  set(output ${CMAKE_BINARY_DIR}/packaging/${source}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${CMAKE_SOURCE_DIR}/packaging/${source} ${output}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${source}
    VERBATIM)
  list(APPEND zolvenar_compressed ${output})
endforeach()
add_custom_target(zolvenar_compressed_docs ALL DEPENDS ${zolvenar_compressed})

install(TARGETS zolvenar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/zolvenar.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 24 32 48 64 128 256)
  if(size EQUAL 32)
    set(icon window/resources/zolvenar.png)
  else()
    set(icon window/resources/zolvenar-${size}.png)
  endif()
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME zolvenar.png)
endforeach()
install(FILES window/resources/zolvenar.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Software centres look the metadata up by its component id.
install(FILES packaging/zolvenar.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME org.zolvenar.zolvenar.metainfo.xml)
install(FILES ${CMAKE_BINARY_DIR}/packaging/zolvenar.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zolvenar)

set(CPACK_PACKAGE_NAME zolvenar)
set(CPACK_PACKAGE_VENDOR "Zolvenar developers")
set(CPACK_PACKAGE_CONTACT "Zolvenar developers <developers@zolvenar.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Password generator fed by mouse movement and timer jitter")
set(CPACK_PACKAGE_DESCRIPTION "Zolvenar makes passwords from the randomness of your hand: move the mouse
over its window and every few pixels of travel become a sample. Background
generators can add the jitter of short timed sleeps as well.

You choose which characters may appear, which to leave out, the lengths, how
many passwords to make and how many samples go into each one, then copy the
passwords to the clipboard or save them to a text file.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://zolvenar.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)

# The libraries the binary links come from dpkg-shlibdeps, with the versions it
# was built against; the X11 platform plugin is loaded at run time, so no tool sees it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own texts (the buttons of its boxes and dialogs) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)

# The desktop entry, metadata, manual page and the package through the validators
# and lintian; part of the end-to-end label, as it packages the built program.
add_test(NAME package_checks COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-package.sh ${CMAKE_BINARY_DIR})
set_tests_properties(package_checks PROPERTIES LABELS e2e TIMEOUT 300)
