# The Debian package: `make package` (or `cpack` in the build tree) turns the
# install rules into kestrova_<version>_amd64.deb, installing under /usr, with
# its dependencies computed from the program by dpkg-shlibdeps.

# What Debian asks of every package: its copyright and a compressed changelog
# in /usr/share/doc/<package>. The changelog is written from the version, and
# compressed without name nor time stamp so that each build gives the same file.
set(kestrova_changelog ${CMAKE_BINARY_DIR}/packaging/changelog)
file(WRITE ${kestrova_changelog}
  "kestrova (${PROJECT_VERSION}) stable; urgency=low\n\n"
  "  * Release ${PROJECT_VERSION}.\n\n"
  " -- Kestrova <kestrova@kestrova.example>  Mon, 07 Dec 2026 00:00:00 +0000\n")
execute_process(COMMAND gzip -9nf ${kestrova_changelog} COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${kestrova_changelog}.gz ${PROJECT_SOURCE_DIR}/desktop/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrova)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrova)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Kestrova)
set(CPACK_PACKAGE_CONTACT "Kestrova <kestrova@kestrova.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching the heavy pendulum: damped and Foucault pendulums")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Kestrova is a desktop program for physics teachers. One window simulates\n"
  "the damped heavy pendulum: sliders set the initial angle and speed, the\n"
  "natural pulsation and the damping; the window shows the quality factor,\n"
  "the relaxation time and the regime, and plots the angle against time and\n"
  "the phase portrait, beside the small-angle solution if asked. Another\n"
  "window shows a Foucault pendulum whose swing plane slowly turns. The\n"
  "interface is in French or English.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Read at run time, so not found by dpkg-shlibdeps: the SVG image and icon
# plugins, a font for the texts, and Qt's own catalogs for its dialogs in French.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, libqcustomplot2.1-qt6, fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.kestrova.example")
include(CPack)
