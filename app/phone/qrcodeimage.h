// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

namespace pantrex {

// The QR code of text (UTF-8), black on white with the quiet zone around it, each module
// moduleSize pixels wide; a null image when the text is too long for a QR code.
QImage qrCodeImage(const QByteArray& text, int moduleSize);

} // namespace pantrex
