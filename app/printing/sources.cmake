# SPDX-License-Identifier: MIT
target_sources(pantrex_gui PRIVATE
    printing/aisleorderdialog.cpp printing/aisleorderdialog.h
    printing/notesedit.cpp printing/notesedit.h
    printing/notesprintout.cpp printing/notesprintout.h
    printing/noteswindow.cpp printing/noteswindow.h
    printing/printdialog.cpp printing/printdialog.h
    printing/printtext.cpp printing/printtext.h
    printing/productprintout.cpp printing/productprintout.h
    printing/shoppingprintout.cpp printing/shoppingprintout.h
)
