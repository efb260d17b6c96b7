// SPDX-License-Identifier: MIT
// The product entry dialog: its controls, opening, and what happens as the user moves between fields.
#include "productentrydialog.h"

#include "core/entrytext.h"
#include "core/session.h"
#include "data/ansitext.h"
#include "platform/hoverbutton.h"
#include "platform/messages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QValidator>

namespace pantrex {

namespace {

// Limits what the user types or pastes into a box without cutting text the program puts there:
// a price of 1234 is shown as "1234.00" and a longer name read from the file is kept whole.
class TypingLimit : public QValidator {
public:
    TypingLimit(int maximum, QObject* parent) : QValidator(parent), m_maximum(maximum) {}
    State validate(QString& input, int&) const override { return input.size() <= m_maximum ? Acceptable : Invalid; }

private:
    int m_maximum;
};

QLineEdit* makeTextBox(const QString& objectName, int maximum, QLabel* label, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setValidator(new TypingLimit(maximum, box));
    box->setAccessibleName(label->text().simplified());
    label->setBuddy(box);
    return box;
}

QLabel* makeLabel(const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

QCheckBox* makeCheckBox(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    box->setAccessibleName(caption);
    return box;
}

// The buttons act on the field the user was in, so a click leaves the focus there: the button
// itself runs what leaving the field would have run.
HoverButton* makeButton(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* button = new HoverButton(objectName, caption, parent);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

// Leaving a field counts only when the focus moves to another control of the dialog, not when
// another window (a message box, the main window) or the category list pops up.
bool movesWithinDialog(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason || reason == Qt::OtherFocusReason;
}

} // namespace

ProductEntryDialog::ProductEntryDialog(Session& session, Dialogs& dialogs, QWidget* mainWindow)
    : QDialog(mainWindow), m_session(session), m_dialogs(dialogs), m_products(session), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("pantadd"));
    setWindowTitle(tr("Product List Entry"));
    setModal(false);
    buildControls();
    buildLayout();

    connect(m_nameEdit, &QLineEdit::textChanged, this, &ProductEntryDialog::enableSaveButtons);
    connect(m_priceEdit, &QLineEdit::textChanged, this, &ProductEntryDialog::enableSaveButtons);
    connect(m_categoryBox, &QComboBox::editTextChanged, this, &ProductEntryDialog::enableSaveButtons);
    connect(m_categoryBox, &QComboBox::activated, this, &ProductEntryDialog::enableSaveButtons);
    connect(m_saveButton, &QPushButton::clicked, this, &ProductEntryDialog::saveAndReturn);
    connect(m_addAnotherButton, &QPushButton::clicked, this, &ProductEntryDialog::saveAndAddAnother);
    connect(m_returnButton, &QPushButton::clicked, this, &ProductEntryDialog::returnWithoutSave);
    connect(m_renameCategoryButton, &QPushButton::clicked, this, &ProductEntryDialog::renameCategory);
    for (QWidget* field :
         {static_cast<QWidget*>(m_nameEdit), static_cast<QWidget*>(m_priceEdit), static_cast<QWidget*>(m_categoryBox)})
        field->installEventFilter(this);
}

void ProductEntryDialog::buildControls() {
    m_nameLabel = makeLabel(QStringLiteral("Label1"), tr("Enter Item Name and Size "), this);
    m_nameEdit = makeTextBox(QStringLiteral("itemtxt"), 30, m_nameLabel, this);
    m_priceLabel = makeLabel(QStringLiteral("Label3"), tr("Enter the Price: "), this);
    m_priceEdit = makeTextBox(QStringLiteral("pricetxt"), 6, m_priceLabel, this);
    m_categoryLabel = makeLabel(QStringLiteral("Label2"),
                                tr("Category to which this item belongs: (Select a category or type the       name "
                                   "of a new one)"),
                                this);
    m_categoryLabel->setWordWrap(true);
    m_categoryBox = new QComboBox(this);
    m_categoryBox->setObjectName(QStringLiteral("Combo1"));
    m_categoryBox->setEditable(true);
    m_categoryBox->setInsertPolicy(QComboBox::NoInsert);
    // A typed category stays as typed: no completion to a longer entry or to one of another case
    // ("dairy" and "Dairy" are two categories).
    m_categoryBox->setCompleter(nullptr);
    m_categoryBox->setAccessibleName(m_categoryLabel->text().simplified());
    m_categoryLabel->setBuddy(m_categoryBox);
    m_renameCategoryButton =
        makeButton(QStringLiteral("categorycmd"), tr("Click here to change this category name"), this);
    m_marksLabel = makeLabel(QStringLiteral("Label4"), tr("Mark this as a....."), this);
    m_highFatCheck = makeCheckBox(QStringLiteral("fatchk"), tr("High-Fat item"), this);
    m_highCarbCheck = makeCheckBox(QStringLiteral("carbchk"), tr("High-Carb item"), this);

    m_buttonPanel = new QFrame(this);
    m_buttonPanel->setObjectName(QStringLiteral("Panel3D1"));
    m_buttonPanel->setFrameShape(QFrame::StyledPanel);
    m_buttonPanel->setAccessibleName(tr("Buttons"));
    m_saveButton = makeButton(QStringLiteral("savecmd"), tr("Save and return"), m_buttonPanel);
    m_addAnotherButton = makeButton(QStringLiteral("addmorecmd"), tr("Save / Add another"), m_buttonPanel);
    m_returnButton = makeButton(QStringLiteral("quitcmd"), tr("Return with no save"), m_buttonPanel);
}

void ProductEntryDialog::buildLayout() {
    auto* fields = new QGridLayout;
    fields->addWidget(m_nameLabel, 0, 0);
    fields->addWidget(m_nameEdit, 0, 1);
    fields->addWidget(m_priceLabel, 1, 0);
    fields->addWidget(m_priceEdit, 1, 1, Qt::AlignLeft);
    m_priceEdit->setMaximumWidth(m_priceEdit->fontMetrics().horizontalAdvance(QStringLiteral("0000.00")) + 16);
    fields->addWidget(m_categoryLabel, 2, 0, 1, 2);
    fields->addWidget(m_categoryBox, 3, 0, 1, 2);
    fields->addWidget(m_renameCategoryButton, 4, 0, 1, 2, Qt::AlignLeft);

    auto* marks = new QHBoxLayout;
    marks->addWidget(m_marksLabel);
    marks->addWidget(m_highFatCheck);
    marks->addWidget(m_highCarbCheck);
    marks->addStretch();

    auto* buttons = new QHBoxLayout(m_buttonPanel);
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_addAnotherButton);
    buttons->addWidget(m_returnButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(marks);
    layout->addStretch();
    layout->addWidget(m_buttonPanel);
    setTabOrder(m_nameEdit, m_priceEdit);
    setTabOrder(m_priceEdit, m_categoryBox);
    setTabOrder(m_categoryBox, m_highFatCheck);
    setTabOrder(m_highFatCheck, m_highCarbCheck);
    resize(480, 300);
}

void ProductEntryDialog::openToAdd() {
    openAfresh(Mode::Adding);
}

void ProductEntryDialog::openToChange(qint64 recordNumber) {
    m_loaded = LoadedProduct{recordNumber, QString(), QByteArray()};
    openAfresh(Mode::Changing);
}

void ProductEntryDialog::setChosenCategory(const QByteArray& category) {
    m_currentCategory = category;
}

// Every opening starts from a fresh dialog, whatever the last one left behind.
void ProductEntryDialog::openAfresh(Mode mode) {
    m_mode = mode;
    m_wroteFiles = false;
    m_loaded.filePath.clear();
    m_loaded.bytes.clear();
    m_highFatCheck->setChecked(false);
    m_highCarbCheck->setChecked(false);
    if (mode == Mode::Adding) {
        m_priceEdit->clear();
        m_nameEdit->clear();
        disableSaveButtons();
        m_renameCategoryButton->hide();
    } else {
        loadProduct();
        m_renameCategoryButton->show();
    }
    fillCategories();
    show();
    raise();
    activateWindow();
    m_nameEdit->setFocus(Qt::OtherFocusReason);
}

void ProductEntryDialog::loadProduct() {
    std::optional<Notice> failure;
    m_loaded = m_products.loadProduct(m_loaded.recordNumber, failure);
    if (failure)
        report(m_dialogs, *failure);
    const Record record(ProductRecord::Length, m_loaded.bytes);
    m_nameEdit->setText(fromAnsi(record.text(ProductRecord::ItemName)));
    m_priceEdit->setText(fromAnsi(record.text(ProductRecord::Price)));
    m_highFatCheck->setChecked(record.text(ProductRecord::HighFat) == "1");
    m_highCarbCheck->setChecked(record.text(ProductRecord::HighCarb) == "1");
    disableSaveButtons();
}

// The distinct categories of the product list, sorted; the current category is selected. The
// product list in memory knows them; the file is read again only when it has changed.
void ProductEntryDialog::fillCategories() {
    const QSignalBlocker blocker(m_categoryBox);
    m_categoryBox->clear();
    m_categoryBox->setEditText(QString());
    m_categories.clear();
    std::optional<Notice> failure;
    if (!m_products.productFile(failure)) {
        report(m_dialogs, *failure);
        return;
    }
    ProductCatalog& catalog = m_session.catalog();
    catalog.refresh(m_session.files(), m_session.productListPath());
    const qint64 recordNumber = m_loaded.recordNumber;
    if (m_mode != Mode::Adding && recordNumber >= 1 && recordNumber <= catalog.count()) {
        const QByteArrayView category = fieldText(
            catalog.record(recordNumber).sliced(ProductRecord::Category.offset, ProductRecord::Category.width));
        if (!category.isEmpty())
            m_currentCategory = category.toByteArray();
    }
    // A blank category is listed like any other, and sorts first.
    if (catalog.hasBlankCategory())
        m_categories.append(QByteArray());
    m_categories += catalog.categories();
    QStringList texts;
    texts.reserve(m_categories.size());
    for (const QByteArray& category : std::as_const(m_categories))
        texts.append(fromAnsi(category));
    m_categoryBox->addItems(texts);

    const QByteArray& current = m_currentCategory;
    if (m_mode == Mode::Adding && (current == "All" || current.isEmpty())) {
        m_categoryBox->setCurrentIndex(-1);
        m_categoryBox->setEditText(QString());
        return;
    }
    if (m_categories.isEmpty())
        return;
    const qsizetype match = m_categories.indexOf(current);
    m_categoryBox->setCurrentIndex(match >= 0 ? int(match) : 0);
    // Picking a category counts as a change of the category box.
    enableSaveButtons();
}

void ProductEntryDialog::enableSaveButtons() {
    m_saveButton->setEnabled(true);
    m_addAnotherButton->setEnabled(m_mode != Mode::Changing);
}

void ProductEntryDialog::disableSaveButtons() {
    m_addAnotherButton->setEnabled(false);
    m_saveButton->setEnabled(false);
}

bool ProductEntryDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && movesWithinDialog(static_cast<QFocusEvent*>(event)->reason()))
        leaveField(static_cast<QWidget*>(watched));
    return QDialog::eventFilter(watched, event);
}

bool ProductEntryDialog::leaveField(QWidget* field) {
    if (field == m_nameEdit)
        tidyItemName();
    else if (field == m_categoryBox)
        tidyCategory();
    else if (field == m_priceEdit)
        return checkPrice();
    return true;
}

bool ProductEntryDialog::leaveFocusedField() {
    return leaveField(focusWidget());
}

void ProductEntryDialog::tidyItemName() {
    if (!m_nameEdit->text().isEmpty())
        m_nameEdit->setText(capwords(trimBlanks(m_nameEdit->text())));
}

void ProductEntryDialog::tidyCategory() {
    const QString text = m_categoryBox->currentText();
    const QString tidied = capwords(text);
    if (tidied != text)
        m_categoryBox->setEditText(tidied);
}

bool ProductEntryDialog::checkPrice() {
    const QString entry = m_priceEdit->text();
    if (entry.isEmpty())
        return true;
    if (!priceEntryAccepted(entry)) {
        Dialogs::Message box;
        box.text = tr("Bad entry.");
        box.title = tr("Error");
        m_dialogs.message(box);
        m_priceEdit->setFocus(Qt::OtherFocusReason);
        return false;
    }
    m_priceEdit->setText(formatPriceEntry(entry));
    return true;
}

void ProductEntryDialog::closeEvent(QCloseEvent* event) {
    // The title bar's close box returns without saving; the program ending closes it for good.
    if (event->spontaneous()) {
        event->ignore();
        returnWithoutSave();
        return;
    }
    QDialog::closeEvent(event);
}

void ProductEntryDialog::reject() {
    returnWithoutSave();
}

void ProductEntryDialog::saveAndReturn() {
    if (m_mode == Mode::Closed || !leaveFocusedField() || !entriesComplete())
        return;
    const Record record = buildRecord(true);
    if (m_mode == Mode::Adding) {
        if (!appendProduct(record))
            return;
        offerShoppingList(record, 1);
    } else if (!changeProduct(record)) {
        return;
    }
    Q_EMIT productSaved();
    returnToMainWindow(true);
}

void ProductEntryDialog::saveAndAddAnother() {
    if (m_mode != Mode::Adding || !leaveFocusedField() || !entriesComplete())
        return;
    const Record record = buildRecord(false);
    if (!appendProduct(record))
        return;
    offerShoppingList(record, 0);
    Q_EMIT productSaved();
    // Ready for the next product: the category and the marks stay as they are.
    m_nameEdit->clear();
    m_priceEdit->clear();
    disableSaveButtons();
    m_nameEdit->setFocus(Qt::OtherFocusReason);
}

void ProductEntryDialog::returnWithoutSave() {
    // Products stored with "Save / Add another", or a renamed category, are already in the files;
    // the main window comes forward to show them as after a save.
    returnToMainWindow(m_wroteFiles);
}

void ProductEntryDialog::renameCategory() {
    if (m_mode != Mode::Changing || !leaveFocusedField())
        return;
    std::optional<Notice> failure;
    RecordFile* products = m_products.productFile(failure);
    if (failure)
        report(m_dialogs, *failure);
    const bool productWasCurrent = products && m_products.isUnchanged(m_loaded);

    const QString comboText = m_categoryBox->currentText();
    const QString oldName = trimBlanks(comboText);
    Dialogs::Input question;
    question.prompt = tr("Type a name to replace %1").arg(comboText);
    question.defaultText = comboText;
    const QString answer = m_dialogs.input(question);
    // An answer of blanks only would file products under no category at all: it counts as none.
    if (trimBlanks(answer).isEmpty() || answer == oldName)
        return;
    const QString newName = capwords(answer);
    if (ask(m_dialogs, tr("Change all %1 records to %2?").arg(oldName, newName), tr("Confirm..."),
            Dialogs::Buttons::OkCancel) != Dialogs::Answer::Ok)
        return;

    const CategoryRenameResult rename = m_products.renameCategory(oldName, newName);
    if (rename.notice)
        report(m_dialogs, *rename.notice);
    m_wroteFiles = m_wroteFiles || rename.filesChanged;
    // The product's own category may have been renamed with the others: that is not a change
    // made behind the dialog's back.
    if (productWasCurrent && rename.filesChanged) {
        if (const std::optional<Record> record = products->read(m_loaded.recordNumber))
            m_loaded.bytes = record->bytes();
    }
    if (rename.renamed) {
        m_categoryBox->setEditText(newName);
        fillCategories();
        Dialogs::Message box;
        box.text = tr("Category changed");
        box.title = QString();
        m_dialogs.message(box);
    }
    if (rename.filesChanged)
        Q_EMIT productSaved();
}

// A product needs a name and a price; a price the check refuses is never stored.
bool ProductEntryDialog::entriesComplete() {
    if (trimBlanks(m_nameEdit->text()).isEmpty() || m_priceEdit->text().isEmpty()) {
        inform(m_dialogs, tr("Missing data.  Each box must be filled."), tr("Error"));
        return false;
    }
    if (!priceEntryAccepted(m_priceEdit->text())) {
        inform(m_dialogs, tr("Bad entry."), tr("Error"));
        m_priceEdit->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

Record ProductEntryDialog::buildRecord(bool trimCategory) const {
    ProductEntry entry;
    entry.name = m_nameEdit->text();
    entry.price = m_priceEdit->text();
    entry.highFat = m_highFatCheck->isChecked();
    entry.highCarb = m_highCarbCheck->isChecked();
    entry.category = m_categoryBox->currentText();
    return ProductOperations::productRecord(entry, trimCategory);
}

bool ProductEntryDialog::appendProduct(const Record& record) {
    if (const std::optional<Notice> failure = m_products.addProduct(record)) {
        report(m_dialogs, *failure);
        return false;
    }
    m_wroteFiles = true;
    return true;
}

bool ProductEntryDialog::changeProduct(const Record& record) {
    if (const std::optional<Notice> failure = m_products.changeProduct(m_loaded, record)) {
        report(m_dialogs, *failure);
        return false;
    }
    m_wroteFiles = true;
    return true;
}

// After an append: the new product can go on the shopping list at once, with a quantity.
void ProductEntryDialog::offerShoppingList(const Record& product, int defaultButton) {
    Dialogs::Message offer;
    offer.text = tr("Add this item to your Shopping List now?");
    offer.title = QString();
    offer.buttons = Dialogs::Buttons::YesNo;
    offer.icon = Dialogs::Icon::Question;
    offer.defaultButton = defaultButton;
    if (m_dialogs.message(offer) != Dialogs::Answer::Yes)
        return;
    const QString quantity = askQuantity();
    if (trimBlanks(quantity).isEmpty())
        return;
    if (const std::optional<Notice> failure =
            m_products.addToShoppingList(product, trimBlanks(m_nameEdit->text()), quantity))
        report(m_dialogs, *failure);
}

// The quantity prices the line, so it must be a number; the user may try again or cancel ("").
QString ProductEntryDialog::askQuantity() {
    Dialogs::Input question;
    question.prompt = tr("Enter a quantity for %1.").arg(trimBlanks(m_nameEdit->text()));
    question.defaultText = QStringLiteral("1");
    QString quantity = m_dialogs.input(question);
    while (!trimBlanks(quantity).isEmpty() && !quantityIsNumber(quantity)) {
        inform(m_dialogs, tr("Bad entry."), tr("Error"));
        question.defaultText = quantity;
        quantity = m_dialogs.input(question);
    }
    return quantity;
}

// Hides the dialog; with refresh the main window comes forward.
void ProductEntryDialog::returnToMainWindow(bool refresh) {
    m_mode = Mode::Closed;
    hide();
    if (refresh && m_mainWindow)
        m_mainWindow->activateWindow();
}

} // namespace pantrex
