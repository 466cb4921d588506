# The Debian package: cpack (or the "package" target) in the build folder writes
# varko_<version>_<arch>.deb, installable with apt install ./varko_*.deb.

set(debian_doc ${CMAKE_INSTALL_DATADIR}/doc/varko)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright DESTINATION ${debian_doc})
configure_file(${PROJECT_SOURCE_DIR}/data/debian/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
    COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
    DEPENDS ${CMAKE_BINARY_DIR}/changelog)
add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${debian_doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varko)
set(CPACK_PACKAGE_VENDOR "VARKO Tool developers")
set(CPACK_PACKAGE_CONTACT "VARKO Tool developers <dev@varko.cz>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "tuning tool for the VARKO programmable motorcycle ignition")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "The VARKO Tool reads the parameter set of a VARKO programmable motorcycle
ignition unit over a serial port, lets the user edit it (trigger geometry,
advance map, limiter, shift light, throttle sensor, inputs, exhaust servo
curve) and programs it back, verified. While idle it shows the live data
the unit streams, and it records, plots and replays them.
.
The package holds the window (varko), the command line (varko-cli), a
simulated unit on a pseudo-terminal for trying it without the hardware
(varko-sim), and the manuals in English, German, French and Czech.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://varko.cz/)
# The dependencies are what the binaries' shared libraries come from.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (dialog buttons, file dialogs) in German, French and Czech, English without;
# Help > Contents hands the manual to xdg-open and a PDF viewer.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils, evince | pdf-viewer")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/data/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
