// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <algorithm>
#include <functional>

namespace pantrex {

// Every list the user sees is sorted by whole text, byte by byte (capital letters before small
// ones); equal texts keep their order. A stable sort gives exactly that order.
template <typename It, typename KeyOf> void displaySort(It first, It last, KeyOf keyOf) {
    std::stable_sort(first, last, [&](const auto& a, const auto& b) {
        return std::invoke(keyOf, a).compare(std::invoke(keyOf, b), Qt::CaseSensitive) < 0;
    });
}

template <typename Container, typename KeyOf> void displaySort(Container& items, KeyOf keyOf) {
    displaySort(items.begin(), items.end(), keyOf);
}

} // namespace pantrex
