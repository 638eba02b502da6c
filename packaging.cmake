# A Debian package of the installed game: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME vermona)
set(CPACK_PACKAGE_VENDOR "The Vermona developers")
set(CPACK_PACKAGE_CONTACT "The Vermona developers <vermona@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Japanese raising simulation: train a hero and fight in tournaments")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The Qt libraries from what the binary links; the rest is loaded at run
# time and has to be named: the window-system plugins, the Japanese
# translation, the fonts and the video decoders.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-kouzan-mouhitsu, gstreamer1.0-plugins-good")
include(CPack)
