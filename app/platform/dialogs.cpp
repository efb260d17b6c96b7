// SPDX-License-Identifier: MIT
#include "dialogs.h"

#include "platform/messages.h"

#include <QCoreApplication>

namespace pantrex {

QString Dialogs::programTitle() {
    return QCoreApplication::translate("Dialogs", "Pantrex");
}

void showFileError(Dialogs& dialogs, const QString& error) {
    report(dialogs, Notice::fileError(error));
}

} // namespace pantrex
