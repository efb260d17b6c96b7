#pragma once

#include <QString>

namespace pantrex {

// True when name can only mean a file directly in the working folder: not empty, not "." or
// "..", and free of folder separators, drive colons, zero bytes and other control characters.
bool isBareFileName(const QString& name);

// True when name is a bare file name ending in ".lst": the only files opened as shopping lists.
bool isShoppingListName(const QString& name);

// The part of a file name before its first "." ("grocery" for "grocery.lst").
QString baseName(const QString& fileName);

// True for the files the program keeps for itself (the default product list, the name file, the
// custom lists, the notes, the print settings, backups): no shopping list may take one of them as
// its own product list.
bool isProgramFile(const QString& name);

// The product list of its own that a shopping list may have: its base name followed by ".dat"; empty
// when that would be one of the program's own files (a list named "pantnote.lst", say).
QString ownProductList(const QString& shoppingList);

} // namespace pantrex
