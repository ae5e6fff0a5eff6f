# The Debian package (cpack -G DEB): the program, its menu entry, icons and
# AppStream metainfo, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kestrix developers")
set(CPACK_PACKAGE_CONTACT "Kestrix Packaging Team <packaging@kestrix.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design tool for stepped volume controls")
set(CPACK_PACKAGE_DESCRIPTION
"Kestrix works out the resistor ladder behind a switched volume control.
Enter the ladder's overall resistance, how many positions the switch has and
how many decibels each click should drop; it finds the values that make every
click drop the same, picks the closest E96 (1%) and E24 (5%) parts, shows the
attenuation those parts really produce, charts their error and prints the
design on one page. It runs on X11 and natively on Wayland.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # kestrix_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://kestrix.example/)
# dpkg-shlibdeps finds the Qt libraries the program links (Widgets, Gui,
# PrintSupport, Core) with their minimum versions. Nothing links the fonts or
# the platform plugins, so those are named here: the windows map their fonts
# to Liberation, and libqt6gui6 only recommends qt6-qpa-plugins (X11).
# qt6-wayland lets the program run as a native client of a Wayland desktop;
# without it the program falls back to XWayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
