# The Debian package: `cpack -G DEB` in the build folder writes kavel_<version>_amd64.deb with
# everything the install rules name (the programs, the desktop entry and its software-centre
# entry, the icons, the manual pages, the copyright file and the changelog). The dependencies
# are worked out from the programs by dpkg-shlibdeps (dpkg-dev).
set(KAVEL_PACKAGE_MAINTAINER "Kavel maintainers <maintainers@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kavel)
set(CPACK_PACKAGE_VENDOR Kavel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The long description: lines of at most 80 characters, as Debian's tools show it.
set(CPACK_PACKAGE_DESCRIPTION
    "Kavel sets the timing of a pulse-driven drive run by an Arduino board: five
scroll bars set the left and right movement times, the duty cycle, the
smooth-start length and the off time, and every change goes to the board as a
short command over a serial port. kavel-board plays the board on a
pseudo-terminal, so the program can be tried without the hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KAVEL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
