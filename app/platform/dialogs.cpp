#include "dialogs.h"

namespace pantrex {

QString Dialogs::programTitle() {
    return QStringLiteral("Pantrex");
}

} // namespace pantrex
