// SPDX-License-Identifier: MIT
// The product entry dialog's buttons: saving a product, putting it on the shopping list, renaming
// a category and returning to the main window.
#include "pantadd.h"

#include "core/entrytext.h"
#include "data/ansitext.h"
#include "data/numbertext.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "products/categoryrename.h"
#include "products/productfiles.h"
#include "state/pantmod.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace pantrex {

namespace {

struct ProductTexts {
    Q_DECLARE_TR_FUNCTIONS(Products)
};

void showError(Dialogs& dialogs, const QString& text) {
    Dialogs::Message box;
    box.text = text;
    box.title = ProductTexts::tr("Error");
    dialogs.message(box);
}

} // namespace

void pantadd::savecmdClick() {
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
    returnToMainWindow(true);
}

void pantadd::addmorecmdClick() {
    if (m_mode != Mode::Adding || !leaveFocusedField() || !entriesComplete())
        return;
    const Record record = buildRecord(false);
    if (!appendProduct(record))
        return;
    offerShoppingList(record, 0);
    // Ready for the next product: the category and the marks stay as they are.
    itemtxt->clear();
    pricetxt->clear();
    disableSaveButtons();
    itemtxt->setFocus(Qt::OtherFocusReason);
}

void pantadd::quitcmdClick() {
    // Products stored with "Save / Add another", or a renamed category, are already in the files;
    // the main window shows them as after a save.
    returnToMainWindow(m_wroteFiles);
}

void pantadd::categorycmdClick() {
    if (m_mode != Mode::Changing || !leaveFocusedField())
        return;
    RecordFile* products = openProductFile(m_pantmod, m_dialogs);
    const bool productWasCurrent = products && productUnchangedSinceLoad(*products);
    const CategoryRename rename = renamecategory(m_pantmod, m_dialogs, Combo1->currentText());
    m_wroteFiles = m_wroteFiles || rename.filesChanged;
    // The product's own category may have been renamed with the others: that is not a change
    // made behind the dialog's back.
    if (productWasCurrent && rename.filesChanged) {
        if (const std::optional<Record> record = products->read(m_recordNumber))
            m_loadedBytes = record->bytes();
    }
    if (!rename.renamed)
        return;
    Combo1->setEditText(rename.newName);
    fillcategories();
    Dialogs::Message box;
    box.text = tr("Category changed");
    box.title = QString();
    m_dialogs.message(box);
}

// A product needs a name and a price; a price the check refuses is never stored.
bool pantadd::entriesComplete() {
    if (trimBlanks(itemtxt->text()).isEmpty() || pricetxt->text().isEmpty()) {
        showError(m_dialogs, tr("Missing data.  Each box must be filled."));
        return false;
    }
    if (!priceEntryAccepted(pricetxt->text())) {
        showError(m_dialogs, tr("Bad entry."));
        pricetxt->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

// A product record built afresh from the boxes; the reserved fields stay zero bytes.
Record pantadd::buildRecord(bool trimCategory) const {
    Record record(ProductRecord::Length);
    record.set(ProductRecord::ItemName, toAnsi(trimBlanks(itemtxt->text())));
    record.set(ProductRecord::Price, toAnsi(pricetxt->text()));
    record.set(ProductRecord::HighFat, fatchk->isChecked() ? "1" : " ");
    record.set(ProductRecord::HighCarb, carbchk->isChecked() ? "1" : " ");
    const QString category = trimCategory ? trimBlanks(Combo1->currentText()) : Combo1->currentText();
    const QByteArray stored = trimBlanks(category).isEmpty() ? QByteArray("Miscellaneous") : toAnsi(category);
    record.set(ProductRecord::Category, stored);
    return record;
}

// Appends after the last record the file holds, so that nothing is ever written over.
bool pantadd::appendProduct(const Record& record) {
    RecordFile* products = openProductFile(m_pantmod, m_dialogs);
    if (!products)
        return false;
    if (!products->append(record)) {
        reportFileError(m_dialogs, products->errorString());
        return false;
    }
    m_pantmod.session.setProductCount(products->count());
    m_wroteFiles = true;
    // The main window may have cleared the flag meanwhile: it must still show the new product.
    m_pantmod.addflag = 1;
    m_pantmod.editflag = 0;
    return true;
}

bool pantadd::changeProduct(const Record& record) {
    RecordFile* products = openProductFile(m_pantmod, m_dialogs);
    if (!products)
        return false;
    if (!productUnchangedSinceLoad(*products)) {
        Dialogs::Message box;
        box.text = tr("This product was changed or deleted in the product list while it was open here, "
                      "so it was not saved.  Return and open it again to make your changes.");
        box.title = tr("Error");
        box.icon = Dialogs::Icon::Exclamation;
        m_dialogs.message(box);
        return false;
    }
    if (!products->write(m_recordNumber, record)) {
        reportFileError(m_dialogs, products->errorString());
        return false;
    }
    m_wroteFiles = true;
    m_loadedBytes = record.bytes();
    return true;
}

// The dialog writes a changed product over the record it loaded; if that record has moved (a
// deletion, another list opened) or been changed since, writing would overwrite another product.
bool pantadd::productUnchangedSinceLoad(RecordFile& products) {
    if (m_productFilePath.isEmpty() || products.path() != m_productFilePath || m_recordNumber < 1 ||
        m_recordNumber > products.count())
        return false;
    const std::optional<Record> record = products.read(m_recordNumber);
    return record && record->bytes() == m_loadedBytes;
}

// After an append: the new product can go on the shopping list at once, with a quantity.
void pantadd::offerShoppingList(const Record& product, int defaultButton) {
    Dialogs::Message offer;
    offer.text = tr("Add this item to your Shopping List now?");
    offer.title = QString();
    offer.buttons = Dialogs::Buttons::YesNo;
    offer.icon = Dialogs::Icon::Question;
    offer.defaultButton = defaultButton;
    if (m_dialogs.message(offer) != Dialogs::Answer::Yes)
        return;

    Dialogs::Input question;
    question.prompt = tr("Enter a quantity for %1.").arg(trimBlanks(itemtxt->text()));
    question.defaultText = QStringLiteral("1");
    QString quantity = m_dialogs.input(question);
    // The quantity prices the line, so it must be a number; the user may try again or cancel.
    while (!trimBlanks(quantity).isEmpty() && !quantityIsNumber(quantity)) {
        showError(m_dialogs, tr("Bad entry."));
        question.defaultText = quantity;
        quantity = m_dialogs.input(question);
    }
    if (trimBlanks(quantity).isEmpty())
        return;

    RecordFile* shopping = openShoppingFile(m_pantmod, m_dialogs);
    if (!shopping)
        return;
    const double cost = numberValue(product.text(ProductRecord::Price)) * numberValue(toAnsi(quantity));
    // The line cost may lose decimals in its six characters, never whole digits.
    const std::optional<QByteArray> costField = fitNumberField(formatMoney(cost), ShoppingRecord::LineCost.width);
    if (!costField) {
        showError(m_dialogs, tr("The cost of %1, %2, is too large for the shopping list.  The product "
                                "was saved but not put on the list.")
                                 .arg(trimBlanks(itemtxt->text()), fromAnsi(formatMoney(cost))));
        return;
    }
    Record line(ShoppingRecord::Length);
    line.setRaw(ShoppingRecord::ItemText, product.raw(ProductRecord::ItemName));
    line.set(ShoppingRecord::LineCost, *costField);
    line.set(ShoppingRecord::Quantity, toAnsi(quantity));
    line.setRaw(ShoppingRecord::Category, product.raw(ProductRecord::Category));
    if (!shopping->append(line)) {
        reportFileError(m_dialogs, shopping->errorString());
        return;
    }
    m_pantmod.session.setShoppingCount(shopping->count());
}

// Hides the dialog. With refresh, the flag of the dialog's mode is left set and the main window
// is activated, so that its activation rebuilds its views; without, both flags are cleared.
void pantadd::returnToMainWindow(bool refresh) {
    const Mode mode = m_mode;
    m_mode = Mode::Closed;
    m_pantmod.addflag = refresh && mode == Mode::Adding ? 1 : 0;
    m_pantmod.editflag = refresh && mode == Mode::Changing ? 1 : 0;
    hide();
    if (refresh && m_mainWindow)
        m_mainWindow->activateWindow();
}

} // namespace pantrex
