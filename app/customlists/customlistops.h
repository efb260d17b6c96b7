// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QList>

namespace pantrex {

class CustomLists;
class Dialogs;
struct ListItem;

// The Custom lists menu's commands as the windows give them: each asks its questions in boxes, in
// the order the program always has, lets the custom lists do the work and shows what they tell.

// Makes a new list of the selected products (record numbers in the product file, in row order)
// under a name the user types.
void createList(CustomLists& lists, Dialogs& dialogs, const QList<qint64>& selectedProducts);
// Appends the selected products to the named list, once the user agrees.
void addToList(CustomLists& lists, Dialogs& dialogs, QByteArrayView listName, const QList<qint64>& selectedProducts);
// Deletes the named list, once the user agrees.
void deleteList(CustomLists& lists, Dialogs& dialogs, QByteArrayView listName);
// Shows the named list's items in a box.
void previewList(CustomLists& lists, Dialogs& dialogs, QByteArrayView listName);
// Stores the whole shopping list as a custom list under a name the user types.
void saveShoppingList(CustomLists& lists, Dialogs& dialogs);

// What the chooser does once "Proceed" has done its work.
enum class AfterProceed {
    KeepChooser,                // the user wants to change the selection, or nothing could be written
    CloseChooser,               // done, or cancelled
    CloseAndReloadShoppingList, // items went onto the shopping list
    ReloadItems,                // the file changed under the rows: they were stale, and nothing was written
};

// Removes the chosen items from their list, once the user agrees.
AfterProceed removeItems(CustomLists& lists, Dialogs& dialogs, const QList<ListItem>& chosen);
// Puts the chosen items on the shopping list, once the user agrees.
AfterProceed getItems(CustomLists& lists, Dialogs& dialogs, const QList<ListItem>& chosen);

} // namespace pantrex
