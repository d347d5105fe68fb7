# Installs Zifora where a Linux desktop looks for it -- the program, its sample puzzles, its menu entry, its
# icon in every size, its AppStream metadata, its manual pages and changelog -- and packs that tree into a Debian package:
#   cmake --preset release && cmake --build --preset release && cpack --config build/release/CPackConfig.cmake
if(NOT TARGET zifora)
  return()
endif()

include(GNUInstallDirs)

set(ZIFORA_APP_ID de.zifora.Zifora)
set(ZIFORA_DATA ${PROJECT_SOURCE_DIR}/data)
set(ZIFORA_ICONS ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
# Debian's checks want every directory of a package readable by all, whatever the umask of the build.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS zifora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The file dialog opens here the first time.
install(DIRECTORY ${ZIFORA_DATA}/puzzles/ DESTINATION ${CMAKE_INSTALL_DATADIR}/zifora/puzzles FILES_MATCHING PATTERN "*.txt")
install(FILES ${ZIFORA_DATA}/${ZIFORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZIFORA_DATA}/${ZIFORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The icon theme finds an icon by the application's id, the name the menu entry gives.
install(FILES ${ZIFORA_DATA}/icons/zifora.svg
  DESTINATION ${ZIFORA_ICONS}/scalable/apps RENAME ${ZIFORA_APP_ID}.svg)
foreach(size IN ITEMS 16 32 48 64 128 256)
  install(FILES ${ZIFORA_DATA}/icons/zifora-${size}.png
    DESTINATION ${ZIFORA_ICONS}/${size}x${size}/apps RENAME ${ZIFORA_APP_ID}.png)
endforeach()
# A Debian package carries its licence as the copyright file of its documentation folder.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zifora RENAME copyright)

# The manual pages, English and German, and the changelog, compressed as Debian keeps them.
set(ZIFORA_DOCS ${CMAKE_CURRENT_BINARY_DIR}/docs)
configure_file(${ZIFORA_DATA}/man/zifora.6.in ${ZIFORA_DOCS}/en/zifora.6 @ONLY)
configure_file(${ZIFORA_DATA}/man/zifora.de.6.in ${ZIFORA_DOCS}/de/zifora.6 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/CHANGELOG ${ZIFORA_DOCS}/changelog COPYONLY)
set(compressed_docs)
foreach(document IN ITEMS en/zifora.6 de/zifora.6 changelog)
  add_custom_command(OUTPUT ${ZIFORA_DOCS}/${document}.gz
    COMMAND gzip -9nkf ${ZIFORA_DOCS}/${document}
    DEPENDS ${ZIFORA_DOCS}/${document} VERBATIM)
  list(APPEND compressed_docs ${ZIFORA_DOCS}/${document}.gz)
endforeach()
add_custom_target(zifora_docs ALL DEPENDS ${compressed_docs})
install(FILES ${ZIFORA_DOCS}/en/zifora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${ZIFORA_DOCS}/de/zifora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man6)
install(FILES ${ZIFORA_DOCS}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zifora)

# The project has no address of its own to name; whoever publishes the package names themselves here.
set(ZIFORA_PACKAGE_MAINTAINER "Zifora-Entwickler"
  CACHE STRING "Maintainer named in the Debian package, as Name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zifora)
set(CPACK_PACKAGE_VENDOR Zifora)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "helper for solving 9x9 number puzzles by hand")
# Debian shows the description as it stands: lines of under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
  "Zifora keeps the bookkeeping of a person who solves the 9x9 digit-placement
puzzle with pencil and paper: the digits each row, column and 3x3 box still
lacks, the candidates of every open cell and the count of placed cells. It
offers one-click steps (hidden singles, naked pairs, recomputing the
candidates, a consistency test) and a trial mode for placing digits by hand.
It has no automatic solver.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZIFORA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps names the packages of the libraries the program links (Debian's libqt6gui6 also carries the
# X11 platform plugin). The window's captions are laid out for a face with Arial's widths, which fontconfig
# finds in Liberation Sans; without it a wider face may cut them off.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The program loads Qt's own German texts, so that its file dialog speaks German too.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)

include(CPack)
