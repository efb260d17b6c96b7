# SPDX-License-Identifier: MIT
target_sources(pantrex_gui PRIVATE
    mainwindow/csvdialogue.cpp mainwindow/csvdialogue.h
    mainwindow/hoverhints.cpp mainwindow/hoverhints.h
    mainwindow/listclipboard.cpp mainwindow/listclipboard.h
    mainwindow/newlistdialog.cpp mainwindow/newlistdialog.h
    mainwindow/mainwindow.cpp mainwindow/mainwindow.h
    mainwindow/mergedialogue.cpp mainwindow/mergedialogue.h
    mainwindow/printwindows.cpp mainwindow/printwindows.h
    mainwindow/productview.cpp mainwindow/productview.h
    mainwindow/programrun.cpp mainwindow/programrun.h
    mainwindow/shoppinglistpanel.cpp mainwindow/shoppinglistpanel.h
    mainwindow/translations.cpp mainwindow/translations.h
    mainwindow/undocommand.cpp mainwindow/undocommand.h
)
# The program finds the installed translations from its own folder, or those the build made.
file(RELATIVE_PATH translations_from_program ${CMAKE_INSTALL_FULL_BINDIR} ${PANTREX_INSTALL_FULL_TRANSLATIONSDIR})
set_source_files_properties(mainwindow/translations.cpp PROPERTIES COMPILE_DEFINITIONS
    "PANTREX_TRANSLATIONS_FROM_PROGRAM=\"${translations_from_program}\";PANTREX_BUILT_TRANSLATIONS=\"${PANTREX_BUILT_TRANSLATIONS_DIR}\"")
