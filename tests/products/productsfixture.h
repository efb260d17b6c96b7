// SPDX-License-Identifier: MIT
#pragma once

#include "core/session.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "support/productrecords.h"
#include "support/scripteddialogs.h"
#include "support/testfolder.h"

#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QList>
#include <QTest>

#include <memory>

namespace pantrex::testing {

// A product list and a shopping list in a fresh working folder, open on channels 1 and 2 as the
// main window leaves them, with scripted boxes.
struct ProductsFixture {
    TestFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<Session> session;
    QString productFile = QStringLiteral("grocery.dat");
    QString shoppingFile = QStringLiteral("grocery.lst");

    void open(const QList<QByteArray>& products, const QList<QByteArray>& shopping = {}) {
        lay(products, shopping);
        openChannels();
    }

    void lay(const QList<QByteArray>& products, const QList<QByteArray>& shopping = {}) {
        folder.write(productFile, products.join());
        folder.write(shoppingFile, shopping.join());
    }

    void openChannels() {
        session = std::make_unique<Session>(folder.path());
        session->setProductListPath(productFile);
        session->setShoppingListPath(shoppingFile);
        RecordFile* productChannel = session->openProductList(productFile);
        RecordFile* shoppingChannel = session->files().open(ShoppingChannel, shoppingFile, ShoppingRecord::Length);
        QVERIFY(productChannel && shoppingChannel);
        session->setShoppingCount(shoppingChannel->count());
    }

    QByteArray products() const { return folder.read(productFile); }
    QByteArray shopping() const { return folder.read(shoppingFile); }
    QByteArray product(int n) const { return recordAt(products(), ProductRecord::Length, n); }
    QByteArray shoppingLine(int n) const { return recordAt(shopping(), ShoppingRecord::Length, n); }

    // Marks a file read-only, as a user or another program may do while Pantrex runs.
    void makeReadOnly(const QString& name) const {
        QVERIFY(QFile::setPermissions(folder.filePath(name), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    }

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
