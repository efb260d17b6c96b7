// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dialogs.h"
#include "state/pantmod.h"
#include "support/scripteddialogs.h"
#include "support/testfolder.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QTest>

#include <memory>

namespace pantrex::testing {

// A product record as it lies on disk; the reserved fields may carry bytes of their own.
inline QByteArray productBytes(const QByteArray& name, const QByteArray& price, const QByteArray& category,
                               const QByteArray& fat = " ", const QByteArray& carb = " ",
                               const QByteArray& reserved1 = {}, const QByteArray& reserved2 = {}) {
    return recordBytes(ProductRecord::Length, {{0, name.leftJustified(40, ' ')},
                                               {40, price.leftJustified(6, ' ')},
                                               {46, fat},
                                               {47, carb},
                                               {48, reserved1},
                                               {78, reserved2},
                                               {121, category.leftJustified(25, ' ')}});
}

inline QByteArray shoppingBytes(const QByteArray& item, const QByteArray& cost, const QByteArray& quantity,
                                const QByteArray& category) {
    return recordBytes(ShoppingRecord::Length, {{0, item.leftJustified(40, ' ')},
                                                {40, cost.leftJustified(6, ' ')},
                                                {46, quantity.leftJustified(3, ' ')},
                                                {49, category.leftJustified(25, ' ')}});
}

// Record n (from 1) of a file's bytes.
inline QByteArray recordAt(const QByteArray& file, int length, int n) {
    return file.mid(qsizetype(n - 1) * length, length);
}

// A product list and a shopping list in a fresh working folder, open on channels 1 and 2 as the
// main window leaves them, with scripted boxes.
struct ProductsFixture {
    TestFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<PANTMOD> pantmod;
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
        pantmod = std::make_unique<PANTMOD>(folder.path());
        pantmod->session.setProductListPath(productFile);
        pantmod->session.setShoppingListPath(shoppingFile);
        RecordFile* productChannel = pantmod->session.openProductList(productFile);
        RecordFile* shoppingChannel =
            pantmod->session.files().open(ShoppingChannel, shoppingFile, ShoppingRecord::Length);
        QVERIFY(productChannel && shoppingChannel);
        pantmod->session.setShoppingCount(shoppingChannel->count());
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

} // namespace pantrex::testing
