# The Debian package (cpack -G DEB): the program, its menu entry, icons and
# AppStream metainfo, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kestrix developers")
set(CPACK_PACKAGE_CONTACT "Kestrix Packaging Team <packaging@kestrix.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design tool for stepped volume controls")
set(CPACK_PACKAGE_DESCRIPTION
"Kestrix designs stepped volume controls, where a rotary switch taps a
chain of resistors. From the total resistance, the number of positions and
the step in dB it computes the resistors for equal dB steps, rounds them to
E96 and E24 standard values and shows the attenuation the rounded values give.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # kestrix_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://kestrix.example/)
# dpkg-shlibdeps finds the Qt libraries the program links (Widgets, Gui,
# PrintSupport, Core) with their minimum versions. Nothing links the fonts or
# the platform plugins, so those are named here: the windows map their fonts
# to Liberation, and libqt6gui6 only recommends qt6-qpa-plugins.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")

include(CPack)
