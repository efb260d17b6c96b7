// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QList>

namespace pantrex {

class Dialogs;
struct PANTMOD;

// What the main window must do with its product view after a deletion.
enum class AfterDeletion {
    Nothing,            // nothing was deleted (no product, nothing selected, a question refused, a failure)
    RebuildProductView, // products are left: rebuild the product view
    EmptyProductView,   // the product list is now empty: empty List1 and blank pricelbl
    FileChanged,        // the file is no longer what the rows were built from: nothing was written
};

// Deletes the selected products from the open product list (channel 1), after the questions
// the user must answer: the default list warning once per opened list, the whole list, one by
// one or all at once. selectedRecords are the record numbers of the selected rows of List1, in
// row order, and shownContent the product file's bytes they were numbered in. The kept records are
// written back byte for byte, in their old order, in one atomic rewrite; prodcount follows. A
// failure leaves the file as it was and says why; a file that no longer holds shownContent (another
// program changed it) is left as it is and FileChanged comes back, for the caller to tell the user.
AfterDeletion deleteproducts(PANTMOD& pantmod, Dialogs& dialogs, const QList<qint64>& selectedRecords,
                             QByteArrayView shownContent);

} // namespace pantrex
