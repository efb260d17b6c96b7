// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pantrex {

class Dialogs;
struct PANTMOD;

// Carrying products between two installations: the open product list is exported to its merge
// file (its base name followed by ".mrg"), and a merge file placed beside it is imported.

// Copies the open product list to its merge file, asks whether to move that file to the diskette
// drive (the folder driveFolder; empty when the machine has none) and does so, asking again while
// the drive is not ready. The product list is open on channel 1 again afterwards, whatever happened.
void exportProducts(PANTMOD& pantmod, Dialogs& dialogs, const QString& driveFolder);

struct ImportResult {
    enum class Outcome {
        NotFound, // no merge file, or one without a whole record: nothing was changed
        Imported, // every product of the merge file was looked at
        Stopped,  // a file could not be read or written: see error and added
    };
    Outcome outcome = Outcome::NotFound;
    // Products appended to the product list.
    qint64 added = 0;
    // Records of the merge file that were passed over because they name no product.
    qint64 leftOut = 0;
    // True once the merge file has been kept as "grocery.old" and removed.
    bool mergeFileGone = false;
    // What went wrong, in the file layer's words; with Imported, what went wrong after the products
    // were added (keeping the merge file).
    QString error;
};

// Appends to the open product list, in the merge file's order, every product of the merge file
// whose name (without surrounding blanks, ignoring case) the list does not hold yet; a name the
// merge file holds twice is added once. Existing products are never changed. Afterwards the merge
// file is kept as "grocery.old" and removed. When a write fails midway, every product written so
// far stays whole, the rest is not written and the merge file stays.
ImportResult importMergeFile(PANTMOD& pantmod);

} // namespace pantrex
