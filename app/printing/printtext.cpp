// SPDX-License-Identifier: MIT
#include "printtext.h"

#include "data/ansitext.h"

#include <QDate>

namespace pantrex {

QString blankTrimmed(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.sliced(begin, end - begin);
}

QString printable(QByteArrayView stored) {
    return fromAnsi(stored).replace(QChar(0), QLatin1Char(' '));
}

QString printDate() {
    return QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy"));
}

} // namespace pantrex
