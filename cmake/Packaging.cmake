# Installs Zifora where a Linux desktop looks for it -- the program, its sample puzzles, its menu entry, its
# icon in every size and its AppStream metadata -- and packs that tree into a Debian package:
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

set(ZIFORA_PACKAGE_MAINTAINER "Zifora-Entwickler <entwickler@zifora.de>"
  CACHE STRING "Maintainer named in the Debian package")

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
set(CPACK_PACKAGE_HOMEPAGE_URL "https://zifora.de/")
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
