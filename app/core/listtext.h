// SPDX-License-Identifier: MIT
#pragma once

#include "core/notice.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace pantrex {

class ProductCatalog;
class Session;
class ShoppingList;

// The shopping list as plain text, for a message or a note, and lines of such text back onto it.

// The heading as the list shows it ("grocery ($4.09)"), then one line per item in the list's order:
// the quantity, "x", the item and, after a tab, its cost ("2 x Milk\t$2.98"). Lines end with "\n".
QString shoppingListText(const ShoppingList& list);

// One line of pasted text: the product it names and the quantity it gives ("1" when none).
struct PastedLine {
    QString name;
    QByteArray quantity;
};

// Reads one product a line with an optional quantity before or after it: "2 x Milk", "2x Milk",
// "2 Milk", "Milk 2", "Milk x 2" and "Milk". Blank lines, headings (a list's, or a line that ends in ":") and the cost
// after a tab (as shoppingListText() writes them) are passed over, and so are bullets before the text. A line that is a
// product's whole name is that product, however it starts or ends ("7 Up").
QList<PastedLine> readPastedLines(const QString& text, const ProductCatalog& catalog);

// What pasting did: the lines added to the shopping list and the names no product has.
struct PasteResult {
    qsizetype added = 0;
    QList<PastedLine> unknown;
    std::optional<Notice> notice; // a write that failed or a list changed underneath: the rest was not added
};

// Adds a line to the shopping list for each pasted line whose product (matched as the merge import
// matches names) is in the open product list, with its quantity, through the list's add.
PasteResult pasteItems(Session& session, const QString& text);

// Makes new products of pasted names, capitalised as the entry dialog does, priced .00 and filed under
// "Miscellaneous", and puts each on the shopping list with its quantity.
PasteResult addAsNewProducts(Session& session, const QList<PastedLine>& lines);

} // namespace pantrex
