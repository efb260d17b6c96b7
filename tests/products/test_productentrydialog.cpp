// SPDX-License-Identifier: MIT
// The product entry dialog as the user meets it: its controls, the checks on what is typed, and
// what lands in the product list and shopping list when a product is saved.
#include "productsfixture.h"

#include "platform/hoverbutton.h"
#include "products/productentrydialog.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace pantrex;
using namespace pantrex::testing;
using Answer = Dialogs::Answer;

namespace {

const QString OfferText = QStringLiteral("Add this item to your Shopping List now?");

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// Types character by character, as from a keyboard that has every character.
void type(QWidget* field, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Types into a field and leaves it with Tab, as a user moving on to the next field.
void typeAndLeave(QWidget* field, const QString& text) {
    field->setFocus(Qt::OtherFocusReason);
    type(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

} // namespace

class ProductEntryDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void controls_data();
    void controls();
    void openToAddWithoutCurrentCategory();
    void openToAddWithCurrentCategory();
    void pickingACategoryEnablesSaving();
    void storedPriceTheCheckRefusesIsNotSavedAgain();
    void priceCheckOnLeaving_data();
    void priceCheckOnLeaving();
    void refusedPriceIsNotSavedFromTheBox();
    void namesAreCapitalisedOnLeaving();
    void typedCategoryStaysAsTyped_data();
    void typedCategoryStaysAsTyped();
    void savedRecordByteByByte();
    void widthsCutAndForeignCharacters();
    void missingData_data();
    void missingData();
    void addAnotherWithYesAndEmptyQuantity();
    void quantityThatIsNotANumberIsAskedAgain();
    void changingRewritesOnlyItsRecord();
    void changingBlankCategoryKeepsCurrentCategory_data();
    void changingBlankCategoryKeepsCurrentCategory();

private:
    ProductEntryDialog& openDialog();

    std::unique_ptr<ProductsFixture> m_fixture;
    std::unique_ptr<ProductEntryDialog> m_dialog;
};

void ProductEntryDialogTest::init() {
    m_fixture = std::make_unique<ProductsFixture>();
}

void ProductEntryDialogTest::cleanup() {
    if (m_fixture)
        QVERIFY2(m_fixture->dialogs.done(), "a scripted box was not shown");
    m_dialog.reset();
    m_fixture.reset();
}

ProductEntryDialog& ProductEntryDialogTest::openDialog() {
    m_dialog = std::make_unique<ProductEntryDialog>(*m_fixture->session, m_fixture->dialogs, nullptr);
    return *m_dialog;
}

namespace {

// A control by its name: its caption and, when not the same, its accessible name.
void addControl(const char* objectName, const QString& caption, const QString& accessible = QString()) {
    QTest::newRow(objectName) << caption << (accessible.isNull() ? caption : accessible);
}

} // namespace

void ProductEntryDialogTest::controls_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("accessible");
    const QString category = QStringLiteral("Category to which this item belongs: (Select a category or type the       "
                                            "name of a new one)");
    addControl("Label1", QStringLiteral("Enter Item Name and Size "));
    addControl("itemtxt", QString(), QStringLiteral("Enter Item Name and Size"));
    addControl("Label3", QStringLiteral("Enter the Price: "));
    addControl("pricetxt", QString(), QStringLiteral("Enter the Price:"));
    addControl("Label2", category);
    addControl("Combo1", QString(), category.simplified());
    addControl("Label4", QStringLiteral("Mark this as a....."));
    addControl("fatchk", QStringLiteral("High-Fat item"));
    addControl("carbchk", QStringLiteral("High-Carb item"));
    addControl("savecmd", QStringLiteral("Save and return"));
    addControl("addmorecmd", QStringLiteral("Save / Add another"));
    addControl("quitcmd", QStringLiteral("Return with no save"));
    addControl("categorycmd", QStringLiteral("Click here to change this category name"));
}

void ProductEntryDialogTest::controls() {
    QFETCH(QString, caption);
    QFETCH(QString, accessible);
    const QString objectName = QString::fromLatin1(QTest::currentDataTag());
    m_fixture->open({});
    ProductEntryDialog& dialog = openDialog();
    QCOMPARE(dialog.objectName(), QStringLiteral("pantadd"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Product List Entry"));
    QVERIFY(!dialog.isModal());
    auto* widget = dialog.findChild<QWidget*>(objectName);
    QVERIFY2(widget, qPrintable(objectName));
    if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        QCOMPARE(button->text(), caption);
    QCOMPARE(accessibleName(widget), accessible);
    QVERIFY(dialog.findChild<QWidget*>(QStringLiteral("Panel3D1"))->isAncestorOf(entryControls(dialog).savecmd));
}

void ProductEntryDialogTest::openToAddWithoutCurrentCategory() {
    m_fixture->open({productBytes("Milk", "1.00", "dairy"), productBytes("Soap", "2.00", ""),
                     productBytes("Cheese", "3.00", "Dairy"), productBytes("Brie", "4.00", "Dairy"),
                     productBytes("Bread", "1.50", "Bakery")});
    ProductEntryDialog& dialog = openDialog();
    dialog.openToAdd();
    QCOMPARE(dialog.mode(), ProductEntryDialog::Mode::Adding);
    QVERIFY(dialog.isVisible());
    QVERIFY(entryControls(dialog).categorycmd->isHidden());
    QCOMPARE(entryControls(dialog).Combo1->currentText(), QString());
    const QStringList entries = {"", "Bakery", "Dairy", "dairy"};
    QStringList shown;
    for (int i = 0; i < entryControls(dialog).Combo1->count(); ++i)
        shown << entryControls(dialog).Combo1->itemText(i);
    QCOMPARE(shown, entries);
    QVERIFY(!entryControls(dialog).savecmd->isEnabled());
    QVERIFY(!entryControls(dialog).addmorecmd->isEnabled());
    QCOMPARE(m_fixture->products().size(), 5 * ProductRecord::Length);
}

void ProductEntryDialogTest::openToAddWithCurrentCategory() {
    m_fixture->open({productBytes("Milk", "1.00", "Dairy"), productBytes("Bread", "1.50", "Bakery")});
    ProductEntryDialog& dialog = openDialog();
    dialog.setChosenCategory("Dairy");
    dialog.openToAdd();
    QCOMPARE(entryControls(dialog).Combo1->currentText(), QStringLiteral("Dairy"));
    QVERIFY(entryControls(dialog).savecmd->isEnabled());
    QVERIFY(entryControls(dialog).addmorecmd->isEnabled());
}

void ProductEntryDialogTest::pickingACategoryEnablesSaving() {
    m_fixture->open({productBytes("Milk", "1.00", "Dairy"), productBytes("Bread", "1.50", "Bakery")});
    ProductEntryDialog& dialog = openDialog();
    dialog.openToAdd();
    QVERIFY(!entryControls(dialog).savecmd->isEnabled());
    QTest::keyClick(entryControls(dialog).Combo1, Qt::Key_Down);
    QCOMPARE(entryControls(dialog).Combo1->currentText(), QStringLiteral("Bakery"));
    QVERIFY(entryControls(dialog).savecmd->isEnabled());
    QVERIFY(entryControls(dialog).addmorecmd->isEnabled());
}

// A price in the file that the check would refuse (written by another program) must be corrected
// before the product is saved again.
void ProductEntryDialogTest::storedPriceTheCheckRefusesIsNotSavedAgain() {
    const QByteArray milk = productBytes("Milk", "1,50", "Dairy");
    m_fixture->open({milk});
    ProductEntryDialog& dialog = openDialog();
    dialog.openToChange(1);
    QCOMPARE(entryControls(dialog).pricetxt->text(), QStringLiteral("1,50"));
    m_fixture->dialogs.expectMessage(QStringLiteral("Bad entry."));
    QTest::mouseClick(entryControls(dialog).savecmd, Qt::LeftButton);
    QCOMPARE(m_fixture->products(), milk);
    QVERIFY(dialog.isVisible());
}

void ProductEntryDialogTest::priceCheckOnLeaving_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("refused");
    // What is accepted and how it is shown is the core's (tests/core/test_entrytext.cpp).
    QTest::newRow("accepted, shown as a price") << "5"
                                                << "5.00" << false;
    QTest::newRow("refused") << "abc"
                             << "abc" << true;
    QTest::newRow("empty") << ""
                           << "" << false;
}

void ProductEntryDialogTest::priceCheckOnLeaving() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, refused);
    m_fixture->open({});
    ProductEntryDialog& dialog = openDialog();
    dialog.openToAdd();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    if (refused)
        m_fixture->dialogs.expectMessage(QStringLiteral("Bad entry."));
    typeAndLeave(entryControls(dialog).pricetxt, typed);
    QCOMPARE(entryControls(dialog).pricetxt->text(), shown);
    if (refused) {
        QCOMPARE(m_fixture->lastBox().message.title, QStringLiteral("Error"));
        QCOMPARE(m_fixture->lastBox().message.buttons, Dialogs::Buttons::Ok);
        QCOMPARE(m_fixture->lastBox().message.icon, Dialogs::Icon::None);
        QCOMPARE(dialog.focusWidget(), entryControls(dialog).pricetxt);
    } else {
        QVERIFY(m_fixture->dialogs.shown().isEmpty());
    }
}

// A click on a save button while the refused price is still in its box does not store it.
void ProductEntryDialogTest::refusedPriceIsNotSavedFromTheBox() {
    m_fixture->open({});
    ProductEntryDialog& dialog = openDialog();
    dialog.openToAdd();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    typeAndLeave(entryControls(dialog).itemtxt, QStringLiteral("milk"));
    entryControls(dialog).pricetxt->setFocus(Qt::OtherFocusReason);
    type(entryControls(dialog).pricetxt, QStringLiteral("2,49"));
    m_fixture->dialogs.expectMessage(QStringLiteral("Bad entry."));
    QTest::mouseClick(entryControls(dialog).savecmd, Qt::LeftButton);
    QCOMPARE(m_fixture->products(), QByteArray());
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget(), entryControls(dialog).pricetxt);
}

void ProductEntryDialogTest::namesAreCapitalisedOnLeaving() {
    m_fixture->open({});
    ProductEntryDialog& dialog = openDialog();
    dialog.openToAdd();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    typeAndLeave(entryControls(dialog).itemtxt, QStringLiteral("  low fat MILK  "));
    QCOMPARE(entryControls(dialog).itemtxt->text(), QStringLiteral("Low Fat MILK"));
    entryControls(dialog).Combo1->setFocus(Qt::OtherFocusReason);
    type(entryControls(dialog).Combo1->lineEdit(), QStringLiteral(" frozen foods "));
    QTest::keyClick(entryControls(dialog).Combo1, Qt::Key_Tab);
    QCOMPARE(entryControls(dialog).Combo1->currentText(), QStringLiteral(" Frozen Foods "));
}

void ProductEntryDialogTest::typedCategoryStaysAsTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("start of a longer category") << "Fish";
    QTest::newRow("another case of a category") << "Dairy";
}

void ProductEntryDialogTest::typedCategoryStaysAsTyped() {
    QFETCH(QString, typed);
    m_fixture->open({productBytes("Cod", "4.00", "Fish Sticks"), productBytes("Milk", "1.00", "dairy")});
    ProductEntryDialog& dialog = openDialog();
    dialog.openToAdd();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    entryControls(dialog).Combo1->setFocus(Qt::OtherFocusReason);
    entryControls(dialog).Combo1->lineEdit()->clear();
    type(entryControls(dialog).Combo1->lineEdit(), typed);
    QTest::keyClick(entryControls(dialog).Combo1, Qt::Key_Tab);
    QCOMPARE(entryControls(dialog).Combo1->currentText(), typed);
}

void ProductEntryDialogTest::savedRecordByteByByte() {
    const QByteArray old = productBytes("Bread", "1.50", "Bakery", " ", "1", "reserved", "imported");
    m_fixture->open({old});
    ProductEntryDialog& dialog = openDialog();
    dialog.openToAdd();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    typeAndLeave(entryControls(dialog).itemtxt, QStringLiteral("low fat milk"));
    QVERIFY(entryControls(dialog).savecmd->isEnabled());
    QVERIFY(entryControls(dialog).addmorecmd->isEnabled());
    typeAndLeave(entryControls(dialog).pricetxt, QStringLiteral("2.5"));
    entryControls(dialog).Combo1->setFocus(Qt::OtherFocusReason);
    type(entryControls(dialog).Combo1->lineEdit(), QStringLiteral("frozen foods"));
    entryControls(dialog).fatchk->setChecked(true);
    m_fixture->dialogs.expectMessage(OfferText, Answer::No);
    QTest::mouseClick(entryControls(dialog).savecmd, Qt::LeftButton);

    const Dialogs::Message& offer = m_fixture->lastBox().message;
    QCOMPARE(offer.title, QString());
    QCOMPARE(offer.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(offer.icon, Dialogs::Icon::Question);
    QCOMPARE(offer.defaultButton, 1);

    QCOMPARE(m_fixture->products(), old + productBytes("Low Fat Milk", "2.50", "Frozen Foods", "1", " "));
    QCOMPARE(m_fixture->session->productCount(), 2);
    QCOMPARE(m_fixture->shopping(), QByteArray());
    QVERIFY(!dialog.isVisible());
}

void ProductEntryDialogTest::widthsCutAndForeignCharacters() {
    m_fixture->open({});
    ProductEntryDialog& dialog = openDialog();
    dialog.openToAdd();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // The name box takes 30 characters; a Greek letter has no place in the files and becomes "?".
    typeAndLeave(entryControls(dialog).itemtxt, QStringLiteral("\u03a9mega caf\u00e9 beans in a very large tin"));
    QCOMPARE(entryControls(dialog).itemtxt->text().size(), 30);
    typeAndLeave(entryControls(dialog).pricetxt, QStringLiteral("1234"));
    QCOMPARE(entryControls(dialog).pricetxt->text(), QStringLiteral("1234.00"));
    entryControls(dialog).Combo1->setEditText(QStringLiteral("Canned And Preserved Vegetables"));
    m_fixture->dialogs.expectMessage(OfferText, Answer::No);
    QTest::mouseClick(entryControls(dialog).savecmd, Qt::LeftButton);
    QCOMPARE(m_fixture->product(1),
             productBytes("?mega Caf\xe9 Beans In A Very Lar", "1234.0", "Canned And Preserved Vege"));
}

void ProductEntryDialogTest::missingData_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("price");
    QTest::addColumn<bool>("addAnother");
    QTest::newRow("no name") << ""
                             << "1.00" << false;
    QTest::newRow("blank name") << "   "
                                << "1.00" << true;
    QTest::newRow("no price") << "Milk"
                              << "" << false;
    QTest::newRow("no price, add another") << "Milk"
                                           << "" << true;
}

void ProductEntryDialogTest::missingData() {
    QFETCH(QString, name);
    QFETCH(QString, price);
    QFETCH(bool, addAnother);
    const QByteArray old = productBytes("Bread", "1.50", "Bakery");
    m_fixture->open({old});
    ProductEntryDialog& dialog = openDialog();
    dialog.openToAdd();
    entryControls(dialog).itemtxt->setText(name);
    entryControls(dialog).pricetxt->setText(price);
    m_fixture->dialogs.expectMessage(QStringLiteral("Missing data.  Each box must be filled."));
    QTest::mouseClick(addAnother ? entryControls(dialog).addmorecmd : entryControls(dialog).savecmd, Qt::LeftButton);
    QCOMPARE(m_fixture->lastBox().message.title, QStringLiteral("Error"));
    QCOMPARE(m_fixture->lastBox().message.icon, Dialogs::Icon::None);
    QCOMPARE(m_fixture->products(), old);
    QCOMPARE(m_fixture->session->productCount(), 1);
    QVERIFY(dialog.isVisible());
}

void ProductEntryDialogTest::addAnotherWithYesAndEmptyQuantity() {
    m_fixture->open({}, {shoppingBytes("Eggs", "2.00", "1", "Dairy")});
    m_fixture->folder.write(QStringLiteral("extra"), QByteArray());
    ProductEntryDialog& dialog = openDialog();
    dialog.setChosenCategory("Dairy");
    dialog.openToAdd();
    entryControls(dialog).Combo1->setEditText(QStringLiteral("Dairy"));
    entryControls(dialog).itemtxt->setText(QStringLiteral("Milk"));
    entryControls(dialog).pricetxt->setText(QStringLiteral("1.00"));
    entryControls(dialog).carbchk->setChecked(true);
    m_fixture->dialogs.expectMessage(OfferText, Answer::Yes);
    m_fixture->dialogs.expectInput(QStringLiteral("Enter a quantity for Milk."), QString());
    QTest::mouseClick(entryControls(dialog).addmorecmd, Qt::LeftButton);

    QCOMPARE(m_fixture->dialogs.shown().at(0).message.defaultButton, 0);
    const Dialogs::Input& question = m_fixture->lastBox().input;
    QCOMPARE(question.title, QStringLiteral("Pantrex"));
    QCOMPARE(question.defaultText, QStringLiteral("1"));
    QCOMPARE(m_fixture->products(), productBytes("Milk", "1.00", "Dairy", " ", "1"));
    QCOMPARE(m_fixture->shopping(), shoppingBytes("Eggs", "2.00", "1", "Dairy"));
    QCOMPARE(m_fixture->session->shoppingCount(), 1);
    // Ready for the next product, with the same category and marks.
    QVERIFY(dialog.isVisible());
    QCOMPARE(entryControls(dialog).itemtxt->text(), QString());
    QCOMPARE(entryControls(dialog).pricetxt->text(), QString());
    QCOMPARE(entryControls(dialog).Combo1->currentText(), QStringLiteral("Dairy"));
    QVERIFY(!entryControls(dialog).fatchk->isChecked());
    QVERIFY(entryControls(dialog).carbchk->isChecked());
    QVERIFY(!entryControls(dialog).savecmd->isEnabled());
    QVERIFY(!entryControls(dialog).addmorecmd->isEnabled());
    QCOMPARE(dialog.mode(), ProductEntryDialog::Mode::Adding);
}

void ProductEntryDialogTest::quantityThatIsNotANumberIsAskedAgain() {
    m_fixture->open({});
    ProductEntryDialog& dialog = openDialog();
    dialog.openToAdd();
    entryControls(dialog).itemtxt->setText(QStringLiteral("Milk"));
    entryControls(dialog).pricetxt->setText(QStringLiteral("1.25"));
    const QString prompt = QStringLiteral("Enter a quantity for Milk.");
    m_fixture->dialogs.expectMessage(OfferText, Answer::Yes);
    m_fixture->dialogs.expectInput(prompt, QStringLiteral("two"));
    m_fixture->dialogs.expectMessage(QStringLiteral("Bad entry."));
    m_fixture->dialogs.expectInput(prompt, QStringLiteral("2"));
    QTest::mouseClick(entryControls(dialog).savecmd, Qt::LeftButton);
    QCOMPARE(m_fixture->dialogs.shown().at(2).message.title, QStringLiteral("Error"));
    QCOMPARE(m_fixture->lastBox().input.defaultText, QStringLiteral("two"));
    QCOMPARE(m_fixture->shopping(), shoppingBytes("Milk", "2.50", "2", "Miscellaneous"));

    // Giving up after a refused answer puts nothing on the list; the product stays saved.
    dialog.openToAdd();
    entryControls(dialog).itemtxt->setText(QStringLiteral("Salt"));
    entryControls(dialog).pricetxt->setText(QStringLiteral("1.00"));
    m_fixture->dialogs.expectMessage(OfferText, Answer::Yes);
    m_fixture->dialogs.expectInput(QStringLiteral("Enter a quantity for Salt."), QStringLiteral("a few"));
    m_fixture->dialogs.expectMessage(QStringLiteral("Bad entry."));
    m_fixture->dialogs.expectInput(QStringLiteral("Enter a quantity for Salt."), QString());
    QTest::mouseClick(entryControls(dialog).savecmd, Qt::LeftButton);
    QCOMPARE(m_fixture->session->shoppingCount(), 1);
    QCOMPARE(m_fixture->session->productCount(), 2);
    QCOMPARE(m_fixture->product(2), productBytes("Salt", "1.00", "Miscellaneous"));
}

void ProductEntryDialogTest::changingRewritesOnlyItsRecord() {
    const QByteArray bread = productBytes("Bread", "1.50", "Bakery", " ", "1", "r1", "r2");
    const QByteArray milk = productBytes("milk", "2.49", "Dairy", "1", " ", "reserved one", "reserved two");
    const QByteArray soap = productBytes("Soap", "3.00", "Household");
    m_fixture->open({bread, milk, soap});
    ProductEntryDialog& dialog = openDialog();
    dialog.openToChange(2);
    QCOMPARE(dialog.mode(), ProductEntryDialog::Mode::Changing);
    QVERIFY(dialog.isVisible());
    QVERIFY(!entryControls(dialog).categorycmd->isHidden());
    QCOMPARE(entryControls(dialog).itemtxt->text(), QStringLiteral("milk"));
    QCOMPARE(entryControls(dialog).pricetxt->text(), QStringLiteral("2.49"));
    QVERIFY(entryControls(dialog).fatchk->isChecked());
    QVERIFY(!entryControls(dialog).carbchk->isChecked());
    QCOMPARE(entryControls(dialog).Combo1->currentText(), QStringLiteral("Dairy"));
    // Selecting the product's category enables "Save and return"; "Save / Add another" is for adding.
    QVERIFY(entryControls(dialog).savecmd->isEnabled());
    QVERIFY(!entryControls(dialog).addmorecmd->isEnabled());
    entryControls(dialog).pricetxt->setText(QStringLiteral("2.59"));
    QVERIFY(!entryControls(dialog).addmorecmd->isEnabled());

    QTest::mouseClick(entryControls(dialog).savecmd, Qt::LeftButton);
    // The focus starts in the name box, so the click that leaves it capitalises the name. That no
    // other record is touched is the core's (tests/core/test_productoperations.cpp).
    QCOMPARE(m_fixture->product(2), productBytes("Milk", "2.59", "Dairy", "1", " "));
    QVERIFY(!dialog.isVisible());
    // The next product starts in the category of the one changed.
    dialog.openToAdd();
    QCOMPARE(entryControls(dialog).Combo1->currentText(), QStringLiteral("Dairy"));
}

void ProductEntryDialogTest::changingBlankCategoryKeepsCurrentCategory_data() {
    QTest::addColumn<QByteArray>("current");
    QTest::addColumn<QString>("selected");
    QTest::newRow("current category in the list") << QByteArray("Dairy") << "Dairy";
    QTest::newRow("current category not in the list") << QByteArray("Toys") << "";
    QTest::newRow("no current category") << QByteArray() << "";
}

void ProductEntryDialogTest::changingBlankCategoryKeepsCurrentCategory() {
    QFETCH(QByteArray, current);
    QFETCH(QString, selected);
    m_fixture->open({productBytes("Milk", "1.00", "Dairy"), productBytes("Soap", "2.00", "")});
    ProductEntryDialog& dialog = openDialog();
    dialog.setChosenCategory(current);
    dialog.openToChange(2);
    QCOMPARE(entryControls(dialog).Combo1->currentText(), selected);
    QCOMPARE(entryControls(dialog).Combo1->currentIndex(), selected.isEmpty() ? 0 : 1);
    // A product without a category leaves the category chosen before for the next new product.
    dialog.openToAdd();
    QCOMPARE(entryControls(dialog).Combo1->currentText(), selected);
}

QTEST_MAIN(ProductEntryDialogTest)
#include "test_productentrydialog.moc"
