// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pantrex {

// The files the program keeps in the working folder, each named once here.
namespace DataFile {
inline const QString DefaultProducts = QStringLiteral("grocery.dat");
inline const QString DefaultList = QStringLiteral("grocery.lst");
// The default product list as it was at the start of the run.
inline const QString ProductBackup = QStringLiteral("grocery.bak");
// The last merge file imported.
inline const QString ImportedCopy = QStringLiteral("grocery.old");
// The shopping list an older edition kept, taken over once.
inline const QString OldEditionList = QStringLiteral("pantlist.dat");
// The default list as it was before an older edition's list replaced it. Not "grocery.bak", which
// holds the product list's copy of each start, and not a name ending in ".lst", which would be
// offered as a shopping list.
inline const QString ReplacedListBackup = QStringLiteral("grocery.lst.bak");
// The list in use at the last quit.
inline const QString NameFile = QStringLiteral("namefile.dat");
inline const QString CustomLists = QStringLiteral("pantrecp.dat");
// The custom lists as they were before the last list was deleted.
inline const QString CustomListBackup = QStringLiteral("pantrecp.bak");
// The print dialog's choices, its three notes, and the notes window's text.
inline const QString PrintSettings = QStringLiteral("pantlpt.cfg");
inline const QString PrintNotes = QStringLiteral("pantnote.dat");
inline const QString Notes = QStringLiteral("pantnotes.dat");
} // namespace DataFile

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

// The ticks kept beside a shopping list: its whole name followed by ".ticks" ("grocery.lst.ticks"),
// so that the list file itself keeps its layout and the ticks are never offered as a list.
QString ticksFileOf(const QString& shoppingList);

// The order of a store's aisles kept beside a shopping list in the same way ("grocery.lst.aisles").
QString aislesFileOf(const QString& shoppingList);

// The merge file of a product list: its base name followed by ".mrg" ("party.mrg" for "party.dat").
QString mergeFileOf(const QString& productList);

// The product list of its own that a shopping list may have: its base name followed by ".dat"; empty
// when that would be one of the program's own files (a list named "pantnote.lst", say).
QString ownProductList(const QString& shoppingList);

} // namespace pantrex
