# `cpack -G DEB` in the build folder (or `make package`): one Debian package of everything that
# is installed, under /usr, its dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tesalo)
set(CPACK_PACKAGE_VENDOR Vantrel)
set(CPACK_PACKAGE_CONTACT "Tesalo developers <tesalo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "MIDI file player with its own wavetable synthesizer")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "tesalo-player plays Standard MIDI Files from named song lists in a \
full-screen window; tesalo renders them to WAV files, plays them from a terminal and tells what \
they hold. Both use libtesalo, an integer wavetable synthesizer with a C interface, which the \
package installs with its header, pkg-config file and CMake package, the voice set and three \
demo songs.")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A shlibs file for libtesalo.so.0, and ldconfig run when the package comes and goes.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
include(CPack)
