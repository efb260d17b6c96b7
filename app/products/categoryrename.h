// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pantrex {

class Dialogs;
struct PANTMOD;

struct CategoryRename {
    bool renamed = false;      // the user confirmed and every matching record now has the new name
    bool filesChanged = false; // a file was written (also when a failure stopped the rest)
    QString newName;
};

// Renames the category shown in the entry dialog's category box (comboText) everywhere it is
// used: in the open shopping list (channel 2) regardless of case, in the open product list
// (channel 1) only where it matches exactly. Asks for the new name and for confirmation first;
// each file is written anew in one atomic step, its records with only their category changed.
CategoryRename renamecategory(PANTMOD& pantmod, Dialogs& dialogs, const QString& comboText);

} // namespace pantrex
