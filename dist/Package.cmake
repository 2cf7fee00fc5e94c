# `make deb`: the editor as a Debian package (CPack's DEB generator) that
# installs under /usr what `cmake --install` installs, with its library
# dependencies worked out by dpkg-shlibdeps.

set(ZOL_MAINTAINER "Zol editor maintainers <maintainers@users.noreply.c-seed-0f169316.example>"
  CACHE STRING "Maintainer of the Debian package, as \"Name <address>\"")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zol)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zol editor project")
set(CPACK_PACKAGE_CONTACT "${ZOL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for tangram silhouettes")
# Extended description: lines joined into paragraphs, an empty line between them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Move the pieces of a tangram set on a 512-pixel board with the mouse: a
click picks a piece or a group up, the right button turns it, the middle
button or a quick shake flips it, and a second click puts it down. A guide
image beside the board shows the silhouette reduced and smoothed.

The figures are collected with their captions into a list, one document,
which the editor sorts by caption or by raggedness, colours with generated
palettes, exports as a web catalogue or as puzzle sheets, and plays as an
animated slide show. Piece sets other than the tangram come with it.
Documents (.zol) and piece sets (.plt) are Shift JIS text files, read and
written byte for byte. The window speaks Japanese; the help comes in
Japanese and English.

The package also holds zoltool, which runs the editor's code without a
window for batch work: drawing figures, describing and converting
documents, writing catalogues, animations and puzzle sheets.]])
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZOL_HOMEPAGE}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see: the fonts the Japanese texts are drawn in,
# Qt's own Japanese texts, and the desktop's opener of the document folder.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# Staged through DESTDIR, so that the install step leaves the desktop's caches
# to the machine that installs the package (its triggers refresh them).
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Programs stripped and manual pages compressed, in the staged files only.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/deb/TidyStagedFiles.cmake)

include(CPack)
