// SPDX-License-Identifier: MIT
#include "numbertext.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace pantrex {

namespace {

constexpr int SignificantDigits = 15;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A value as decimal digits and exponent, rounded to 15 significant digits: value is
// 0.digits * 10^(exponent + 1), so for 2.49 digits is "249000000000000" and exponent 0.
struct Decimal {
    bool negative = false;
    QByteArray digits;
    int exponent = 0;
};

Decimal toDecimal(double value) {
    Decimal d;
    if (!std::isfinite(value) || value == 0) {
        d.digits = QByteArray(SignificantDigits, '0');
        return d;
    }
    // to_chars, unlike printf, ignores the user's locale: the point is always ".".
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific,
                                      SignificantDigits - 1);
    // "d.dddddddddddddde[+-]xx": the first digit, the fourteen after the point, then the exponent.
    const char* e = std::find(static_cast<const char*>(buffer), static_cast<const char*>(result.ptr), 'e');
    d.negative = value < 0;
    d.digits = QByteArray(SignificantDigits, Qt::Uninitialized);
    d.digits[0] = buffer[0];
    std::copy(static_cast<const char*>(buffer) + 2, e, d.digits.begin() + 1);
    std::from_chars(e + (e[1] == '+' ? 2 : 1), result.ptr, d.exponent);
    return d;
}

QByteArray numberForm(double value, bool leadingBlank) {
    const Decimal d = toDecimal(value);
    QByteArray digits = d.digits;
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);
    QByteArray out = d.negative ? "-" : (leadingBlank ? " " : "");
    if (digits == "0")
        return out + '0';

    if (d.exponent >= SignificantDigits || d.exponent < -4) {
        out += digits.left(1);
        if (digits.size() > 1)
            out += '.' + digits.mid(1);
        out += d.exponent < 0 ? "E-" : "E+";
        return out + QByteArray::number(std::abs(d.exponent)).rightJustified(2, '0');
    }
    if (d.exponent < 0) {
        if (!leadingBlank)
            out += '0';
        return out + '.' + QByteArray(-d.exponent - 1, '0') + digits;
    }
    const qsizetype whole = d.exponent + 1;
    if (digits.size() <= whole)
        return out + digits + QByteArray(whole - digits.size(), '0');
    return out + digits.left(whole) + '.' + digits.mid(whole);
}

// Adds one to a string of decimal digits.
void increment(QByteArray& digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.prepend('1');
}

bool allDigits(QByteArrayView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// An exponent form as the forms below write it for a value under 1: one digit, perhaps a point
// and more digits, then "E-" and the exponent (" 1.5E-05").
bool isBelowOneForm(QByteArrayView form) {
    const qsizetype e = form.indexOf("E-");
    if (e < 0)
        return false;
    const QByteArrayView exponent = form.sliced(e + 2);
    if (!allDigits(exponent) || exponent.count('0') == exponent.size())
        return false;
    QByteArrayView mantissa = form.first(e);
    if (mantissa.startsWith(' ') || mantissa.startsWith('-'))
        mantissa = mantissa.sliced(1);
    if (mantissa.size() > 1 && (mantissa.at(1) != '.' || !allDigits(mantissa.sliced(2))))
        return false;
    return allDigits(mantissa.first(std::min<qsizetype>(1, mantissa.size())));
}

} // namespace

double numberValue(QByteArrayView text) {
    // The longest leading number, gathered without the blanks. Every digit counts: a long run of
    // whole digits cut short would read as a number many times too small.
    QVarLengthArray<char, 64> number;
    bool sign = false;
    bool point = false;
    bool anyDigit = false;
    for (const char c : text) {
        if (c == '\0')
            break;
        if (isBlank(c))
            continue;
        if ((c == '-' || c == '+') && !sign && number.isEmpty()) {
            sign = true;
            if (c == '-')
                number.append(c);
        } else if (c >= '0' && c <= '9') {
            number.append(c);
            anyDigit = true;
        } else if (c == '.' && !point) {
            number.append(c);
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0;
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc() && std::isfinite(value))
        return value;
    // Beyond the range of a double: a whole part that large reads as the largest there is, a
    // fraction that small as 0.
    const bool negative = number.front() == '-';
    const auto whole = std::find_if(number.begin() + (negative ? 1 : 0), number.end(), [](char c) { return c != '0'; });
    if (whole == number.end() || *whole == '.')
        return 0;
    return negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
}

QByteArray leadingBlankForm(double value) {
    return numberForm(value, true);
}

QByteArray plainForm(double value) {
    return numberForm(value, false);
}

// Rounds on the value's 15-digit decimal form rather than on the binary double, so that 2.675
// gives 2.68 as anyone would expect.
// The general formatting, digit string by digit string, for values too large for whole cents.
static QByteArray formatLargeMoney(double value) {
    const Decimal d = toDecimal(value);
    // Digits that lie at or above the hundredths.
    const qsizetype keep = qsizetype(d.exponent) + 3;
    QByteArray cents;
    if (keep >= d.digits.size()) {
        cents = d.digits + QByteArray(keep - d.digits.size(), '0');
    } else if (keep >= 0) {
        cents = d.digits.left(keep);
        if (d.digits.at(keep) >= '5')
            increment(cents);
    }
    cents = cents.rightJustified(2, '0');
    const qsizetype wholeLength = cents.size() - 2;
    qsizetype firstDigit = 0;
    while (firstDigit < wholeLength && cents.at(firstDigit) == '0')
        ++firstDigit;
    const bool zero = firstDigit == wholeLength && cents.endsWith("00");
    QByteArray out = d.negative && !zero ? "-" : "";
    return out + cents.mid(firstDigit, wholeLength - firstDigit) + '.' + cents.right(2);
}

QByteArray formatMoney(double value) {
    const Decimal d = toDecimal(value);
    if (d.exponent >= 16)
        return formatLargeMoney(value);
    // Whole cents from the 15 significant digits, rounded half away from zero.
    qint64 cents = 0;
    const int keep = d.exponent + 3;
    for (int i = 0; i < keep && i < int(d.digits.size()); ++i)
        cents = cents * 10 + (d.digits.at(i) - '0');
    for (int i = int(d.digits.size()); i < keep; ++i)
        cents *= 10;
    if (keep >= 0 && keep < d.digits.size() && d.digits.at(keep) >= '5')
        ++cents;
    char out[32];
    char* end = out + sizeof out;
    char* p = end;
    *--p = char('0' + cents % 10);
    *--p = char('0' + cents / 10 % 10);
    *--p = '.';
    for (qint64 whole = cents / 100; whole > 0; whole /= 10)
        *--p = char('0' + whole % 10);
    if (d.negative && cents != 0)
        *--p = '-';
    return QByteArray(p, end - p);
}

QByteArray formatMoney(QByteArrayView text) {
    bool blank = true;
    for (const char c : text) {
        if (c == '\0')
            break;
        if (!isBlank(c)) {
            blank = false;
            break;
        }
    }
    return blank ? QByteArray() : formatMoney(numberValue(text));
}

std::optional<QByteArray> fitNumberField(QByteArrayView form, int width) {
    // A number read back from the field takes no exponent, so one written with it would not survive.
    // A value too small for plain digits has no whole digits to lose, though: it is stored as 0.
    if (isBelowOneForm(form))
        return fitNumberField(form.startsWith(' ') ? " 0" : "0", width);
    if (form.contains('e') || form.contains('E'))
        return std::nullopt;
    if (form.size() <= width)
        return form.toByteArray();
    const qsizetype point = form.indexOf('.');
    if (point < 0 || point > width)
        return std::nullopt;
    return form.first(width).toByteArray();
}

} // namespace pantrex
