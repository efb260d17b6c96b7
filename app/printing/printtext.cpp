// SPDX-License-Identifier: MIT
#include "printtext.h"

#include "data/ansitext.h"

#include <QDate>

namespace pantrex {

QString printable(QByteArrayView stored) {
    return fromAnsi(stored).replace(QChar(0), QLatin1Char(' '));
}

QString printDate() {
    return QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy"));
}

} // namespace pantrex
