// SPDX-License-Identifier: MIT
#include "dialogs.h"

#include <QCoreApplication>

namespace pantrex {

QString Dialogs::programTitle() {
    return QCoreApplication::translate("Dialogs", "Pantrex");
}

void showFileError(Dialogs& dialogs, const QString& error) {
    Dialogs::Message box;
    box.text = error;
    box.icon = Dialogs::Icon::Critical;
    dialogs.message(box);
}

} // namespace pantrex
