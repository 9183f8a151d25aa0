# The Debian package: cpack -G DEB in the build folder makes kalvo_<version>_amd64.deb.
set(CPACK_PACKAGE_NAME kalvo)
set(CPACK_PACKAGE_VENDOR "Kalvo developers")
set(CPACK_PACKAGE_CONTACT "Kalvo developers <razvoj@kalvo.si>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "decision making by the Analytic Hierarchy Process")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Kalvo helps you choose between several options. You build a tree of criteria,\n"
    "list the options and compare them pairwise or by measured values. Kalvo derives\n"
    "the weights, checks their consistency, scores every option, proposes the fewest\n"
    "changes that make inconsistent judgements acceptable, shows how sensitive the\n"
    "winner is to each weight and writes printable reports. The interface is in\n"
    "Slovenian. kalvo-cli runs the same analysis from a shell.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kalvo developers <razvoj@kalvo.si>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kalvo.si/")
# Libraries from the binaries (the SVG icon engine and the X11 platform plugin come
# with them); what is only loaded at run time by name: the Tahoma font the windows
# use and Qt's Slovenian texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")
include(CPack)
