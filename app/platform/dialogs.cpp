#include "dialogs.h"

namespace pantrex {

QString Dialogs::programTitle() {
    return QStringLiteral("Pantrex");
}

void showFileError(Dialogs& dialogs, const QString& error) {
    Dialogs::Message box;
    box.text = error;
    box.icon = Dialogs::Icon::Critical;
    dialogs.message(box);
}

} // namespace pantrex
