// SPDX-License-Identifier: MIT
// The product view: order, search, filters, categories and what a click shows.
#include "mainwindowfixture.h"

#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/hoverbutton.h"
#include "products/productentrydialog.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTest>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

struct Product {
    QByteArray name;
    QByteArray category = "Dairy";
    bool fat = false;
    bool carb = false;
    QByteArray price = "1.00";
};

QByteArray productFile(const QList<Product>& products) {
    QByteArray bytes;
    for (const Product& p : products) {
        QByteArray record = productBytes(p.name, p.price, p.category);
        record[46] = p.fat ? '1' : ' ';
        record[47] = p.carb ? '1' : ' ';
        bytes += record;
    }
    return bytes;
}

QStringList rowsOf(ProductView* view) {
    QStringList rows;
    for (int row = 0; row < view->rowCount(); ++row)
        rows << view->productList()->model()->index(row, 0).data().toString();
    return rows;
}

} // namespace

class ProductViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sortsByCharacterCodeKeepingFileOrder();
    void searchAndFilters_data();
    void searchAndFilters();
    void categories();
    void categoryThatHasGoneEmpty();
    void clickShowsPriceAndSelection();
    void oddBytesAreShownNotRewritten();
};

void ProductViewTest::sortsByCharacterCodeKeepingFileOrder() {
    MainWindowFixture f;
    f.folder.write("grocery.dat", productFile({{"cherry"}, {"Tea"}, {"apple"}, {"Tea"}, {"Banana"}}));
    f.load();
    ProductView* view = f.window->productView();
    QCOMPARE(rowsOf(view), QStringList({"Banana", "Tea", "Tea", "apple", "cherry"}));
    // Each row stands for its own record: equal names keep the file's order.
    QCOMPARE(view->rowRecords(), QList<qint32>({5, 2, 4, 3, 1}));
    QCOMPARE(view->productFrame()->title(), QStringLiteral("Product List (5)"));
    QCOMPARE(view->priceLabel()->text(), QStringLiteral("1.00  "));
    // The first row is current and selected after the start.
    QCOMPARE(view->currentRow(), 0);
    QVERIFY(view->editButton()->isEnabled() && view->deleteButton()->isEnabled());
    QVERIFY(f.window->shoppingList()->addButton()->isEnabled());
}

void ProductViewTest::searchAndFilters_data() {
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("fats");
    QTest::addColumn<bool>("carbs");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("no filter") << "" << false << false
                               << QStringList{"Banana", "Butter", "Cabbage", "Pasta", "bacon", "lettuce"};
    QTest::newRow("prefix, any case, blanks around") << "  ba " << false << false << QStringList{"Banana", "bacon"};
    QTest::newRow("fats") << "" << true << false << QStringList{"Banana", "Cabbage", "Pasta", "lettuce"};
    QTest::newRow("carbohydrates") << "" << false << true << QStringList{"Butter", "Cabbage", "bacon", "lettuce"};
    QTest::newRow("both diets") << "" << true << true << QStringList{"Cabbage", "lettuce"};
    QTest::newRow("search and diet") << "b" << true << false << QStringList{"Banana"};
    QTest::newRow("nothing matches") << "xyz" << false << false << QStringList{};
}

void ProductViewTest::searchAndFilters() {
    QFETCH(QString, search);
    QFETCH(bool, fats);
    QFETCH(bool, carbs);
    QFETCH(QStringList, rows);

    MainWindowFixture f;
    f.folder.write("grocery.dat", productFile({{"Cabbage", "Produce"},
                                               {"bacon", "Meat", true},
                                               {"Banana", "Produce", false, true},
                                               {"Butter", "Dairy", true},
                                               {"lettuce", "Produce"},
                                               {"Pasta", "Dry", false, true}}));
    f.load();
    ProductView* view = f.window->productView();
    if (fats)
        control<QAction>(f.window, "lofatcmd")->trigger();
    if (carbs)
        control<QAction>(f.window, "locarbcmd")->trigger();
    QCOMPARE(control<QAction>(f.window, "lofatcmd")->isChecked(), fats);
    QCOMPARE(control<QAction>(f.window, "locarbcmd")->isChecked(), carbs);
    QTest::keyClicks(view->searchEdit(), search);
    QCOMPARE(rowsOf(view), rows);
    QCOMPARE(view->productFrame()->title(), QStringLiteral("Product List (%1)").arg(rows.size()));
    QCOMPARE(view->editButton()->isEnabled(), !rows.isEmpty());
    QCOMPARE(view->deleteButton()->isEnabled(), !rows.isEmpty());
    QCOMPARE(f.window->shoppingList()->addButton()->isEnabled(), !rows.isEmpty());

    // Clearing the search and both filters brings every product back.
    view->clearSearchButton()->click();
    if (fats)
        control<QAction>(f.window, "lofatcmd")->trigger();
    if (carbs)
        control<QAction>(f.window, "locarbcmd")->trigger();
    QCOMPARE(view->rowCount(), 6);
    QVERIFY(!control<QAction>(f.window, "lofatcmd")->isChecked() &&
            !control<QAction>(f.window, "locarbcmd")->isChecked());
}

void ProductViewTest::categories() {
    MainWindowFixture f;
    f.folder.write("grocery.dat", productFile({{"Milk", "Dairy"},
                                               {"Bread", "Bakery"},
                                               {"Cream", "dairy"},
                                               {"Cheese", " Dairy "},
                                               {"Rolls", "Bakery"},
                                               {"Gum", ""}}));
    f.load();
    ProductView* view = f.window->productView();
    QStringList categories;
    for (int row = 0; row < view->categoryList()->count(); ++row)
        categories << view->categoryList()->item(row)->text();
    QCOMPARE(categories, QStringList({"All", "Bakery", "Dairy", "dairy"}));

    view->categoryList()->setCurrentRow(3);
    // A new product starts in the category chosen.
    auto* entry = f.window->findChild<ProductEntryDialog*>("pantadd");
    entry->openToAdd();
    QCOMPARE(entry->findChild<QComboBox*>("Combo1")->currentText(), QStringLiteral("dairy"));
    entry->hide();
    QCOMPARE(rowsOf(view), QStringList({"Cheese", "Cream", "Milk"}));
    QCOMPARE(view->productFrame()->title(), QStringLiteral("DAIRY (3)"));
    QVERIFY(view->allButton()->isEnabled());
    QCOMPARE(view->selectedRows(), QList<int>({0}));

    view->allButton()->click();
    QCOMPARE(view->productFrame()->title(), QStringLiteral("Product List (6)"));
    QCOMPARE(view->categoryList()->currentRow(), 0);
    QVERIFY(!view->allButton()->isEnabled());
    QVERIFY(f.dialogs.shown().isEmpty());
}

void ProductViewTest::categoryThatHasGoneEmpty() {
    MainWindowFixture f;
    f.folder.write("grocery.dat", productFile({{"Milk", "Dairy"}, {"Bread", "Bakery"}}));
    f.load();
    ProductView* view = f.window->productView();
    // The last bakery product goes while the category is still listed.
    Record milk(ProductRecord::Length, productBytes("Milk", "1.00", "Dairy"));
    QVERIFY(f.session->files().file(ProductChannel)->rewrite({milk}));
    f.dialogs.expectMessage("Empty category.  List updated.");
    view->categoryList()->setCurrentRow(1);
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.dialogs.shown().constFirst().message.title, QStringLiteral("Pantrex"));
    QCOMPARE(view->categoryList()->count(), 2);
    QCOMPARE(rowsOf(view), QStringList({"Milk"}));
    QCOMPARE(view->productFrame()->title(), QStringLiteral("Product List (1)"));
}

void ProductViewTest::clickShowsPriceAndSelection() {
    MainWindowFixture f;
    f.folder.write("grocery.dat", productFile({{"Milk", "Dairy", false, false, "2.49"},
                                               {"Bread", "Bakery", false, false, ".99"},
                                               {"Eggs", "Dairy", false, false, "12.00"}}));
    f.load();
    ProductView* view = f.window->productView();
    view->productList()->setCurrentIndex(view->productList()->model()->index(2, 0));
    QCOMPARE(view->priceLabel()->text(), QStringLiteral("2.49  "));
    QCOMPARE(view->selectedLabel()->text(), QStringLiteral(" 1 selected"));
    view->productList()->selectAll();
    QCOMPARE(view->selectedLabel()->text(), QStringLiteral(" 3 selected"));
    view->productList()->clearSelection();
    QCOMPARE(view->selectedLabel()->text(), QString());
}

void ProductViewTest::oddBytesAreShownNotRewritten() {
    MainWindowFixture f;
    QByteArray bytes = productFile({{"Caf\xe9 cr\xe8me", "Drinks", false, false, "abc"},
                                    {QByteArray("Nul\0led", 7), "Odd", false, false, QByteArray("\0\0\0\0\0\0", 6)}});
    bytes += QByteArray("a partial record");
    f.folder.write("grocery.dat", bytes);
    f.load();
    ProductView* view = f.window->productView();
    QCOMPARE(rowsOf(view), QStringList({QStringLiteral("Caf\u00e9 cr\u00e8me"), QStringLiteral("Nul")}));
    QCOMPARE(view->priceLabel()->text(), QStringLiteral("abc   "));
    QTest::keyClicks(view->searchEdit(), QStringLiteral("CAF\u00c9"));
    QCOMPARE(view->rowCount(), 1);
    QCOMPARE(f.folder.read("grocery.dat"), bytes);
}

QTEST_MAIN(ProductViewTest)
#include "test_productview.moc"
