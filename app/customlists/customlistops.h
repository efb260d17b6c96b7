// SPDX-License-Identifier: MIT
#pragma once

#include "customlists/customlistcatalog.h"

#include <QList>

namespace pantrex {

class Dialogs;
struct PANTMOD;

// The custom-list operations. Each takes what it needs (the selected products' record numbers in
// the product file, in row order; the chosen items; the lists as last read, for showing and
// checking names) and writes at once; a failure writes nothing more and says why.

// Makes a new list of the selected products (at least two) under a name the user types.
void createlist(PANTMOD& pantmod, Dialogs& dialogs, CustomListCatalog& catalog, const QList<qint64>& selectedProducts);
// Appends the selected products to the list chosenlist names.
void addtolist(PANTMOD& pantmod, Dialogs& dialogs, const QList<qint64>& selectedProducts);
// Removes every record of the list chosenlist names, after a copy of the file went to
// "pantrecp.bak".
void deletelist(PANTMOD& pantmod, Dialogs& dialogs);
// Shows the items of the list chosenlist names in a box.
void previewlist(PANTMOD& pantmod, Dialogs& dialogs, CustomListCatalog& catalog);
// Stores the whole shopping list as a custom list, each item with its unit price.
void saveshoplist(PANTMOD& pantmod, Dialogs& dialogs, CustomListCatalog& catalog);

// What the chooser does once "Proceed" has done its work.
enum class AfterProceed {
    KeepChooser,                // the user wants to change the selection, or nothing could be written
    CloseChooser,               // done, or cancelled
    CloseAndReloadShoppingList, // items went onto the shopping list
    ReloadItems,                // the file changed under the rows: they were stale, and nothing was written
};

// Removes the chosen items' records from the file; every other record keeps its place in order.
AfterProceed removeitems(PANTMOD& pantmod, Dialogs& dialogs, const QList<ListItem>& chosen);
// Puts the chosen items on the shopping list, quantity 1, except those already on it.
AfterProceed getitems(PANTMOD& pantmod, Dialogs& dialogs, const QList<ListItem>& chosen);

} // namespace pantrex
