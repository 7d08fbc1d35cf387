# The Debian package, built by `make package` (cpack in the build folder).
# Its version is the project's version; its file name follows Debian's
# convention: torqal_<version>_<architecture>.deb.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torqal)
set(CPACK_PACKAGE_VENDOR "Qor Software")
set(CPACK_PACKAGE_CONTACT "Qor Software <support@qorsoftware.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keeps the records of your vehicles")
set(CPACK_PACKAGE_DESCRIPTION
"Torqal keeps the records of your vehicles (rides): each ride's details and
picture, and four logs (maintenance and repairs, goodies, trips, gasoline)
with totals, miles per gallon, printed reports and a built-in manual.
The package also holds torqal-data, which checks and dumps the data files
and writes a ride's history as PDF or CSV.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.qorsoftware.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the programs link (Qt 6 with Qt Charts, libqt6charts6,
# for the history charts; libzip4 for the backups; the C++ run time) are
# found by dpkg-shlibdeps; the fonts the printouts and windows ask for, and
# Qt's SQLite driver (a plug-in, which the reminders database needs), are
# named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-comic-neue, libqt6sql6-sqlite")
# Printing hands its jobs to the print service's client (lp, lpstat), and
# links open through xdg-open; without them printouts become PDF files and a
# link says that it cannot be opened.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups-client, xdg-utils")

include(CPack)
