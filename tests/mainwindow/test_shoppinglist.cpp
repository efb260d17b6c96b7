// SPDX-License-Identifier: MIT
// The shopping list panel: its rows, total and caption, and the boxes its operations show. What the
// operations leave on disk is tried through the core in tests/core.
#include "mainwindowfixture.h"

#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/hoverbutton.h"
#include "support/filesizelimit.h"
#include "support/permissions.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTest>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

QStringList rowsOf(ShoppingListPanel* list) {
    QStringList rows;
    for (int row = 0; row < list->rowCount(); ++row)
        rows << list->rowsView()->model()->index(row, 0).data().toString();
    return rows;
}

QString row(const QString& prefix, const QString& item) {
    return prefix + item.leftJustified(40, QLatin1Char(' '));
}

const QString One = QStringLiteral("     ");

} // namespace

class ShoppingListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsTotalAndCaption();
    void addsSelectedProducts_data();
    void addsSelectedProducts();
    void addsSeveralInRowOrder();
    void addNeedsCurrentProduct();
    void addOnAFullDisk();
    void f2InSearchBoxAdds();
    void modifiesRow_data();
    void modifiesRow();
    void removeKeepsARowCurrent();
    void removingLastRowsAndErasing();
    void eraseThatCannotWrite();
};

void ShoppingListTest::rowsTotalAndCaption() {
    MainWindowFixture f;
    f.folder.write("grocery.lst", shoppingBytes("apple", " 1.5", "3") + shoppingBytes("Banana", " .59", "1") +
                                      shoppingBytes("apple", " 2", "x") + shoppingBytes("Milk", "abc", "1.0"));
    f.load();
    ShoppingListPanel* list = f.window->shoppingList();
    QCOMPARE(rowsOf(list),
             QStringList({row(One, "Banana"), row(One, "Milk"), row("(3) ", "apple"), row("(x) ", "apple")}));
    QCOMPARE(control<QLineEdit>(list, "tabtxt")->text(), QStringLiteral("4.09"));
    QCOMPARE(list->captionLabel()->text(), QStringLiteral("grocery ($4.09)"));
    QVERIFY(list->eraseButton()->isEnabled() && list->printButton()->isEnabled() && list->removeButton()->isEnabled());

    list->setCurrentRow(2);
    QCOMPARE(list->costLabel()->text(), QStringLiteral("1.50"));
    list->setCurrentRow(1);
    QCOMPARE(list->costLabel()->text(), QStringLiteral(".00"));
}

void ShoppingListTest::addsSelectedProducts_data() {
    QTest::addColumn<bool>("byDoubleClick");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("price");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("button") << false << QString() << QByteArray("2.49") << QString()
                            << QStringList{row(One, "Cheddar")};
    QTest::newRow("double-click, proposed 2")
        << true << "2" << QByteArray("2.49") << QString() << QStringList{row("(2) ", "Cheddar")};
    QTest::newRow("double-click, cancelled") << true << "" << QByteArray("2.49") << QString() << QStringList();
    QTest::newRow("a hundred at 1234.50") << true << "100" << QByteArray("1234.5")
                                          << "The cost of Cheddar, 123450.00, is too large for the shopping list.  "
                                             "Nothing was added."
                                          << QStringList();
}

void ShoppingListTest::addsSelectedProducts() {
    QFETCH(bool, byDoubleClick);
    QFETCH(QString, answer);
    QFETCH(QByteArray, price);
    QFETCH(QString, refusal);
    QFETCH(QStringList, rows);

    MainWindowFixture f;
    f.folder.write("grocery.dat", productBytes("Cheddar", price, "Dairy"));
    f.load();
    if (byDoubleClick)
        f.dialogs.expectInput("Enter a quantity...", answer);
    if (!refusal.isEmpty())
        f.dialogs.expectMessage(refusal);
    if (byDoubleClick) {
        doubleClick(f.window->productView()->productList(), 0);
        QCOMPARE(f.dialogs.shown().constFirst().input.defaultText, QStringLiteral("2"));
    } else {
        f.window->shoppingList()->addButton()->click();
    }
    QVERIFY(f.dialogs.done());
    if (!refusal.isEmpty()) {
        QCOMPARE(f.dialogs.shown().constLast().message.title, QStringLiteral("Add..."));
        QCOMPARE(f.dialogs.shown().constLast().message.icon, Dialogs::Icon::Exclamation);
    }
    QCOMPARE(rowsOf(f.window->shoppingList()), rows);
    QCOMPARE(f.folder.read("grocery.lst").size(), rows.size() * 149);
}

void ShoppingListTest::addsSeveralInRowOrder() {
    MainWindowFixture f;
    f.folder.write("grocery.dat",
                   productBytes("Tea") + productBytes("Milk") + productBytes("Bread") + productBytes("Jam"));
    f.folder.write("grocery.lst", shoppingBytes("Old"));
    f.load();
    ProductView* view = f.window->productView();
    view->productList()->selectAll();
    view->productList()->selectionModel()->select(view->productList()->model()->index(1, 0),
                                                  QItemSelectionModel::Deselect);
    f.window->shoppingList()->addButton()->click();
    const QByteArray file = f.folder.read("grocery.lst");
    QCOMPARE(file.size(), 4 * 149);
    QCOMPARE(file.mid(149, 5), QByteArray("Bread"));
    QCOMPARE(recordAt(file, 149, 3).left(4), QByteArray("Milk"));
    QCOMPARE(recordAt(file, 149, 4).left(3), QByteArray("Tea"));
    QCOMPARE(control<QLineEdit>(f.window.get(), "tabtxt")->text(), QStringLiteral("5.00"));
}

// A disk with room for part of a record: the error is told once, and no piece of the record stays.
void ShoppingListTest::addOnAFullDisk() {
    MainWindowFixture f;
    f.folder.write("grocery.dat", productBytes("Milk"));
    f.folder.write("grocery.lst", shoppingBytes("Old"));
    f.load();
    f.dialogs.expectMessage(QStringLiteral("Could not write to grocery.lst: File too large"));
    {
        FileSizeLimit limit(149 + 80);
        f.window->shoppingList()->addButton()->click();
    }
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.window->shoppingList()->rowCount(), 1);
}

void ShoppingListTest::addNeedsCurrentProduct() {
    MainWindowFixture f;
    f.load();
    f.dialogs.expectMessage("Select an item!");
    f.window->shoppingList()->addButton()->click();
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.dialogs.shown().constFirst().message.title, QStringLiteral("Add..."));
    QCOMPARE(f.folder.read("grocery.lst"), QByteArray());
}

void ShoppingListTest::f2InSearchBoxAdds() {
    MainWindowFixture f;
    f.folder.write("grocery.dat", productBytes("Milk") + productBytes("Bread"));
    f.load();
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QLineEdit* search = f.window->productView()->searchEdit();
    search->setFocus();
    QTest::keyClicks(search, "mi");
    QTest::keyClick(search, Qt::Key_F2);
    QCOMPARE(f.folder.read("grocery.lst").left(4), QByteArray("Milk"));
    QCOMPARE(f.session->shoppingCount(), 1);
    QCOMPARE(search->text(), QStringLiteral("mi"));
}

void ShoppingListTest::modifiesRow_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");

    // The new cost 1998000 would lose a whole digit in its six characters: nothing is changed.
    QTest::newRow("cost too large") << shoppingBytes("Milk", " 999", "1") << "2000"
                                    << "" << shoppingBytes("Milk", " 999", "1");
    QTest::newRow("new text") << shoppingBytes("Milk", " 3.49", "1") << "1"
                              << "Skim milk" << shoppingBytes("Skim milk", "3.49", "1");
    QTest::newRow("cancelled") << shoppingBytes("Milk", " 3.49", "1") << ""
                               << "" << QByteArray();
}

void ShoppingListTest::modifiesRow() {
    QFETCH(QByteArray, stored);
    QFETCH(QString, quantity);
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);

    MainWindowFixture f;
    f.folder.write("grocery.lst", shoppingBytes("Bread", " 1", "1") + stored);
    f.load();
    ShoppingListPanel* list = f.window->shoppingList();
    f.dialogs.expectInput("Enter a NEW quantity for " + QString::fromLatin1(stored.left(40)), quantity);
    // No answer to the quantity changes nothing.
    const bool cancelled = expected.isEmpty();
    const bool refused = expected == stored;
    if (cancelled)
        expected = stored;
    else if (refused)
        f.dialogs.expectMessage("The cost of Milk, 1998000.00, is too large for the shopping list.  "
                                "The item was not changed.");
    else
        f.dialogs.expectInput("Modify the item information for " + QString::fromLatin1(stored.left(40)).trimmed(),
                              text);
    doubleClick(list->rowsView(), 1);
    QVERIFY(f.dialogs.done());
    if (refused) {
        QCOMPARE(f.dialogs.shown().constLast().message.title, QStringLiteral("Pantrex"));
        QCOMPARE(f.dialogs.shown().constLast().message.icon, Dialogs::Icon::Exclamation);
    }
    QCOMPARE(f.dialogs.shown().constFirst().input.defaultText, QString::fromLatin1(stored.mid(46, 3)));
    QCOMPARE(f.folder.read("grocery.lst"), shoppingBytes("Bread", " 1", "1") + expected);
    QCOMPARE(rowsOf(list).at(1), row(One, QString::fromLatin1(expected.left(40)).trimmed()));
}

// Of the items that match ignoring case the first in the file goes; the row stays current.
void ShoppingListTest::removeKeepsARowCurrent() {
    MainWindowFixture f;
    const QByteArray a = shoppingBytes("Tea", " 1", "1");
    const QByteArray b = shoppingBytes("Milk", " 2", "1");
    const QByteArray c = shoppingBytes("TEA", " 3", "1");
    const QByteArray d = shoppingBytes("Bread", " 4", "1");
    f.folder.write("grocery.lst", a + b + c + d);
    f.load();
    ShoppingListPanel* list = f.window->shoppingList();
    QCOMPARE(rowsOf(list).size(), 4); // Bread, Milk, TEA, Tea
    list->setCurrentRow(2);           // the row of "TEA", the third record
    list->removeButton()->click();
    QCOMPARE(f.folder.read("grocery.lst"), b + c + d);
    QCOMPARE(list->currentRow(), 2);
    QCOMPARE(list->costLabel()->text(), QStringLiteral("3.00"));
    QCOMPARE(list->captionLabel()->text(), QStringLiteral("grocery ($9.00)"));

    // Removing the last row of a longer list makes the first row current.
    list->setCurrentRow(2);
    list->removeButton()->click();
    QCOMPARE(f.folder.read("grocery.lst"), b + d);
    QCOMPARE(list->currentRow(), 0);
}

void ShoppingListTest::removingLastRowsAndErasing() {
    MainWindowFixture f;
    f.folder.write("grocery.lst", shoppingBytes("Tea"));
    f.load();
    ShoppingListPanel* list = f.window->shoppingList();
    f.dialogs.expectMessage("Select an item");
    list->removeButton()->click();
    QCOMPARE(f.dialogs.shown().constLast().message.title, QStringLiteral("Remove..."));
    list->setCurrentRow(0);
    list->removeButton()->click();
    QCOMPARE(f.folder.read("grocery.lst"), QByteArray());
    QCOMPARE(list->captionLabel()->text(), QStringLiteral("grocery ($)"));
    QCOMPARE(control<QLineEdit>(list, "tabtxt")->text(), QString());
    QVERIFY(!list->eraseButton()->isEnabled() && !list->printButton()->isEnabled() &&
            !list->removeButton()->isEnabled());

    const QByteArray two = shoppingBytes("Tea") + shoppingBytes("Jam");
    f.folder.write("grocery.lst", two);
    f.session->setShoppingCount(2);
    list->reloadShoppingList();
    const QString question =
        QStringLiteral("Erase the contents of this Shopping List? This is an irreversable move!  Are you sure?");
    f.dialogs.expectMessage(question, Dialogs::Answer::No);
    list->eraseButton()->click();
    QCOMPARE(f.folder.read("grocery.lst"), two);
    QCOMPARE(list->rowCount(), 2);
    f.dialogs.expectMessage(question, Dialogs::Answer::Yes);
    list->eraseButton()->click();
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.dialogs.shown().constLast().message.title, QStringLiteral("Confirm"));
    QCOMPARE(f.folder.read("grocery.lst"), QByteArray());
    QCOMPARE(f.session->shoppingCount(), 0);
    QCOMPARE(list->rowCount(), 0);
    QCOMPARE(list->captionLabel()->text(), QStringLiteral("grocery ($)"));
}

void ShoppingListTest::eraseThatCannotWrite() {
    MainWindowFixture f;
    const QByteArray two = shoppingBytes("Tea") + shoppingBytes("Jam");
    f.folder.write("grocery.lst", two);
    PermissionsEnforced enforced;
    QFile::setPermissions(f.folder.filePath("grocery.lst"), QFile::ReadOwner);
    f.load();
    f.dialogs.expectMessage(
        QStringLiteral("Erase the contents of this Shopping List? This is an irreversable move!  Are you sure?"),
        Dialogs::Answer::Yes);
    f.dialogs.expectMessage(QStringLiteral("Could not save grocery.lst: the file is read-only"));
    f.window->shoppingList()->eraseButton()->click();
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.window->shoppingList()->rowCount(), 2);
}

QTEST_MAIN(ShoppingListTest)
#include "test_shoppinglist.moc"
