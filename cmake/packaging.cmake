# The Debian package, built from the install rules: "cpack -G DEB" in the build folder
# (scripts/dev.sh package) writes kelp_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelp)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Kelp developers <kelp@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dive logbook for one diver")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelp keeps a logbook of numbered dives with their places, depths, times, conditions,
buddies, notes and depth profiles, downloads dives from dive computers, prints logbook
pages and shows statistics. The user interface is Italian or English. kelp-cli works
on logbook files from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The Qt libraries and the C++ runtime come from the executables' own links; the window needs
# Qt's platform plugins and the Liberation fonts that stand for "Arial" and "Times New Roman".
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, shared-mime-info, desktop-file-utils")
include(CPack)
