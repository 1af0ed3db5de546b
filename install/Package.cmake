# The Debian package, built by CPack from the system-wide install (scripts/package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qv3307)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(QV3307_PACKAGE_MAINTAINER "QV3307 programmer developers <qv3307@example.org>"
    CACHE STRING "The Maintainer field of the Debian package")

# qv3307_<version>_amd64.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QV3307_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the programs link come from dpkg-shlibdeps. Qt draws the SVG pictures left
# (the About box's logo, the skins' arrows and ticks) through plugins, which no binary
# names, so their package is listed here. The channel sheet is
# set in DejaVu Sans with Chinese from Droid Sans Fallback, whose characters read back
# from the PDF as they were written, and the Chinese captions want Noto Sans CJK. The
# manual opens in the browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6, fonts-dejavu-core, fonts-droid-fallback, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
# The first line of the Description field is the project's description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Reads the memory of a QV3307 16-channel two-way radio over its USB-serial
programming cable: the band, the 16 channels and the function settings. The
channels are edited in a grid (frequencies, CTCSS and DCS tones, power and
options) and the settings on a page of their own, then written back to the
radio. A radio's programming can be kept in .F19 channel files.

A service page reads and writes the transmitter power calibration. The
program speaks Chinese or English and comes with three skins. A udev rule
lets members of the dialout group use the common cable chips and keeps
ModemManager away from them.")

include(CPack)
