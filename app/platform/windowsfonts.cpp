// SPDX-License-Identifier: MIT
#include "windowsfonts.h"

#include <QFont>
#include <QStringList>

namespace pantrex {

void mapWindowsFonts() {
    static const bool mapped = [] {
        // Substitutes only come into play when the name itself is not installed, so a machine
        // that has the real fonts keeps them.
        QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                                   {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
        QFont::insertSubstitutions(QStringLiteral("Playbill"),
                                   {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed"),
                                    QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                                   {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    (void)mapped;
}

} // namespace pantrex
