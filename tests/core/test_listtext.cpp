// SPDX-License-Identifier: MIT
// The shopping list as plain text and lines of text back onto it, checked on the text and on what
// lands in the list and product files.
#include "core/listtext.h"
#include "core/session.h"
#include "support/productrecords.h"

#include <QTest>

using namespace pantrex;
using namespace pantrex::testing;

class ListTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void copy_data();
    void copy();
    void paste_data();
    void paste();
    void newProducts();
};

namespace {

const QByteArray Products = productBytes("Milk", "1.25", "Dairy") + productBytes("7 Up", "2.00", "Drinks") +
                            productBytes("Bread", ".99", "Bakery");

} // namespace

void ListTextTest::copy_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("grocery ($)\n");
    QTest::newRow("sorted, quantity and cost")
        << shoppingBytes("Milk", " 2.5", "2") + shoppingBytes("Bread", " .99", "1")
        << QStringLiteral("grocery ($3.49)\n1 x Bread\t$.99\n2 x Milk\t$2.50\n");
}

void ListTextTest::copy() {
    QFETCH(QByteArray, list);
    QFETCH(QString, text);
    TestFolder folder;
    folder.write(QStringLiteral("grocery.lst"), list);
    Session session(folder.path());
    QVERIFY(session.openAtStart().isEmpty());
    QVERIFY(!session.shoppingList().reload());
    QCOMPARE(shoppingListText(session.shoppingList()), text);
}

void ListTextTest::paste_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QStringList>("unknown");

    QTest::newRow("quantity before, after, none")
        << QStringLiteral("For Saturday:\n2 x Milk\r\nbread 3\n\n  - MILK\n7 Up\n")
        << shoppingBytes("Milk", " 2.5", "2") + shoppingBytes("Bread", " 2.97", "3", "Bakery") +
               shoppingBytes("Milk", " 1.25", "1") + shoppingBytes("7 Up", " 2", "1", "Drinks")
        << QStringList();
    QTest::newRow("a copied list pasted back")
        << QStringLiteral("grocery ($4.49)\n2 x Milk\t$2.50\n1 x Bread\t$.99\n")
        << shoppingBytes("Milk", " 2.5", "2") + shoppingBytes("Bread", " .99", "1", "Bakery") << QStringList();
    QTest::newRow("names no product has")
        << QStringLiteral("Eggs 12\nmilk\n3x Jam") << shoppingBytes("Milk", " 1.25", "1")
        << QStringList{QStringLiteral("12 Eggs"), QStringLiteral("3 Jam")};
}

void ListTextTest::paste() {
    QFETCH(QString, text);
    QFETCH(QByteArray, list);
    QFETCH(QStringList, unknown);
    TestFolder folder;
    folder.write(QStringLiteral("grocery.dat"), Products);
    Session session(folder.path());
    QVERIFY(session.openAtStart().isEmpty());
    QVERIFY(!session.shoppingList().reload());

    const PasteResult pasted = pasteItems(session, text);
    QVERIFY(!pasted.notice);
    QStringList names;
    for (const PastedLine& line : pasted.unknown)
        names << QString::fromLatin1(line.quantity) + QLatin1Char(' ') + line.name;
    QCOMPARE(names, unknown);
    QCOMPARE(folder.read(QStringLiteral("grocery.lst")), list);
    QCOMPARE(folder.read(QStringLiteral("grocery.dat")), Products);
}

void ListTextTest::newProducts() {
    TestFolder folder;
    Session session(folder.path());
    QVERIFY(session.openAtStart().isEmpty());
    const PasteResult made = addAsNewProducts(session, {{QStringLiteral("green tea"), "2"}});
    QVERIFY(!made.notice);
    QCOMPARE(made.added, 1);
    QCOMPARE(folder.read(QStringLiteral("grocery.dat")), productBytes("Green Tea", ".00", "Miscellaneous"));
    QCOMPARE(folder.read(QStringLiteral("grocery.lst")), shoppingBytes("Green Tea", " 0", "2", "Miscellaneous"));
}

QTEST_GUILESS_MAIN(ListTextTest)
#include "test_listtext.moc"
