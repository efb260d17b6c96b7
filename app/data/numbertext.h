// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace pantrex {

// Prices, line costs, totals and quantities are kept as text. These read and write them.

// Reads a number leniently: blanks are skipped, the longest leading run that forms a decimal
// number (optional sign, digits, one ".") is taken, and text without one reads as 0.
double numberValue(QByteArrayView text);

// The leading-blank form: " " for zero or more ("-" when negative), at most 15 significant
// digits, no trailing zeros, no 0 before the point below 1. One half gives " .5".
QByteArray leadingBlankForm(double value);

// The plain form: as above without the leading blank and with a 0 before the point: "0.5".
QByteArray plainForm(double value);

// The display pattern "###.00": integer part without leading zeros, ".", two decimals, rounded
// half away from zero. 8.97 -> "8.97", 0.5 -> ".50", 12 -> "12.00". An empty (or all-blank)
// text stays empty; any other text is formatted by its numeric value.
QByteArray formatMoney(double value);
QByteArray formatMoney(QByteArrayView text);

// A written number cut to a fixed field of this width, losing decimals only (" 123.45" in 6 bytes
// is " 123.4"; " 1.5E-05", too small for plain digits, is " 0"). Nothing when the part before the
// point would not fit: a value is never stored with whole digits missing.
std::optional<QByteArray> fitNumberField(QByteArrayView form, int width);

} // namespace pantrex
