# SPDX-License-Identifier: MIT
target_sources(pantrex_gui PRIVATE
    products/deleteproducts.cpp products/deleteproducts.h
    products/productentrydialog.cpp products/productentrydialog.h
)
