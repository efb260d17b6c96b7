// SPDX-License-Identifier: MIT
#pragma once

#include "data/records.h"
#include "support/testfolder.h"

#include <QByteArray>

namespace pantrex::testing {

// A product record as it lies on disk; the reserved fields may carry bytes of their own.
inline QByteArray productBytes(const QByteArray& name, const QByteArray& price, const QByteArray& category,
                               const QByteArray& fat = " ", const QByteArray& carb = " ",
                               const QByteArray& reserved1 = {}, const QByteArray& reserved2 = {}) {
    return recordBytes(ProductRecord::Length, {{0, name.leftJustified(40, ' ')},
                                               {40, price.leftJustified(6, ' ')},
                                               {46, fat},
                                               {47, carb},
                                               {48, reserved1},
                                               {78, reserved2},
                                               {121, category.leftJustified(25, ' ')}});
}

inline QByteArray shoppingBytes(const QByteArray& item, const QByteArray& cost, const QByteArray& quantity,
                                const QByteArray& category) {
    return recordBytes(ShoppingRecord::Length, {{0, item.leftJustified(40, ' ')},
                                                {40, cost.leftJustified(6, ' ')},
                                                {46, quantity.leftJustified(3, ' ')},
                                                {49, category.leftJustified(25, ' ')}});
}

// Record n (from 1) of a file's bytes.
inline QByteArray recordAt(const QByteArray& file, int length, int n) {
    return file.mid(qsizetype(n - 1) * length, length);
}

} // namespace pantrex::testing
