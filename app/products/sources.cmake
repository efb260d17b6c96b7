# SPDX-License-Identifier: MIT
target_sources(pantrex_gui PRIVATE
    products/categoryrename.cpp products/categoryrename.h
    products/deleteproducts.cpp products/deleteproducts.h
    products/pantadd.cpp products/pantadd.h
    products/pantaddsave.cpp
    products/productfiles.cpp products/productfiles.h
)
