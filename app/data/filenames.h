#pragma once

#include <QString>

namespace pantrex {

// True when name can only mean a file directly in the working folder: not empty, not "." or
// "..", and free of folder separators, drive colons, zero bytes and other control characters.
bool isBareFileName(const QString& name);

// The part of a file name before its first "." ("grocery" for "grocery.lst").
QString baseName(const QString& fileName);

} // namespace pantrex
