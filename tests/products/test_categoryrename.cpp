// SPDX-License-Identifier: MIT
// Renaming a category from the product entry dialog: the questions, the boxes and the dialog
// afterwards (the matching rules are the core's, tested there).
#include "productsfixture.h"

#include "platform/hoverbutton.h"
#include "products/productentrydialog.h"
#include "support/permissions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>

using namespace pantrex;
using namespace pantrex::testing;
using namespace pantrex::testing::dairy;
using Answer = Dialogs::Answer;

class CategoryRenameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void renamesInBothFiles();
    void refusalsWriteNothing_data();
    void refusalsWriteNothing();
    void otherEditsWaitForASave();
    void returnWithNoSaveAfterARenameRefreshes();
    void readOnlyShoppingList();

private:
    ProductEntryDialog& openToChange(qint64 recordNumber);
    void layDairy();

    std::unique_ptr<ProductsFixture> m_fixture;
    std::unique_ptr<ProductEntryDialog> m_dialog;
};

namespace {

const QString Prompt = QStringLiteral("Type a name to replace Dairy");
const QString Question = QStringLiteral("Change all Dairy records to Dairy Products?");

} // namespace

void CategoryRenameTest::init() {
    m_fixture = std::make_unique<ProductsFixture>();
}

void CategoryRenameTest::cleanup() {
    QVERIFY2(m_fixture->dialogs.done(), "a scripted box was not shown");
    m_dialog.reset();
    m_fixture.reset();
}

ProductEntryDialog& CategoryRenameTest::openToChange(qint64 recordNumber) {
    m_dialog = std::make_unique<ProductEntryDialog>(*m_fixture->session, m_fixture->dialogs, nullptr);
    m_dialog->openToChange(recordNumber);
    return *m_dialog;
}

void CategoryRenameTest::layDairy() {
    m_fixture->open(dairy::Products, dairy::Shopping);
}

void CategoryRenameTest::renamesInBothFiles() {
    layDairy();
    ProductEntryDialog& dialog = openToChange(1);
    QCOMPARE(entryControls(dialog).Combo1->currentText(), QStringLiteral("Dairy"));
    m_fixture->dialogs.expectInput(Prompt, QStringLiteral("dairy products"));
    m_fixture->dialogs.expectMessage(Question, Answer::Ok);
    m_fixture->dialogs.expectMessage(QStringLiteral("Category changed"));
    QTest::mouseClick(entryControls(dialog).categorycmd, Qt::LeftButton);

    const Dialogs::Input& input = m_fixture->dialogs.shown().at(0).input;
    QCOMPARE(input.title, QStringLiteral("Pantrex"));
    QCOMPARE(input.defaultText, QStringLiteral("Dairy"));
    const Dialogs::Message& question = m_fixture->dialogs.shown().at(1).message;
    QCOMPARE(question.title, QStringLiteral("Confirm..."));
    QCOMPARE(question.buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(question.icon, Dialogs::Icon::Question);
    const Dialogs::Message& done = m_fixture->lastBox().message;
    QCOMPARE(done.title, QString());
    QCOMPARE(done.buttons, Dialogs::Buttons::Ok);
    QCOMPARE(done.icon, Dialogs::Icon::None);

    // Both files are renamed (which records match is the core's, tested there).
    QCOMPARE(m_fixture->product(1), withCategory(Milk, 121, "Dairy Products"));
    QCOMPARE(m_fixture->shopping().left(ShoppingRecord::Length), withCategory(MilkLine, 49, "Dairy Products"));

    QStringList entries;
    for (int i = 0; i < entryControls(dialog).Combo1->count(); ++i)
        entries << entryControls(dialog).Combo1->itemText(i);
    QCOMPARE(entries, QStringList({"Bakery", "DAIRY", "Dairy Products"}));
    QCOMPARE(entryControls(dialog).Combo1->currentText(), QStringLiteral("Dairy Products"));
    QVERIFY(dialog.isVisible());
    // The next product starts in the renamed category.
    dialog.openToAdd();
    QCOMPARE(entryControls(dialog).Combo1->currentText(), QStringLiteral("Dairy Products"));
}

void CategoryRenameTest::refusalsWriteNothing_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("asked");
    QTest::newRow("empty or cancelled") << "" << false;
    QTest::newRow("blanks") << "   " << false;
    QTest::newRow("same name") << "Dairy" << false;
    QTest::newRow("not confirmed") << "dairy products" << true;
}

void CategoryRenameTest::refusalsWriteNothing() {
    QFETCH(QString, answer);
    QFETCH(bool, asked);
    layDairy();
    ProductEntryDialog& dialog = openToChange(1);
    m_fixture->dialogs.expectInput(Prompt, answer);
    if (asked)
        m_fixture->dialogs.expectMessage(Question, Answer::Cancel);
    QTest::mouseClick(entryControls(dialog).categorycmd, Qt::LeftButton);
    QCOMPARE(m_fixture->products(), dairy::Products.join());
    QCOMPARE(m_fixture->shopping(), dairy::Shopping.join());
    QCOMPARE(entryControls(dialog).Combo1->currentText(), QStringLiteral("Dairy"));
}

void CategoryRenameTest::otherEditsWaitForASave() {
    layDairy();
    ProductEntryDialog& dialog = openToChange(1);
    entryControls(dialog).pricetxt->setText(QStringLiteral("9.99"));
    m_fixture->dialogs.expectInput(Prompt, QStringLiteral("Dairy Products"));
    m_fixture->dialogs.expectMessage(Question, Answer::Ok);
    m_fixture->dialogs.expectMessage(QStringLiteral("Category changed"));
    QTest::mouseClick(entryControls(dialog).categorycmd, Qt::LeftButton);
    QCOMPARE(m_fixture->product(1), withCategory(Milk, 121, "Dairy Products"));
    QCOMPARE(entryControls(dialog).pricetxt->text(), QStringLiteral("9.99"));

    // Renaming the product's own category does not stop the change from being saved.
    QTest::mouseClick(entryControls(dialog).savecmd, Qt::LeftButton);
    QCOMPARE(m_fixture->product(1), productBytes("Milk", "9.99", "Dairy Products", "1", " "));
    QCOMPARE(m_fixture->product(4), withCategory(Yogurt, 121, "Dairy Products"));
}

// The renamed records are in the files at once; the main window must show them.
void CategoryRenameTest::returnWithNoSaveAfterARenameRefreshes() {
    layDairy();
    ProductEntryDialog& dialog = openToChange(3);
    QSignalSpy saved(&dialog, &ProductEntryDialog::productSaved);
    QCOMPARE(entryControls(dialog).Combo1->currentText(), QStringLiteral("Bakery"));
    m_fixture->dialogs.expectInput(QStringLiteral("Type a name to replace Bakery"), QStringLiteral("Bread"));
    m_fixture->dialogs.expectMessage(QStringLiteral("Change all Bakery records to Bread?"), Answer::Ok);
    m_fixture->dialogs.expectMessage(QStringLiteral("Category changed"));
    QTest::mouseClick(entryControls(dialog).categorycmd, Qt::LeftButton);
    QCOMPARE(saved.count(), 1);
    QTest::mouseClick(entryControls(dialog).quitcmd, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_fixture->product(3), withCategory(Bread, 121, "Bread"));
}

void CategoryRenameTest::readOnlyShoppingList() {
    PermissionsEnforced enforced;
    m_fixture->lay(dairy::Products, dairy::Shopping);
    m_fixture->makeReadOnly(m_fixture->shoppingFile);
    m_fixture->openChannels();
    ProductEntryDialog& dialog = openToChange(1);
    QSignalSpy saved(&dialog, &ProductEntryDialog::productSaved);
    m_fixture->dialogs.expectInput(Prompt, QStringLiteral("dairy products"));
    m_fixture->dialogs.expectMessage(Question, Answer::Ok);
    m_fixture->dialogs.expectMessage(QStringLiteral("Could not save grocery.lst: the file is read-only"));
    QTest::mouseClick(entryControls(dialog).categorycmd, Qt::LeftButton);
    QCOMPARE(m_fixture->lastBox().message.icon, Dialogs::Icon::Critical);
    QCOMPARE(entryControls(dialog).Combo1->currentText(), QStringLiteral("Dairy"));
    // Nothing was written, so the main window has nothing new to show.
    QCOMPARE(saved.count(), 0);
}

QTEST_MAIN(CategoryRenameTest)
#include "test_categoryrename.moc"
