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

// A file that was opened for writing may be marked read-only while the program runs; the open
// file would still take writes. Returns false, after telling the user in the file layer's words,
// when the file on disk may no longer be written. what is "Could not save" or "Could not write to".
bool stillWritable(RecordFile& file, Dialogs& dialogs, const QString& what);

// Tells the user that a file could not be used, in the file layer's words.
void reportFileError(Dialogs& dialogs, const QString& error);

} // namespace pantrex
