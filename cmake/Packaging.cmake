# `cpack -G DEB` in a release build makes ferrovane_VERSION_ARCH.deb of everything
# `cmake --install` installs, below /usr. The libraries it needs are found by
# dpkg-shlibdeps from the programs themselves; the rest is named here.
set(CPACK_PACKAGE_NAME ferrovane)
set(CPACK_PACKAGE_VENDOR "Quillon")
set(CPACK_PACKAGE_CONTACT "Ferrovane developers <ferrovane@quillon.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for model-railway track layouts")
set(CPACK_PACKAGE_DESCRIPTION
    "Ferrovane designs model-railway track layouts from catalogued track pieces: \
straights, curves, points and grouped pieces of one product range are laid one after \
another at the free ends of the track, with their exact geometry, so the plan shows \
whether loops close and sidings fit. It also lays flexible rails and elevated track, \
labels the plan, lists the parts it needs, prints it to scale and exports it as an \
image, PDF or SVG. ferrovane-cli checks, converts and renders layouts without a window.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME ferrovane)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://ferrovane.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The menu entry's icon folders belong to the icon theme; the layout and catalogue file
# types need the MIME database. Both update their caches by trigger when this installs.
# The window icons are SVG, drawn by the Qt SVG plugin, which no symbol of the programs
# names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, shared-mime-info, hicolor-icon-theme")
# A font for the Japanese texts, and the desktop's cache of menu entries.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, desktop-file-utils")

set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/")
include(CPack)
