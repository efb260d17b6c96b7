// SPDX-License-Identifier: MIT
#include "productfiles.h"

#include "platform/dialogs.h"
#include "state/pantmod.h"

namespace pantrex {

namespace {

RecordFile* openChannel(PANTMOD& pantmod, Dialogs& dialogs, int channel, const QString& name, int recordLength) {
    if (RecordFile* file = pantmod.session.files().file(channel))
        return file;
    RecordFile* file = pantmod.session.files().open(channel, name, recordLength);
    if (!file)
        reportFileError(dialogs, pantmod.session.files().errorString());
    return file;
}

} // namespace

RecordFile* openProductFile(PANTMOD& pantmod, Dialogs& dialogs) {
    return openChannel(pantmod, dialogs, ProductChannel, pantmod.session.productListPath(), ProductRecord::Length);
}

RecordFile* openShoppingFile(PANTMOD& pantmod, Dialogs& dialogs) {
    return openChannel(pantmod, dialogs, ShoppingChannel, pantmod.session.shoppingListPath(), ShoppingRecord::Length);
}

void reportFileError(Dialogs& dialogs, const QString& error) {
    showFileError(dialogs, error);
}

} // namespace pantrex
