// SPDX-License-Identifier: MIT
#include "entrytext.h"

#include "data/ansitext.h"
#include "data/numbertext.h"

namespace pantrex {

namespace {

constexpr QChar Blank = QLatin1Char(' ');

// The price check scores an entry character by character: a "." adds 5, any character below
// "0" sets the score to 100 and any above "9" to 200. Above 5 the entry is refused.
int priceScore(const QString& entry) {
    int score = 0;
    for (const QChar c : entry) {
        if (c == Blank)
            continue;
        if (c == QLatin1Char('.'))
            score += 5;
        else if (c < QLatin1Char('0'))
            score = 100;
        else if (c > QLatin1Char('9'))
            score = 200;
    }
    return score;
}

QChar storableCapital(QChar c) {
    const QChar upper = c.toUpper();
    if (upper == c)
        return c;
    // A capital the code page lacks would be stored as "?", so the character stays as typed.
    return toAnsi(QString(upper)) == "?" ? c : upper;
}

} // namespace

QString capwords(const QString& text) {
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (i == 0 || out.at(i - 1) == Blank)
            out[i] = storableCapital(out.at(i));
    }
    return out;
}

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == Blank)
        ++first;
    while (end > first && text.at(end - 1) == Blank)
        --end;
    return text.mid(first, end - first);
}

bool priceEntryAccepted(const QString& entry) {
    return priceScore(entry) <= 5;
}

QString formatPriceEntry(const QString& entry) {
    return QString::fromLatin1(formatMoney(numberValue(entry.toLatin1())));
}

bool quantityIsNumber(const QString& answer) {
    bool anyDigit = false;
    for (const QChar c : answer)
        anyDigit = anyDigit || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
    return anyDigit && priceEntryAccepted(answer);
}

} // namespace pantrex
