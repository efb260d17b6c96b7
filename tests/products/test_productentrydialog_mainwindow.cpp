// SPDX-License-Identifier: MIT
// The product entry dialog beside the real main window: the main window shows what the dialog saved.
#include "mainwindow/mainwindowfixture.h"

#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/hoverbutton.h"
#include "products/productentrydialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QTest>

using namespace pantrex;
using namespace pantrex::testing;
using Answer = Dialogs::Answer;

class ProductEntryDialogMainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void savedProductAppearsInTheMainWindow();
};

void ProductEntryDialogMainWindowTest::savedProductAppearsInTheMainWindow() {
    MainWindowFixture fixture;
    fixture.folder.write(QStringLiteral("grocery.dat"), productBytes("Bread", "1.50", "Bakery"));
    fixture.load();
    QVERIFY(QTest::qWaitForWindowActive(fixture.window.get()));
    ProductView* view = fixture.window->productView();
    QCOMPARE(view->productList()->model()->rowCount(), 1);

    QTest::mouseClick(view->newButton(), Qt::LeftButton);
    auto& dialog = *fixture.window->findChild<ProductEntryDialog*>(QStringLiteral("pantadd"));
    QTRY_COMPARE(QApplication::activeWindow(), &dialog);
    dialog.findChild<QLineEdit*>("itemtxt")->setText(QStringLiteral("Milk"));
    dialog.findChild<QLineEdit*>("pricetxt")->setText(QStringLiteral("1.00"));
    fixture.dialogs.expectMessage(QStringLiteral("Add this item to your Shopping List now?"), Answer::Yes);
    fixture.dialogs.expectInput(QStringLiteral("Enter a quantity for Milk."), QStringLiteral("2"));
    QTest::mouseClick(dialog.findChild<QWidget*>("savecmd"), Qt::LeftButton);

    QTRY_COMPARE(QApplication::activeWindow(), fixture.window.get());
    QTRY_COMPARE(view->productList()->model()->rowCount(), 2);
    QCOMPARE(fixture.window->shoppingList()->rowsView()->model()->rowCount(), 1);
    QVERIFY(fixture.dialogs.done());
}

QTEST_MAIN(ProductEntryDialogMainWindowTest)
#include "test_productentrydialog_mainwindow.moc"
