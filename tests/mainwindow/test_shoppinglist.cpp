// SPDX-License-Identifier: MIT
// The shopping list: its rows and total, and what each operation leaves on disk.
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
    void totalBelowOneAndEmptyList();
    void addsSelectedProducts_data();
    void addsSelectedProducts();
    void addsSeveralInRowOrder();
    void addNeedsCurrentProduct();
    void addOnAFullDisk();
    void f2InSearchBoxAdds();
    void modifiesRow_data();
    void modifiesRow();
    void removesFirstMatchingRecord();
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
    QCOMPARE(f.pantmod->shoprecnos, QList<qint64>({2, 4, 1, 3}));
    QCOMPARE(f.pantmod->shopcosts, QList<QByteArray>({".59", ".00", "1.50", "2.00"}));
    QCOMPARE(list->tabtxt->text(), QStringLiteral("4.09"));
    QCOMPARE(list->captionLabel()->text(), QStringLiteral("grocery ($4.09)"));
    QCOMPARE(f.pantmod->savedcaption, QStringLiteral("grocery ($4.09)"));
    QVERIFY(list->eraseButton()->isEnabled() && list->printButton()->isEnabled() && list->removeButton()->isEnabled());

    list->setCurrentRow(2);
    QCOMPARE(list->costLabel()->text(), QStringLiteral("1.50"));
    list->printButton()->click();
    QCOMPARE(f.pantmod->printrows, 4);
    QCOMPARE(f.pantmod->printtotal, QStringLiteral("4.09"));
}

void ShoppingListTest::totalBelowOneAndEmptyList() {
    MainWindowFixture f;
    f.folder.write("grocery.lst", shoppingBytes("Gum", " .5", "1"));
    f.load();
    QCOMPARE(f.window->shoppingList()->captionLabel()->text(), QStringLiteral("grocery ($.50)"));
}

void ShoppingListTest::addsSelectedProducts_data() {
    QTest::addColumn<bool>("byDoubleClick");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("price");
    QTest::addColumn<QByteArray>("quantityField");
    QTest::addColumn<QByteArray>("costField");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("button") << false << QString() << QByteArray("2.49") << QByteArray("1  ") << QByteArray(" 2.49 ")
                            << One;
    QTest::newRow("double-click, proposed 2")
        << true << "2" << QByteArray("2.49") << QByteArray("2  ") << QByteArray(" 4.98 ") << "(2) ";
    QTest::newRow("letters") << true << "abc" << QByteArray("2.49") << QByteArray("abc") << QByteArray(" 0    ")
                             << "(abc) ";
    QTest::newRow("quantity cut, cost whole")
        << true << "1000" << QByteArray("2.49") << QByteArray("100") << QByteArray(" 2490 ") << "(100) ";
    QTest::newRow("cost cut to six") << true << "5" << QByteArray("24.69") << QByteArray("5  ") << QByteArray(" 123.4")
                                     << "(5) ";
    QTest::newRow("price that is no number")
        << false << QString() << QByteArray("n/a") << QByteArray("1  ") << QByteArray(" 0    ") << One;
    QTest::newRow("cost that loses decimals only")
        << false << QString() << QByteArray("1234.5") << QByteArray("1  ") << QByteArray(" 1234.") << One;
    // A cost whose whole digits do not fit its six characters is refused.
    QTest::newRow("six whole digits") << false << QString() << QByteArray("999999") << QByteArray() << QByteArray()
                                      << QString();
    QTest::newRow("a hundred at 1234.50")
        << true << "100" << QByteArray("1234.5") << QByteArray() << QByteArray() << QString();
}

void ShoppingListTest::addsSelectedProducts() {
    QFETCH(bool, byDoubleClick);
    QFETCH(QString, answer);
    QFETCH(QByteArray, price);
    QFETCH(QByteArray, quantityField);
    QFETCH(QByteArray, costField);
    QFETCH(QString, prefix);

    MainWindowFixture f;
    f.folder.write("grocery.dat", productBytes("Cheddar", price, "Dairy"));
    f.load();
    const bool refused = costField.isEmpty();
    if (byDoubleClick)
        f.dialogs.expectInput("Enter a quantity...", answer);
    if (refused)
        f.dialogs.expectMessage(QStringLiteral("The cost of Cheddar, %1, is too large for the shopping list.  "
                                               "Nothing was added.")
                                    .arg(byDoubleClick ? "123450.00" : "999999.00"));
    if (byDoubleClick) {
        doubleClick(f.window->productView()->List1, 0);
        QCOMPARE(f.dialogs.shown().constFirst().input.defaultText, QStringLiteral("2"));
    } else {
        f.window->shoppingList()->addButton()->click();
    }
    QVERIFY(f.dialogs.done());
    const QByteArray expected = refused ? QByteArray()
                                        : QByteArray("Cheddar").leftJustified(40, ' ') + costField + quantityField +
                                              QByteArray("Dairy").leftJustified(25, ' ') + QByteArray(75, '\0');
    QCOMPARE(f.folder.read("grocery.lst"), expected);
    QCOMPARE(f.pantmod->session.shoppingCount(), refused ? 0 : 1);
    QCOMPARE(rowsOf(f.window->shoppingList()), refused ? QStringList() : QStringList({row(prefix, "Cheddar")}));
    QCOMPARE(f.pantmod->addmode, QString());
}

void ShoppingListTest::addsSeveralInRowOrder() {
    MainWindowFixture f;
    f.folder.write("grocery.dat",
                   productBytes("Tea") + productBytes("Milk") + productBytes("Bread") + productBytes("Jam"));
    f.folder.write("grocery.lst", shoppingBytes("Old"));
    f.load();
    ProductView* view = f.window->productView();
    view->List1->selectAll();
    view->List1->selectionModel()->select(view->List1->model()->index(1, 0), QItemSelectionModel::Deselect);
    f.window->shoppingList()->addButton()->click();
    const QByteArray file = f.folder.read("grocery.lst");
    QCOMPARE(file.size(), 4 * 149);
    QCOMPARE(file.mid(149, 5), QByteArray("Bread"));
    QCOMPARE(file.mid(2 * 149, 4), QByteArray("Milk"));
    QCOMPARE(file.mid(3 * 149, 3), QByteArray("Tea"));
    QCOMPARE(f.window->shoppingList()->tabtxt->text(), QStringLiteral("5.00"));

    // Cancelling the quantity adds nothing.
    f.dialogs.expectInput("Enter a quantity...", QString());
    f.pantmod->addmode = QStringLiteral("1");
    f.window->shoppingList()->addButton()Click();
    QCOMPARE(f.folder.read("grocery.lst"), file);
    QCOMPARE(f.pantmod->addmode, QString());
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
    QCOMPARE(f.folder.read("grocery.lst"), shoppingBytes("Old"));
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
    QLineEdit* search = f.window->productView()->searchtxt;
    search->setFocus();
    QTest::keyClicks(search, "mi");
    QTest::keyClick(search, Qt::Key_F2);
    QCOMPARE(f.folder.read("grocery.lst").left(4), QByteArray("Milk"));
    QCOMPARE(f.pantmod->session.shoppingCount(), 1);
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
    QTest::newRow("new quantity, same text") << shoppingBytes("Milk", " 6.98", "2") << "3"
                                             << "" << shoppingBytes("Milk", "10.47", "3");
    QTest::newRow("new text") << shoppingBytes("Milk", " 3.49", "1") << "1"
                              << "Skim milk" << shoppingBytes("Skim milk", "3.49", "1");
    QTest::newRow("quantity that reads 0 keeps the cost as unit price") << shoppingBytes("Milk", " 5", "abc") << "2"
                                                                        << "" << shoppingBytes("Milk", "10", "2");
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
    if (expected == stored)
        f.dialogs.expectMessage("The cost of Milk, 1998000.00, is too large for the shopping list.  "
                                "The item was not changed.");
    else
        f.dialogs.expectInput("Modify the item information for " + QString::fromLatin1(stored.left(40)).trimmed(),
                              text);
    doubleClick(list->rowsView(), 1);
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.dialogs.shown().constFirst().input.defaultText, QString::fromLatin1(stored.mid(46, 3)));
    QCOMPARE(f.folder.read("grocery.lst"), shoppingBytes("Bread", " 1", "1") + expected);
    QCOMPARE(f.pantmod->addmode, QString());
}

void ShoppingListTest::removesFirstMatchingRecord() {
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
    QCOMPARE(list->tabtxt->text(), QString());
    QVERIFY(!list->eraseButton()->isEnabled() && !list->printButton()->isEnabled() && !list->removeButton()->isEnabled());

    const QByteArray two = shoppingBytes("Tea") + shoppingBytes("Jam");
    f.folder.write("grocery.lst", two);
    f.pantmod->session.setShoppingCount(2);
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
    QCOMPARE(f.pantmod->session.shoppingCount(), 0);
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
    QCOMPARE(f.folder.read("grocery.lst"), two);
    QCOMPARE(f.window->shoppingList()->rowCount(), 2);
}

QTEST_MAIN(ShoppingListTest)
#include "test_shoppinglist.moc"
