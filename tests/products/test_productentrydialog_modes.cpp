// SPDX-License-Identifier: MIT
// How the product entry dialog hands back to the main window: the mode it keeps while open, the
// main window told of what it wrote, the close box, and what it refuses to overwrite.
#include "productsfixture.h"

#include "platform/hoverbutton.h"
#include "products/deleteproducts.h"
#include "products/productentrydialog.h"
#include "support/permissions.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>

using namespace pantrex;
using namespace pantrex::testing;
using Answer = Dialogs::Answer;

namespace {

const QString OfferText = QStringLiteral("Add this item to your Shopping List now?");

// Stands in for the main window: it counts the times the dialog told it to show the files anew.
class MainWindowStandIn : public QWidget {
public:
    MainWindowStandIn() { resize(200, 100); }
    int refreshes = 0;
};

} // namespace

class ProductEntryDialogModesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void savedAfterGoingToTheMainWindow_data();
    void savedAfterGoingToTheMainWindow();
    void addAnotherAfterGoingToTheMainWindow();
    void returnWithNoSave_data();
    void returnWithNoSave();
    void returnAfterAddAnotherShowsTheNewProducts();
    void reopeningStartsAfresh();
    void productDeletedWhileOpenIsNotOverwritten();
    void readOnlyProductFile_data();
    void readOnlyProductFile();
    void readOnlyShoppingList();

private:
    ProductEntryDialog& openDialog();
    void activateMainWindow();
    void fill(const QString& name, const QString& price);

    std::unique_ptr<ProductsFixture> m_fixture;
    std::unique_ptr<MainWindowStandIn> m_main;
    ProductEntryDialog* m_dialog = nullptr;
};

void ProductEntryDialogModesTest::init() {
    m_fixture = std::make_unique<ProductsFixture>();
}

void ProductEntryDialogModesTest::cleanup() {
    QVERIFY2(m_fixture->dialogs.done(), "a scripted box was not shown");
    m_main.reset();
    m_dialog = nullptr;
    m_fixture.reset();
}

ProductEntryDialog& ProductEntryDialogModesTest::openDialog() {
    m_main = std::make_unique<MainWindowStandIn>();
    m_main->show();
    [&] { QVERIFY(QTest::qWaitForWindowActive(m_main.get())); }();
    m_dialog = new ProductEntryDialog(*m_fixture->session, m_fixture->dialogs, m_main.get());
    QObject::connect(m_dialog, &ProductEntryDialog::productSaved, m_main.get(), [this] { ++m_main->refreshes; });
    return *m_dialog;
}

// The user goes back to the main window while the dialog stays open.
void ProductEntryDialogModesTest::activateMainWindow() {
    // A window counts as active while its dialog is, so wait for the switch itself.
    m_main->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), m_main.get());
    m_dialog->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), m_dialog);
}

void ProductEntryDialogModesTest::fill(const QString& name, const QString& price) {
    entryControls(*m_dialog).itemtxt->setText(name);
    entryControls(*m_dialog).pricetxt->setText(price);
}

void ProductEntryDialogModesTest::savedAfterGoingToTheMainWindow_data() {
    QTest::addColumn<bool>("changing");
    QTest::newRow("adding") << false;
    QTest::newRow("changing") << true;
}

void ProductEntryDialogModesTest::savedAfterGoingToTheMainWindow() {
    QFETCH(bool, changing);
    const QByteArray bread = productBytes("Bread", "1.50", "Bakery");
    m_fixture->open({bread});
    ProductEntryDialog& dialog = openDialog();
    if (changing)
        dialog.openToChange(1);
    else
        dialog.openToAdd();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    activateMainWindow();
    QCOMPARE(m_main->refreshes, 0);
    QCOMPARE(dialog.mode(), changing ? ProductEntryDialog::Mode::Changing : ProductEntryDialog::Mode::Adding);

    fill(QStringLiteral("Rye Bread"), QStringLiteral("2.00"));
    if (!changing)
        m_fixture->dialogs.expectMessage(OfferText, Answer::No);
    QTest::mouseClick(entryControls(dialog).savecmd, Qt::LeftButton);
    const QByteArray rye = productBytes("Rye Bread", "2.00", changing ? "Bakery" : "Miscellaneous");
    QCOMPARE(m_fixture->products(), changing ? rye : bread + rye);
    QVERIFY(!dialog.isVisible());
    // The main window was told to show the files anew, and comes forward.
    QCOMPARE(m_main->refreshes, 1);
    QTRY_COMPARE(QApplication::activeWindow(), m_main.get());
}

void ProductEntryDialogModesTest::addAnotherAfterGoingToTheMainWindow() {
    m_fixture->open({});
    ProductEntryDialog& dialog = openDialog();
    dialog.openToAdd();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    activateMainWindow();
    fill(QStringLiteral("Milk"), QStringLiteral("1.00"));
    m_fixture->dialogs.expectMessage(OfferText, Answer::No);
    QTest::mouseClick(entryControls(dialog).addmorecmd, Qt::LeftButton);
    QCOMPARE(m_fixture->session->productCount(), 1);
    // The main window shows the new product while the dialog stays open.
    QCOMPARE(m_main->refreshes, 1);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.mode(), ProductEntryDialog::Mode::Adding);
}

void ProductEntryDialogModesTest::returnWithNoSave_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("changing");
    QTest::newRow("button, changing") << "button" << true;
    QTest::newRow("close box, adding") << "close box" << false;
    QTest::newRow("escape, adding") << "escape" << false;
}

void ProductEntryDialogModesTest::returnWithNoSave() {
    QFETCH(QString, way);
    QFETCH(bool, changing);
    const QByteArray bread = productBytes("Bread", "1.50", "Bakery");
    m_fixture->open({bread});
    ProductEntryDialog& dialog = openDialog();
    if (changing)
        dialog.openToChange(1);
    else
        dialog.openToAdd();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    fill(QStringLiteral("Milk"), QStringLiteral("9.00"));
    if (way == "button") {
        QTest::mouseClick(entryControls(dialog).quitcmd, Qt::LeftButton);
    } else if (way == "escape") {
        QTest::keyClick(entryControls(dialog).itemtxt, Qt::Key_Escape);
    } else {
        // The window system's close request, as from the title bar's close box.
        QCloseEvent close;
        QCoreApplication::sendEvent(dialog.windowHandle(), &close);
    }
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.mode(), ProductEntryDialog::Mode::Closed);
    QCOMPARE(m_fixture->products(), bread);
    QCOMPARE(m_main->refreshes, 0);
    // The dialog is hidden, not gone: it can be opened again.
    dialog.openToAdd();
    QVERIFY(dialog.isVisible());
    QCOMPARE(entryControls(dialog).itemtxt->text(), QString());
}

void ProductEntryDialogModesTest::returnAfterAddAnotherShowsTheNewProducts() {
    m_fixture->open({});
    ProductEntryDialog& dialog = openDialog();
    dialog.openToAdd();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    fill(QStringLiteral("Milk"), QStringLiteral("1.00"));
    m_fixture->dialogs.expectMessage(OfferText, Answer::No);
    QTest::mouseClick(entryControls(dialog).addmorecmd, Qt::LeftButton);
    QTest::mouseClick(entryControls(dialog).quitcmd, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_main->refreshes, 1);
    QTRY_COMPARE(QApplication::activeWindow(), m_main.get());
    QCOMPARE(m_fixture->products(), productBytes("Milk", "1.00", "Miscellaneous"));
}

void ProductEntryDialogModesTest::reopeningStartsAfresh() {
    m_fixture->open({productBytes("Butter", "3.00", "Dairy", "1", "1")});
    ProductEntryDialog& dialog = openDialog();
    dialog.openToAdd();
    fill(QStringLiteral("Milk"), QStringLiteral("1.00"));
    entryControls(dialog).fatchk->setChecked(true);
    dialog.openToChange(1);
    QCOMPARE(entryControls(dialog).itemtxt->text(), QStringLiteral("Butter"));
    QVERIFY(entryControls(dialog).carbchk->isChecked());
    QVERIFY(!entryControls(dialog).categorycmd->isHidden());
    QCOMPARE(dialog.mode(), ProductEntryDialog::Mode::Changing);
    dialog.openToAdd();
    QCOMPARE(dialog.mode(), ProductEntryDialog::Mode::Adding);
    QCOMPARE(entryControls(dialog).itemtxt->text(), QString());
    QCOMPARE(entryControls(dialog).pricetxt->text(), QString());
    QVERIFY(!entryControls(dialog).fatchk->isChecked());
    QVERIFY(!entryControls(dialog).carbchk->isChecked());
    QVERIFY(entryControls(dialog).categorycmd->isHidden());
    // The product last opened for change made its category the current one.
    QCOMPARE(entryControls(dialog).Combo1->currentText(), QStringLiteral("Dairy"));

    // A category typed last time is gone when the list has none to offer.
    entryControls(dialog).Combo1->setEditText(QStringLiteral("Frozen"));
    m_fixture->session->files().file(ProductChannel)->close();
    m_fixture->folder.write(m_fixture->productFile, QByteArray());
    QVERIFY(m_fixture->session->files().open(ProductChannel, m_fixture->productFile, ProductRecord::Length));
    dialog.openToAdd();
    QCOMPARE(entryControls(dialog).Combo1->count(), 0);
    QCOMPARE(entryControls(dialog).Combo1->currentText(), QString());
}

// The dialog is modeless: products can be deleted in the main window while one is being changed.
// Saving must not then write over whatever product moved into its place (what stays on disk is the
// core's, tested in tests/core/test_productoperations.cpp).
void ProductEntryDialogModesTest::productDeletedWhileOpenIsNotOverwritten() {
    m_fixture->productFile = QStringLiteral("shop.dat");
    m_fixture->open({productBytes("Bread", "1.50", "Bakery"), productBytes("Milk", "1.00", "Dairy"),
                     productBytes("Soap", "2.00", "Household")});
    ProductEntryDialog& dialog = openDialog();
    dialog.openToChange(2);
    m_fixture->dialogs.expectMessage(QStringLiteral("Delete selected item(s)?"), Answer::Yes);
    QCOMPARE(deleteProducts(*m_fixture->session, m_fixture->dialogs, {1}, m_fixture->products()),
             DeletionOutcome::ProductsLeft);

    entryControls(dialog).pricetxt->setText(QStringLiteral("1.10"));
    m_fixture->dialogs.expectMessage(QStringLiteral("This product was changed or deleted in the product list while it "
                                                    "was open here, so it was not saved.  Return and open it again to "
                                                    "make your changes."));
    QTest::mouseClick(entryControls(dialog).savecmd, Qt::LeftButton);
    QCOMPARE(m_fixture->lastBox().message.title, QStringLiteral("Error"));
    QVERIFY(dialog.isVisible());
}

void ProductEntryDialogModesTest::readOnlyProductFile_data() {
    QTest::addColumn<bool>("sinceOpening");
    QTest::addColumn<bool>("changing");
    QTest::newRow("read-only when opened") << false << false;
    QTest::newRow("marked read-only while open") << true << false;
    QTest::newRow("marked read-only while changing") << true << true;
}

void ProductEntryDialogModesTest::readOnlyProductFile() {
    QFETCH(bool, sinceOpening);
    QFETCH(bool, changing);
    const QByteArray bread = productBytes("Bread", "1.50", "Bakery");
    PermissionsEnforced enforced;
    m_fixture->lay({bread});
    if (!sinceOpening)
        m_fixture->makeReadOnly(m_fixture->productFile);
    m_fixture->openChannels();
    ProductEntryDialog& dialog = openDialog();
    if (changing)
        dialog.openToChange(1);
    else
        dialog.openToAdd();
    if (sinceOpening)
        m_fixture->makeReadOnly(m_fixture->productFile);
    fill(QStringLiteral("Milk"), QStringLiteral("1.00"));
    m_fixture->dialogs.expectMessage(QStringLiteral("Could not write to grocery.dat: the file is read-only"));
    QTest::mouseClick(entryControls(dialog).savecmd, Qt::LeftButton);
    QCOMPARE(m_fixture->lastBox().message.icon, Dialogs::Icon::Critical);
    QCOMPARE(m_fixture->products(), bread);
    QCOMPARE(m_fixture->session->productCount(), 1);
    QVERIFY(dialog.isVisible());
    QCOMPARE(entryControls(dialog).itemtxt->text(), QStringLiteral("Milk"));
}

void ProductEntryDialogModesTest::readOnlyShoppingList() {
    const QByteArray eggs = shoppingBytes("Eggs", "2.00", "1", "Dairy");
    PermissionsEnforced enforced;
    m_fixture->lay({}, {eggs});
    m_fixture->makeReadOnly(m_fixture->shoppingFile);
    m_fixture->openChannels();
    ProductEntryDialog& dialog = openDialog();
    dialog.openToAdd();
    fill(QStringLiteral("Milk"), QStringLiteral("1.00"));
    m_fixture->dialogs.expectMessage(OfferText, Answer::Yes);
    m_fixture->dialogs.expectInput(QStringLiteral("Enter a quantity for Milk."), QStringLiteral("2"));
    m_fixture->dialogs.expectMessage(QStringLiteral("Could not write to grocery.lst: the file is read-only"));
    QTest::mouseClick(entryControls(dialog).savecmd, Qt::LeftButton);
    // The product is saved; only the shopping list line could not be.
    QCOMPARE(m_fixture->products(), productBytes("Milk", "1.00", "Miscellaneous"));
    QCOMPARE(m_fixture->shopping(), eggs);
    QCOMPARE(m_fixture->session->shoppingCount(), 1);
}

QTEST_MAIN(ProductEntryDialogModesTest)
#include "test_productentrydialog_modes.moc"
