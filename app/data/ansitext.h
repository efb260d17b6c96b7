// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>

namespace pantrex {

// Data files keep their text in Windows-1252, one byte per character. Text is converted only
// where it meets a widget; everything in between stays bytes.

// Encodes text for a data file. A character that Windows-1252 cannot hold becomes "?".
QByteArray toAnsi(const QString& text);

// Decodes bytes from a data file. Bytes that Windows-1252 leaves undefined map to the control
// characters of the same code, so that nothing read is ever lost.
QString fromAnsi(QByteArrayView bytes);

// Case mapping within the code page; a letter whose other case the code page lacks stays as it is.
QByteArray ansiLower(QByteArrayView bytes);
QByteArray ansiUpper(QByteArrayView bytes);
// The same mappings byte by byte, for loops over many records that would not make a new text each.
const std::array<char, 256>& ansiLowerTable();
const std::array<char, 256>& ansiUpperTable();

} // namespace pantrex
