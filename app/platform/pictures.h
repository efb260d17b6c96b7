// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace pantrex {

// The program's own small pictures, drawn in code so that they look the same on every desktop.
QIcon printerPicture();
QIcon erasePicture();
QIcon basketPicture();

} // namespace pantrex
