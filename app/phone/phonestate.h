// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

namespace pantrex {

class Session;

// What the page shows, as JSON: the list's name, caption and total, the counts, and the items
// grouped by category in the order the printout by category uses (categories by their text, items
// in the order they were added), each with its record number, key, quantity, text, cost and tick;
// and the address of the socket that tells of changes. Written out directly as JSON text: a list of
// thousands of items is answered without building a document first.
QByteArray shoppingListState(const Session& session, const QString& socket);

// The products of the open product list whose names begin with the text, as the product view's
// search finds them, in name order: at most most of them, each with its record number and name.
QJsonObject productSearch(const Session& session, const QString& text, int most);

} // namespace pantrex
