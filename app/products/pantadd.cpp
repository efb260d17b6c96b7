// SPDX-License-Identifier: MIT
// The product entry dialog: its controls, opening, and what happens as the user moves between fields.
#include "pantadd.h"

#include "core/entrytext.h"
#include "data/ansitext.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "products/productfiles.h"
#include "state/pantmod.h"

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

pantadd::pantadd(PANTMOD& pantmod, Dialogs& dialogs, QWidget* mainWindow)
    : QDialog(mainWindow), m_pantmod(pantmod), m_dialogs(dialogs), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("pantadd"));
    setWindowTitle(tr("Product List Entry"));
    setModal(false);
    buildControls();
    buildLayout();

    connect(itemtxt, &QLineEdit::textChanged, this, &pantadd::enableSaveButtons);
    connect(pricetxt, &QLineEdit::textChanged, this, &pantadd::enableSaveButtons);
    connect(Combo1, &QComboBox::editTextChanged, this, &pantadd::enableSaveButtons);
    connect(Combo1, &QComboBox::activated, this, &pantadd::enableSaveButtons);
    connect(savecmd, &QPushButton::clicked, this, &pantadd::savecmdClick);
    connect(addmorecmd, &QPushButton::clicked, this, &pantadd::addmorecmdClick);
    connect(quitcmd, &QPushButton::clicked, this, &pantadd::quitcmdClick);
    connect(categorycmd, &QPushButton::clicked, this, &pantadd::categorycmdClick);
    for (QWidget* field :
         {static_cast<QWidget*>(itemtxt), static_cast<QWidget*>(pricetxt), static_cast<QWidget*>(Combo1)})
        field->installEventFilter(this);
}

void pantadd::buildControls() {
    Label1 = makeLabel(QStringLiteral("Label1"), tr("Enter Item Name and Size "), this);
    itemtxt = makeTextBox(QStringLiteral("itemtxt"), 30, Label1, this);
    Label3 = makeLabel(QStringLiteral("Label3"), tr("Enter the Price: "), this);
    pricetxt = makeTextBox(QStringLiteral("pricetxt"), 6, Label3, this);
    Label2 = makeLabel(QStringLiteral("Label2"),
                       tr("Category to which this item belongs: (Select a category or type the       name "
                          "of a new one)"),
                       this);
    Label2->setWordWrap(true);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // A typed category stays as typed: no completion to a longer entry or to one of another case
    // ("dairy" and "Dairy" are two categories).
    Combo1->setCompleter(nullptr);
    Combo1->setAccessibleName(Label2->text().simplified());
    Label2->setBuddy(Combo1);
    categorycmd = makeButton(QStringLiteral("categorycmd"), tr("Click here to change this category name"), this);
    Label4 = makeLabel(QStringLiteral("Label4"), tr("Mark this as a....."), this);
    fatchk = makeCheckBox(QStringLiteral("fatchk"), tr("High-Fat item"), this);
    carbchk = makeCheckBox(QStringLiteral("carbchk"), tr("High-Carb item"), this);

    Panel3D1 = new QFrame(this);
    Panel3D1->setObjectName(QStringLiteral("Panel3D1"));
    Panel3D1->setFrameShape(QFrame::StyledPanel);
    Panel3D1->setAccessibleName(tr("Buttons"));
    savecmd = makeButton(QStringLiteral("savecmd"), tr("Save and return"), Panel3D1);
    addmorecmd = makeButton(QStringLiteral("addmorecmd"), tr("Save / Add another"), Panel3D1);
    quitcmd = makeButton(QStringLiteral("quitcmd"), tr("Return with no save"), Panel3D1);
}

void pantadd::buildLayout() {
    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(itemtxt, 0, 1);
    fields->addWidget(Label3, 1, 0);
    fields->addWidget(pricetxt, 1, 1, Qt::AlignLeft);
    pricetxt->setMaximumWidth(pricetxt->fontMetrics().horizontalAdvance(QStringLiteral("0000.00")) + 16);
    fields->addWidget(Label2, 2, 0, 1, 2);
    fields->addWidget(Combo1, 3, 0, 1, 2);
    fields->addWidget(categorycmd, 4, 0, 1, 2, Qt::AlignLeft);

    auto* marks = new QHBoxLayout;
    marks->addWidget(Label4);
    marks->addWidget(fatchk);
    marks->addWidget(carbchk);
    marks->addStretch();

    auto* buttons = new QHBoxLayout(Panel3D1);
    buttons->addWidget(savecmd);
    buttons->addWidget(addmorecmd);
    buttons->addWidget(quitcmd);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(marks);
    layout->addStretch();
    layout->addWidget(Panel3D1);
    setTabOrder(itemtxt, pricetxt);
    setTabOrder(pricetxt, Combo1);
    setTabOrder(Combo1, fatchk);
    setTabOrder(fatchk, carbchk);
    resize(480, 300);
}

void pantadd::openToAdd() {
    m_pantmod.addflag = 1;
    m_pantmod.editflag = 0;
    openAfresh(Mode::Adding);
}

void pantadd::openToChange(qint64 recordNumber) {
    m_pantmod.editrecno = recordNumber;
    m_pantmod.editflag = 1;
    m_pantmod.addflag = 0;
    m_recordNumber = recordNumber;
    openAfresh(Mode::Changing);
}

// Every opening starts from a fresh dialog, whatever the last one left behind.
void pantadd::openAfresh(Mode mode) {
    m_mode = mode;
    m_wroteFiles = false;
    m_loadedBytes.clear();
    m_productFilePath.clear();
    fatchk->setChecked(false);
    carbchk->setChecked(false);
    if (mode == Mode::Adding) {
        pricetxt->clear();
        itemtxt->clear();
        disableSaveButtons();
        categorycmd->hide();
    } else {
        loadproduct();
        categorycmd->show();
    }
    fillcategories();
    show();
    raise();
    activateWindow();
    itemtxt->setFocus(Qt::OtherFocusReason);
}

void pantadd::loadproduct() {
    Record record(ProductRecord::Length);
    if (RecordFile* products = openProductFile(m_pantmod, m_dialogs)) {
        if (std::optional<Record> read = products->read(m_recordNumber))
            record = *read;
        else
            showFileError(m_dialogs, products->errorString());
        m_productFilePath = products->path();
    }
    m_loadedBytes = record.bytes();
    itemtxt->setText(fromAnsi(record.text(ProductRecord::ItemName)));
    pricetxt->setText(fromAnsi(record.text(ProductRecord::Price)));
    fatchk->setChecked(record.text(ProductRecord::HighFat) == "1");
    carbchk->setChecked(record.text(ProductRecord::HighCarb) == "1");
    disableSaveButtons();
}

// The distinct categories of the product list, sorted; the current category is selected. The
// product list in memory knows them; the file is read again only when it has changed.
void pantadd::fillcategories() {
    const QSignalBlocker blocker(Combo1);
    Combo1->clear();
    Combo1->setEditText(QString());
    m_categories.clear();
    if (!openProductFile(m_pantmod, m_dialogs))
        return;
    ProductCatalog& catalog = m_pantmod.session.catalog();
    catalog.refresh(m_pantmod.session.files(), m_pantmod.session.productListPath());
    if (m_mode != Mode::Adding && m_recordNumber >= 1 && m_recordNumber <= catalog.count()) {
        const QByteArrayView category = fieldText(
            catalog.record(m_recordNumber).sliced(ProductRecord::Category.offset, ProductRecord::Category.width));
        if (!category.isEmpty())
            m_pantmod.curcategory = category.toByteArray();
    }
    // A blank category is listed like any other, and sorts first.
    if (catalog.hasBlankCategory())
        m_categories.append(QByteArray());
    m_categories += catalog.categories();
    QStringList texts;
    texts.reserve(m_categories.size());
    for (const QByteArray& category : std::as_const(m_categories))
        texts.append(fromAnsi(category));
    Combo1->addItems(texts);

    const QByteArray& current = m_pantmod.curcategory;
    if (m_mode == Mode::Adding && (current == "All" || current.isEmpty())) {
        Combo1->setCurrentIndex(-1);
        Combo1->setEditText(QString());
        return;
    }
    if (m_categories.isEmpty())
        return;
    const qsizetype match = m_categories.indexOf(current);
    Combo1->setCurrentIndex(match >= 0 ? int(match) : 0);
    // Picking a category counts as a change of the category box.
    enableSaveButtons();
}

void pantadd::enableSaveButtons() {
    savecmd->setEnabled(true);
    addmorecmd->setEnabled(m_mode != Mode::Changing);
}

void pantadd::disableSaveButtons() {
    addmorecmd->setEnabled(false);
    savecmd->setEnabled(false);
}

bool pantadd::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && movesWithinDialog(static_cast<QFocusEvent*>(event)->reason()))
        leaveField(static_cast<QWidget*>(watched));
    return QDialog::eventFilter(watched, event);
}

bool pantadd::leaveField(QWidget* field) {
    if (field == itemtxt)
        tidyItemName();
    else if (field == Combo1)
        tidyCategory();
    else if (field == pricetxt)
        return checkPrice();
    return true;
}

bool pantadd::leaveFocusedField() {
    return leaveField(focusWidget());
}

void pantadd::tidyItemName() {
    if (!itemtxt->text().isEmpty())
        itemtxt->setText(capwords(trimBlanks(itemtxt->text())));
}

void pantadd::tidyCategory() {
    const QString text = Combo1->currentText();
    const QString tidied = capwords(text);
    if (tidied != text)
        Combo1->setEditText(tidied);
}

bool pantadd::checkPrice() {
    const QString entry = pricetxt->text();
    if (entry.isEmpty())
        return true;
    if (!priceEntryAccepted(entry)) {
        Dialogs::Message box;
        box.text = tr("Bad entry.");
        box.title = tr("Error");
        m_dialogs.message(box);
        pricetxt->setFocus(Qt::OtherFocusReason);
        return false;
    }
    pricetxt->setText(formatPriceEntry(entry));
    return true;
}

void pantadd::closeEvent(QCloseEvent* event) {
    // The title bar's close box returns without saving; the program ending closes it for good.
    if (event->spontaneous()) {
        event->ignore();
        quitcmdClick();
        return;
    }
    QDialog::closeEvent(event);
}

void pantadd::reject() {
    quitcmdClick();
}

} // namespace pantrex
