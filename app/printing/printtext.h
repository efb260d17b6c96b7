// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>

namespace pantrex {

// A stored field as it prints: decoded from the code page, its zero bytes (fields a writer never
// set) printed as blanks.
QString printable(QByteArrayView stored);

// Today's date as the printouts show it: month-day-year, "12-06-2026".
QString printDate();

} // namespace pantrex
