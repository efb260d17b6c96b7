# SPDX-License-Identifier: MIT
# The Debian packages, made by `cpack -G DEB` from a built tree, one per install component:
#
#   component     package        what
#   pantrex       pantrex        the program, its menu entry, icons, manual page, AppStream
#                                metadata, README and user guide
#   notiva        libnotiva1     Notiva's shared library, named after its SONAME libnotiva.so.1
#   notiva-dev    libnotiva-dev  Notiva's headers, CMake package, unversioned link and README
#   notiva-demo   notiva-demo    the demo host and its manual page
#
# All of it lands under /usr whatever prefix the tree was configured with: scripts/package makes a
# release tree for /usr, the packages test (tests/install) packs the test tree itself. Each package
# also gets a machine-readable /usr/share/doc/PACKAGE/copyright and a changelog.Debian.gz made
# from CHANGELOG.md; they are for the packages alone, so `cmake --install` of the whole tree
# leaves them out (EXCLUDE_FROM_ALL) while cpack, which installs component by component, has them.

set(PANTREX_DEBIAN_REVISION 1)
set(PANTREX_MAINTAINER "Pantrex developers <pantrex@example.org>")

set(PANTREX_PACKAGE_COMPONENTS pantrex)
set(CPACK_DEBIAN_PANTREX_PACKAGE_NAME pantrex)
if(TARGET notiva)
    get_target_property(notiva_soversion notiva SOVERSION)
    list(APPEND PANTREX_PACKAGE_COMPONENTS notiva notiva-dev)
    set(CPACK_DEBIAN_NOTIVA_PACKAGE_NAME libnotiva${notiva_soversion})
    set(CPACK_DEBIAN_NOTIVA-DEV_PACKAGE_NAME libnotiva-dev)
endif()
if(TARGET notiva-demo)
    list(APPEND PANTREX_PACKAGE_COMPONENTS notiva-demo)
    set(CPACK_DEBIAN_NOTIVA-DEMO_PACKAGE_NAME notiva-demo)
endif()

# The copyright file in the machine-readable form (DEP-5), with the licence text and holders read
# from LICENSE. Debian calls the MIT licence "Expat".
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
if(NOT licence MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n(.+)$")
    message(FATAL_ERROR "LICENSE: no \"Copyright (c) YEAR HOLDERS\" line followed by the licence text")
endif()
set(copyright_holders "${CMAKE_MATCH_1}")
string(STRIP "${CMAKE_MATCH_2}" licence_text)
string(REGEX REPLACE "\n\n" "\n.\n" licence_text "${licence_text}")
string(REPLACE "\n" "\n " licence_text " ${licence_text}")
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/debian/copyright CONTENT [[
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Pantrex
Upstream-Contact: @PANTREX_MAINTAINER@
Source: @PANTREX_HOMEPAGE@

Files: *
Copyright: @copyright_holders@
License: Expat
Comment: Pantrex and Notiva are released under the MIT licence, which Debian names Expat.

License: Expat
@licence_text@
]] @ONLY)

# The Debian changelog: CHANGELOG.md's releases, each as revision PANTREX_DEBIAN_REVISION.
set(debian_changelog ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz)
add_custom_command(OUTPUT ${debian_changelog}
    COMMAND ${CMAKE_COMMAND} -DCHANGELOG=${PROJECT_SOURCE_DIR}/CHANGELOG.md -DOUTPUT=${debian_changelog}
        -DSOURCE=pantrex -DREVISION=${PANTREX_DEBIAN_REVISION} "-DMAINTAINER=${PANTREX_MAINTAINER}"
        -P ${CMAKE_CURRENT_LIST_DIR}/debianchangelog.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${CMAKE_CURRENT_LIST_DIR}/debianchangelog.cmake
    COMMENT "Writing the Debian changelog from CHANGELOG.md" VERBATIM)
add_custom_target(pantrex_debian_changelog ALL DEPENDS ${debian_changelog})

foreach(component IN LISTS PANTREX_PACKAGE_COMPONENTS)
    string(TOUPPER ${component} component_variable)
    set(package ${CPACK_DEBIAN_${component_variable}_PACKAGE_NAME})
    install(FILES ${PROJECT_BINARY_DIR}/debian/copyright ${debian_changelog}
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component} EXCLUDE_FROM_ALL)
    # What lintian reports and we leave as it is, each with its reason: the same for every package.
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
        RENAME ${package} COMPONENT ${component} EXCLUDE_FROM_ALL)
endforeach()

set(CPACK_PACKAGE_NAME pantrex)
set(CPACK_PACKAGE_VENDOR "The Pantrex developers")
set(CPACK_PACKAGE_CONTACT "${PANTREX_MAINTAINER}")
# Each package's description begins with its own synopsis; a shared summary would come first in all.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${PANTREX_PACKAGE_COMPONENTS})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${PANTREX_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PANTREX_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries each package needs come from dpkg-shlibdeps; the packages built here depend on
# each other at exactly this version.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# libnotiva1's shlibs entry tells dpkg-shlibdeps what programs linking libnotiva.so.1 depend on.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")

set(CPACK_DEBIAN_PANTREX_PACKAGE_SECTION utils)
string(CONCAT CPACK_DEBIAN_PANTREX_DESCRIPTION
    "household grocery shopping lists\n"
    "Pantrex keeps a master list of products with prices, categories and diet\n"
    "flags, and builds shopping lists from it with quantities and a running cost:\n"
    "several lists (one per store), custom lists such as recipes, export and\n"
    "import of products between two installations, and printouts of the list,\n"
    "the products and notes.\n\n"
    "Every change is on disk the moment it is made; there is no save step.")
# Loaded at run time, so no library dependency names them: Qt's window-system plugins, and the
# fonts the printouts and the about box ask for (Liberation Serif and Liberation Sans Narrow for
# "Times New Roman" and "Playbill", Comic Neue for "Comic Sans MS").
set(CPACK_DEBIAN_PANTREX_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-comic-neue")
# The about box opens the user guide with the desktop's own program for it.
set(CPACK_DEBIAN_PANTREX_PACKAGE_RECOMMENDS "xdg-utils")

set(notiva_description
    "Notiva is a small Qt 6 library with one control, MsgBox, that programs place\n"
    "on their windows to put up message boxes of their own design: a background\n"
    "colour or gradient, text colour and font, a drop shadow under the text, one\n"
    "of 30 pictures and one of 16 button groups.\n\n")
string(CONCAT CPACK_DEBIAN_NOTIVA_DESCRIPTION "message box control for Qt programs - shared library\n"
    ${notiva_description} "This package holds the shared library.")
set(CPACK_DEBIAN_NOTIVA_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_NOTIVA_PACKAGE_SOURCE pantrex)
# The library cache is brought up to date by dpkg's ldconfig trigger (packaging/triggers).
# CPack writes a postinst and a postrm calling ldconfig into a package with a library in
# /usr/lib as well, which Debian no longer wants: debianldconfig.cmake takes them out again.
set(CPACK_DEBIAN_NOTIVA_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/triggers)
set(CPACK_PANTREX_TRIGGERED_LDCONFIG_PACKAGES ${CPACK_DEBIAN_NOTIVA_PACKAGE_NAME})
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debianldconfig.cmake)

string(CONCAT CPACK_DEBIAN_NOTIVA-DEV_DESCRIPTION "message box control for Qt programs - development files\n"
    ${notiva_description}
    "This package holds what a program using it is built with: the headers, the\n"
    "CMake package (find_package(Notiva), target Notiva::notiva) and the README.")
set(CPACK_DEBIAN_NOTIVA-DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_NOTIVA-DEV_PACKAGE_SOURCE pantrex)
set(CPACK_COMPONENT_NOTIVA-DEV_DEPENDS notiva)
set(CPACK_DEBIAN_NOTIVA-DEV_PACKAGE_DEPENDS "qt6-base-dev")

string(CONCAT CPACK_DEBIAN_NOTIVA-DEMO_DESCRIPTION "message box control for Qt programs - demo host\n"
    ${notiva_description}
    "This package holds notiva-demo, a window to try the control by hand: set its\n"
    "properties and the arguments of Show, and read the answer of each box.")
set(CPACK_DEBIAN_NOTIVA-DEMO_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_NOTIVA-DEMO_PACKAGE_SOURCE pantrex)
set(CPACK_COMPONENT_NOTIVA-DEMO_DEPENDS notiva)
set(CPACK_DEBIAN_NOTIVA-DEMO_PACKAGE_DEPENDS "qt6-qpa-plugins")
# dpkg-shlibdeps finds libnotiva.so.1 for notiva-demo in the build tree; the dependency on
# libnotiva1 is the one above.
if(TARGET notiva)
    get_target_property(notiva_build_folder notiva BINARY_DIR)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${notiva_build_folder})
endif()

include(CPack)
