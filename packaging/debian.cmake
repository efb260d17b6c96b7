# `cpack -G DEB` in a tree configured with CMAKE_INSTALL_PREFIX=/usr (scripts/package does this)
# makes pantrex_VERSION_ARCH.deb with everything `cmake --install` puts down.
set(CPACK_PACKAGE_NAME pantrex)
set(CPACK_PACKAGE_VENDOR "Pantrex")
set(CPACK_PACKAGE_CONTACT "Pantrex developers <pantrex@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "household grocery shopping lists")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Pantrex keeps a master list of products with prices, categories and diet\n"
    "flags, and builds shopping lists from it with quantities and a running cost:\n"
    "several lists (one per store), custom lists such as recipes, export and\n"
    "import of products between two installations, and printouts of the list,\n"
    "the products and notes.\n\n"
    "The package also holds Notiva, a shared library with a message box control\n"
    "for Qt programs, with its headers and CMake package.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps. The rest is loaded at run time: Qt's window-system
# plugins, and the fonts the printouts and the about box ask for (Liberation Serif and Liberation
# Sans Narrow for "Times New Roman" and "Playbill", Comic Neue for "Comic Sans MS").
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Notiva's own entry for programs that link it, and the library cache brought up to date.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/triggers)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-comic-neue")
# The about box opens the user guide with the desktop's own program for it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
