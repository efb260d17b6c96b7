// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

// Colours as the control keeps them: 32-bit values with red in the lowest byte, green in the second
// and blue in the third.
namespace Notiva {

// The RGB value of colour, looking a system colour index (high bit set) up in the application's
// palette; -1 when the colour cannot be translated.
qint32 translateColor(quint32 colour);
qint32 translateColor(quint32 colour, const QPalette& palette);

qint32 rgbValue(int red, int green, int blue);
// The colour of an RGB value; only its three low bytes count, so -1 is white.
QColor colorOf(qint32 rgb);

} // namespace Notiva
