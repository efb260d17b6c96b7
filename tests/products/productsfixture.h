// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "support/productrecords.h"
#include "support/scripteddialogs.h"

#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QTest>

namespace pantrex::testing {

// The product files of productrecords.h, with scripted boxes.
struct ProductsFixture : ProductFiles {
    ScriptedDialogs dialogs;

    // The last box shown, for its title, buttons and icon.
    const ScriptedDialogs::Shown& lastBox() const { return dialogs.shown().constLast(); }
};

// The product entry dialog's controls, found by their names as a tour of the program finds them.
struct EntryControls {
    explicit EntryControls(const QWidget& dialog)
        : itemtxt(find<QLineEdit>(dialog, "itemtxt")), pricetxt(find<QLineEdit>(dialog, "pricetxt")),
          Combo1(find<QComboBox>(dialog, "Combo1")), fatchk(find<QCheckBox>(dialog, "fatchk")),
          carbchk(find<QCheckBox>(dialog, "carbchk")), savecmd(find<HoverButton>(dialog, "savecmd")),
          addmorecmd(find<HoverButton>(dialog, "addmorecmd")), quitcmd(find<HoverButton>(dialog, "quitcmd")),
          categorycmd(find<HoverButton>(dialog, "categorycmd")) {}

    template <typename T> static T* find(const QWidget& dialog, const char* name) {
        T* control = dialog.findChild<T*>(QLatin1String(name));
        Q_ASSERT(control);
        return control;
    }

    QLineEdit* itemtxt;
    QLineEdit* pricetxt;
    QComboBox* Combo1;
    QCheckBox* fatchk;
    QCheckBox* carbchk;
    HoverButton* savecmd;
    HoverButton* addmorecmd;
    HoverButton* quitcmd;
    HoverButton* categorycmd;
};

inline EntryControls entryControls(const QWidget& dialog) {
    return EntryControls(dialog);
}

} // namespace pantrex::testing
