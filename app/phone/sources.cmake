# SPDX-License-Identifier: MIT
# The "Phone view" window with its QR codes; the server itself is the library pantrex_phone.
find_package(PkgConfig REQUIRED)
pkg_check_modules(QRENCODE REQUIRED IMPORTED_TARGET libqrencode)
target_sources(pantrex_gui PRIVATE
    phone/phoneview.cpp phone/phoneview.h
    phone/phonewindow.cpp phone/phonewindow.h
    phone/qrcodeimage.cpp phone/qrcodeimage.h
)
target_link_libraries(pantrex_gui PUBLIC pantrex_phone PkgConfig::QRENCODE)
