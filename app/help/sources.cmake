# SPDX-License-Identifier: MIT
target_sources(pantrex_gui PRIVATE
    help/helptopics.cpp help/helptopics.h
    help/aboutdialog.cpp help/aboutdialog.h
    help/helpwindow.cpp help/helpwindow.h
)
# The about box's link goes to the installed user guide, found from the program's own folder, and
# falls back on the one in the source tree when none is installed.
file(RELATIVE_PATH docs_from_program ${CMAKE_INSTALL_FULL_BINDIR} ${PANTREX_INSTALL_FULL_DOCDIR})
set_source_files_properties(help/aboutdialog.cpp PROPERTIES COMPILE_DEFINITIONS
    "PANTREX_SOURCE_DIR=\"${PROJECT_SOURCE_DIR}\";PANTREX_DOCS_FROM_PROGRAM=\"${docs_from_program}\"")
