// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace pantrex {

class Dialogs;
class LinePrinter;
class Session;

// What the print dialog asks for.
struct ShoppingPrintChoices {
    QString fontSize = QStringLiteral("12"); // as typed
    bool bold = false;
    bool byCategory = false;
    bool separators = false;
    bool unitPrices = false;
    QStringList notes; // as typed; blank ones are left out
};

// The points a typed font size prints at: its number, kept between 6 and 20 points (small print
// stays readable, and the category column stays on the paper); 12 when it gives no size at all.
double printFontSize(const QString& typed);

// Prints the open shopping list: in the list's order, or grouped by category. True when the
// printout went to the printer; false when the user was told it could not. The list's order is
// the order of its rows as shown.
bool printShoppingList(Session& session, Dialogs& dialogs, LinePrinter& printer, const ShoppingPrintChoices& choices);

} // namespace pantrex
