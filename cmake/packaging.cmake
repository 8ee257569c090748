# The Debian package that scripts/package builds: everything the install rules put under
# /usr, depending on the packages of the libraries the programs link (found by
# dpkg-shlibdeps) and of the programs Orvella starts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvella)
set(CPACK_PACKAGE_VENDOR "The Orvella developers")
set(CPACK_PACKAGE_CONTACT "The Orvella developers <developers@orvella.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "HACCP plan writer for field work that can spread unwanted species")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvella leads a refuge, park or district manager step by step through a HACCP plan
(Hazard Analysis and Critical Control Points) for a field activity that can carry
unwanted species from one place to another, and writes the plan as a .docx document of
five forms and a checklist. English and Spanish.
.
orvella-cli checks plan files, writes them again and makes their documents from the
command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # orvella_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ORVELLA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Help > About starts one of these system information tools, the first it finds.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, hardinfo | gnome-system-monitor | kinfocenter | plasma-systemmonitor | mate-system-monitor | xfce4-taskmanager | lxtask")
# The plan document is handed to the word processor registered for .docx; the window's
# layout is measured in Arial's metrics, which Liberation Sans shares.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libreoffice-writer | abiword | calligrawords, fonts-liberation2")
include(CPack)
