// SPDX-License-Identifier: MIT
#pragma once

#include "core/productoperations.h"

#include <QByteArrayView>
#include <QList>

namespace pantrex {

class Dialogs;
class Session;

// Deletes the selected products from the open product list after the questions the user must
// answer: the default list warning once per opened list, the whole list, one by one or all at once.
// selectedRecords are the record numbers of the selected rows of List1, in row order, and
// shownContent the product file's bytes they were numbered in. Failures are shown; FileChanged
// comes back, with nothing written, for the caller to tell the user.
DeletionOutcome deleteProducts(Session& session, Dialogs& dialogs, const QList<qint64>& selectedRecords,
                               QByteArrayView shownContent);

} // namespace pantrex
