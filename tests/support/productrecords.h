// SPDX-License-Identifier: MIT
#pragma once

#include "core/session.h"
#include "data/records.h"
#include "support/testfolder.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QTest>

#include <memory>

namespace pantrex::testing {

// A product record as it lies on disk; the reserved fields may carry bytes of their own.
inline QByteArray productBytes(const QByteArray& name, const QByteArray& price = "1.00",
                               const QByteArray& category = "Dairy", const QByteArray& fat = " ",
                               const QByteArray& carb = " ", const QByteArray& reserved1 = {},
                               const QByteArray& reserved2 = {}) {
    return recordBytes(ProductRecord::Length, {{0, name.leftJustified(40, ' ', true)},
                                               {40, price.leftJustified(6, ' ', true)},
                                               {46, fat},
                                               {47, carb},
                                               {48, reserved1},
                                               {78, reserved2},
                                               {121, category.leftJustified(25, ' ', true)}});
}

inline QByteArray shoppingBytes(const QByteArray& item, const QByteArray& cost = " 2", const QByteArray& quantity = "2",
                                const QByteArray& category = "Dairy") {
    return recordBytes(ShoppingRecord::Length, {{0, item.leftJustified(40, ' ', true)},
                                                {40, cost.leftJustified(6, ' ', true)},
                                                {46, quantity.leftJustified(3, ' ', true)},
                                                {49, category.leftJustified(25, ' ', true)}});
}

// A record of "pantrecp.dat": one item of a custom list.
inline QByteArray customBytes(const QByteArray& list, const QByteArray& item, const QByteArray& price = "1.00",
                              const QByteArray& category = "Dairy") {
    return recordBytes(CustomListRecord::Length, {{0, list.leftJustified(30, ' ', true)},
                                                  {30, item.leftJustified(40, ' ', true)},
                                                  {70, price.leftJustified(6, ' ', true)},
                                                  {76, category.leftJustified(25, ' ', true)}});
}

// Record n (from 1) of a file's bytes.
inline QByteArray recordAt(const QByteArray& file, int length, int n) {
    return file.mid(qsizetype(n - 1) * length, length);
}

// The record with its category field (at offset) replaced, every other byte as it was.
inline QByteArray withCategory(QByteArray record, int offset, const QByteArray& category) {
    return record.replace(offset, 25, category.leftJustified(25, ' '));
}

// Five products with bytes of their own in the reserved fields, as an import leaves them.
inline QList<QByteArray> fiveProducts() {
    return {productBytes("Apples", "1.00", "Fruit", "", "", "first", "imported one"),
            productBytes("Bread", "2.00", "Bakery", " ", "1", QByteArray(30, 'x'), QByteArray(43, 'y')),
            productBytes("Cheese", "3.00", "Dairy", "1", " "),
            productBytes("Dates", "4.00", "Fruit", " ", " ", "\x01\x02\x03", "last"),
            productBytes("Eggs", "5.00", "Dairy")};
}

// Products and shopping list lines in the categories Dairy (in several spellings) and Bakery.
namespace dairy {
inline const QByteArray Milk = productBytes("Milk", "1.00", "Dairy", "1", " ", "reserved", "imported");
inline const QByteArray Cheese = productBytes("Cheese", "3.00", "DAIRY");
inline const QByteArray Bread = productBytes("Bread", "1.50", "Bakery");
inline const QByteArray Yogurt = productBytes("Yogurt", ".80", "Dairy");
inline const QByteArray MilkLine = shoppingBytes("Milk", "2.00", "2", "Dairy");
inline const QByteArray CheeseLine = shoppingBytes("Cheese", "3.00", "1", "DAIRY");
inline const QByteArray CreamLine = shoppingBytes("Cream", "1.00", "1", "  dairy ");
inline const QByteArray BreadLine = shoppingBytes("Bread", "1.50", "1", "Bakery");
inline const QList<QByteArray> Products{Milk, Cheese, Bread, Yogurt};
inline const QList<QByteArray> Shopping{MilkLine, CheeseLine, CreamLine, BreadLine};
} // namespace dairy

// A product list and a shopping list in a fresh working folder, open on channels 1 and 2 as the
// main window leaves them.
struct ProductFiles {
    TestFolder folder;
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

    // Marks a file read-only, as a user or another program may do while Pantrex runs.
    void makeReadOnly(const QString& name) const {
        QVERIFY(QFile::setPermissions(folder.filePath(name), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    }
};

} // namespace pantrex::testing
