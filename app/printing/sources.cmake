# SPDX-License-Identifier: MIT
target_sources(pantrex_gui PRIVATE
    printing/notesedit.cpp printing/notesedit.h
    printing/notesprintout.cpp printing/notesprintout.h
    printing/pantnote.cpp printing/pantnote.h
    printing/pantprnt.cpp printing/pantprnt.h
    printing/printsettings.cpp printing/printsettings.h
    printing/printtext.cpp printing/printtext.h
    printing/productprintout.cpp printing/productprintout.h
    printing/shoppingprintout.cpp printing/shoppingprintout.h
)
