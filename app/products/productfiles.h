// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pantrex {

class Dialogs;
class RecordFile;
struct PANTMOD;

// The open product list (channel 1) and shopping list (channel 2) as product maintenance uses
// them. The main window keeps both open; when one is not, it is opened again under its name.
// On failure the user is told in the file layer's words and nullptr comes back.
RecordFile* openProductFile(PANTMOD& pantmod, Dialogs& dialogs);
RecordFile* openShoppingFile(PANTMOD& pantmod, Dialogs& dialogs);

// Tells the user that a file could not be used, in the file layer's words.
void reportFileError(Dialogs& dialogs, const QString& error);

} // namespace pantrex
