// SPDX-License-Identifier: MIT
// The product buttons of the main window: the entry dialog opens, and deleting goes through the view.
#include "mainwindowfixture.h"

#include "mainwindow/productview.h"
#include "platform/hoverbutton.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTest>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

const QString DefaultListWarning = QStringLiteral(
    "This is the default master list and is used for any shopping lists that do not have their own master list.  "
    "Deletions here may affect other lists, now and in the future.  Do you wish to proceed??");

} // namespace

class ProductButtonsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newAndEditOpenTheEntryDialog();
    void editNeedsCurrentProduct();
    void deletesSelectedProducts();
    void deletingEveryProductEmptiesTheView();
};

void ProductButtonsTest::newAndEditOpenTheEntryDialog() {
    MainWindowFixture f;
    f.folder.write("grocery.dat", productBytes("Tea", "2.00", "Drinks") + productBytes("Bread", "1.00", "Bakery"));
    f.load();
    ProductView* view = f.window->productView();
    auto* dialog = f.window->findChild<QDialog*>("pantadd");
    QVERIFY(dialog);
    view->setCurrentRow(1);
    view->newButton()->click();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Product List Entry"));
    QCOMPARE(dialog->findChild<QLineEdit*>("itemtxt")->text(), QString());
    QVERIFY(dialog->findChild<QWidget*>("categorycmd")->isHidden());
    dialog->hide();
    // The rows rebuilt after the dialog show the product that was current again.
    view->setCurrentRow(0);
    view->fillProductList();
    QCOMPARE(view->currentRow(), 1);

    view->setCurrentRow(1); // Tea, the first record
    view->editButton()->click();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->findChild<QLineEdit*>("itemtxt")->text(), QStringLiteral("Tea"));
    QVERIFY(!dialog->findChild<QWidget*>("categorycmd")->isHidden());
}

void ProductButtonsTest::editNeedsCurrentProduct() {
    MainWindowFixture f;
    f.folder.write("grocery.dat", productBytes("Tea"));
    f.load();
    ProductView* view = f.window->productView();
    view->productList()->setCurrentIndex(QModelIndex());
    f.dialogs.expectMessage("Select an item.");
    view->editButton()->click();
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.dialogs.shown().constFirst().message.title, QStringLiteral("Inventory"));
    QVERIFY(!f.window->findChild<QDialog*>("pantadd")->isVisible());

    // A current row that Ctrl+click has taken out of the selection is not a chosen product either.
    view->setCurrentRow(0);
    view->productList()->selectionModel()->select(view->productList()->currentIndex(), QItemSelectionModel::Deselect);
    f.dialogs.expectMessage("Select an item.");
    view->editButton()->click();
    QVERIFY(f.dialogs.done());
    QVERIFY(!f.window->findChild<QDialog*>("pantadd")->isVisible());
}

void ProductButtonsTest::deletesSelectedProducts() {
    MainWindowFixture f;
    const QByteArray tea = productBytes("Tea");
    const QByteArray milk = productBytes("Milk");
    const QByteArray bread = productBytes("Bread");
    f.folder.write("grocery.dat", tea + milk + bread);
    f.load();
    ProductView* view = f.window->productView();
    view->setCurrentRow(1); // Milk
    f.dialogs.expectMessage(DefaultListWarning, Dialogs::Answer::Yes);
    f.dialogs.expectMessage("Delete selected item(s)?", Dialogs::Answer::Yes);
    view->deleteButton()->click();
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.folder.read("grocery.dat"), tea + bread);
    QCOMPARE(view->rowCount(), 2);
    QCOMPARE(view->productFrame()->title(), QStringLiteral("Product List (2)"));
}

void ProductButtonsTest::deletingEveryProductEmptiesTheView() {
    MainWindowFixture f;
    f.folder.write("grocery.dat", productBytes("Tea"));
    f.load();
    ProductView* view = f.window->productView();
    f.dialogs.expectMessage(DefaultListWarning, Dialogs::Answer::Yes);
    f.dialogs.expectMessage("This will wipe out this ENTIRE master product list.  Is that what you want to do??",
                            Dialogs::Answer::Yes);
    f.dialogs.expectMessage("Delete selected item(s)?", Dialogs::Answer::Yes);
    view->deleteButton()->click();
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.folder.read("grocery.dat"), QByteArray());
    QCOMPARE(view->rowCount(), 0);
    QCOMPARE(view->priceLabel()->text(), QString());
}

QTEST_MAIN(ProductButtonsTest)
#include "test_productbuttons.moc"
