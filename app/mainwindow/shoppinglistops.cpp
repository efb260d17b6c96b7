// SPDX-License-Identifier: MIT
// The shopping list's operations: adding products, changing, removing and erasing rows.
#include "shoppinglistpanel.h"

#include "data/ansitext.h"
#include "data/numbertext.h"
#include "mainwindow/productview.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "state/pantmod.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace pantrex {

namespace {

// A stored field as the user sees it: zero bytes, which no box can show, as blanks.
QString shownText(const QByteArray& field) {
    return fromAnsi(field).replace(QChar(0), QLatin1Char(' '));
}

bool sameRecords(const QList<Record>& some, const QList<Record>& others) {
    return std::equal(some.cbegin(), some.cend(), others.cbegin(), others.cend(),
                      [](const Record& a, const Record& b) { return a.bytes() == b.bytes(); });
}

Dialogs::Message okBox(const QString& text, const QString& title) {
    Dialogs::Message box;
    box.text = text;
    box.title = title;
    return box;
}

} // namespace

void ShoppingListPanel::foodoncmdClick() {
    if (m_pantmod.addmode == QLatin1String("2")) {
        modifyRow();
        return;
    }
    const QString addmode = std::exchange(m_pantmod.addmode, QString());
    if (m_products.currentRow() < 0) {
        m_dialogs.message(okBox(tr("Select an item!"), tr("Add...")));
        return;
    }
    if (!productsAndListAsShown())
        return;
    QByteArray quantity = "1";
    if (addmode == QLatin1String("1")) {
        Dialogs::Input box;
        box.prompt = tr("Enter a quantity...");
        box.defaultText = QStringLiteral("2");
        quantity = toAnsi(m_dialogs.input(box));
        // Another program may have written while the question was open.
        if (quantity.isEmpty() || !productsAndListAsShown())
            return;
    }
    const std::optional<QList<Record>> lines = linesForSelection(quantity);
    if (!lines)
        return;
    RecordFile* list = m_pantmod.session.files().file(ShoppingChannel);
    for (const Record& line : *lines) {
        if (!list || !list->append(line)) {
            reportFileError(list ? list->errorString() : m_pantmod.session.files().errorString());
            break;
        }
        m_pantmod.session.setShoppingCount(m_pantmod.session.shoppingCount() + 1);
    }
    fillshoplist();
}

// What goes on the list must be the products shown, and the list must be the one shown.
bool ShoppingListPanel::productsAndListAsShown() {
    if (m_products.rowsAreCurrent())
        return stillAsShown();
    Q_EMIT changedUnderneath(m_pantmod.session.productListPath());
    return false;
}

// A shopping line for every selected product, all made before any is written: one cost that does
// not fit stops them all.
std::optional<QList<Record>> ShoppingListPanel::linesForSelection(const QByteArray& quantity) {
    const double amount = numberValue(quantity);
    QList<Record> lines;
    for (const int row : m_products.selectedRows()) {
        const Record product(ProductRecord::Length, m_pantmod.session.catalog().record(m_pantmod.recmap.at(row)));
        const double cost = amount * numberValue(m_pantmod.prodprice(row));
        const std::optional<QByteArray> costField =
            fitNumberField(leadingBlankForm(cost), ShoppingRecord::LineCost.width);
        if (!costField) {
            refuseCost(product.text(ProductRecord::ItemName), cost, tr("Nothing was added."), tr("Add..."));
            return std::nullopt;
        }
        Record line(ShoppingRecord::Length);
        line.set(ShoppingRecord::ItemText, product.raw(ProductRecord::ItemName));
        line.set(ShoppingRecord::Quantity, quantity);
        line.set(ShoppingRecord::LineCost, *costField);
        line.set(ShoppingRecord::Category, product.raw(ProductRecord::Category));
        lines.append(line);
    }
    return lines;
}

// A line cost is stored in a field of six characters: it may lose decimals there, never whole digits.
void ShoppingListPanel::refuseCost(const QByteArray& item, double cost, const QString& consequence,
                                   const QString& title) {
    Dialogs::Message box;
    box.text = tr("The cost of %1, %2, is too large for the shopping list.  %3")
                   .arg(fromAnsi(item), fromAnsi(formatMoney(cost)), consequence);
    box.title = title;
    box.icon = Dialogs::Icon::Exclamation;
    m_dialogs.message(box);
}

// Changes the quantity and text of the double-clicked row; the cost keeps its unit price.
void ShoppingListPanel::modifyRow() {
    m_pantmod.addmode.clear();
    const int row = currentRow();
    RecordFile* list = m_pantmod.session.files().file(ShoppingChannel);
    if (row < 0 || row >= m_pantmod.shoprecnos.size() || !list || !stillAsShown())
        return;
    const qint64 recordNumber = m_pantmod.shoprecnos.at(row);
    std::optional<Record> read = list->read(recordNumber);
    if (!read) {
        reportFileError(list->errorString());
        return;
    }
    if (!sameRecords({*read}, {m_shownRecords.at(recordNumber - 1)})) {
        Q_EMIT changedUnderneath(m_pantmod.session.shoppingListPath());
        return;
    }
    Record& record = *read;

    Dialogs::Input askQuantity;
    askQuantity.prompt = tr("Enter a NEW quantity for %1").arg(shownText(record.raw(ShoppingRecord::ItemText)));
    askQuantity.defaultText = shownText(record.raw(ShoppingRecord::Quantity));
    const QByteArray quantity = toAnsi(m_dialogs.input(askQuantity));
    if (quantity.isEmpty())
        return;
    const double oldQuantity = numberValue(record.text(ShoppingRecord::Quantity));
    const double oldCost = numberValue(record.text(ShoppingRecord::LineCost));
    // A quantity that reads as nothing leaves no unit price to take; the line cost stands for it.
    const double unitPrice = oldQuantity == 0 ? oldCost : oldCost / oldQuantity;
    const double cost = unitPrice * numberValue(quantity);
    const std::optional<QByteArray> costField = fitNumberField(plainForm(cost), ShoppingRecord::LineCost.width);
    if (!costField) {
        refuseCost(record.text(ShoppingRecord::ItemText), cost, tr("The item was not changed."),
                   Dialogs::programTitle());
        return;
    }
    record.set(ShoppingRecord::Quantity, quantity);
    record.set(ShoppingRecord::LineCost, *costField);

    const QByteArray itemText = record.text(ShoppingRecord::ItemText);
    Dialogs::Input askText;
    askText.prompt = tr("Modify the item information for %1").arg(fromAnsi(itemText));
    askText.defaultText = fromAnsi(itemText);
    const QByteArray newText = toAnsi(m_dialogs.input(askText));
    if (!newText.isEmpty())
        record.set(ShoppingRecord::ItemText, newText);

    // The questions took their time: another program may have written meanwhile.
    if (!stillAsShown())
        return;
    if (!list->write(recordNumber, record))
        reportFileError(list->errorString());
    fillshoplist();
}

void ShoppingListPanel::foodoffcmdClick() {
    const int row = currentRow();
    if (row < 0) {
        m_dialogs.message(okBox(tr("Select an item"), tr("Remove...")));
        return;
    }
    if (!stillAsShown())
        return;
    if (rowCount() == 1) {
        if (replaceList({}))
            showEmptyList();
        return;
    }
    // Of several items with the same text (ignoring case), the first in the file goes.
    RecordFile* list = m_pantmod.session.files().file(ShoppingChannel);
    const QByteArray removed = ansiLower(m_pantmod.shopnames.at(row));
    std::optional<QList<Record>> read = list ? list->readFirst(m_pantmod.session.shoppingCount()) : std::nullopt;
    if (!read) {
        // Never write the list again from records that could not be read.
        reportFileError(list ? list->errorString() : m_pantmod.session.files().errorString());
        return;
    }
    if (!sameRecords(*read, m_shownRecords)) {
        Q_EMIT changedUnderneath(m_pantmod.session.shoppingListPath());
        return;
    }
    QList<Record>& kept = *read;
    for (qsizetype i = 0; i < kept.size(); ++i) {
        if (ansiLower(kept.at(i).raw(ShoppingRecord::ItemText)) == removed) {
            kept.removeAt(i);
            break;
        }
    }
    if (!replaceList(kept))
        return;
    fillshoplist();
    setCurrentRow(row < rowCount() ? row : 0);
}

void ShoppingListPanel::clearlistcmdClick() {
    Dialogs::Message box;
    box.text = tr("Erase the contents of this Shopping List? This is an irreversable move!  Are you sure?");
    box.title = tr("Confirm");
    box.buttons = Dialogs::Buttons::YesNo;
    box.icon = Dialogs::Icon::Question;
    if (m_dialogs.message(box) != Dialogs::Answer::Yes || !stillAsShown())
        return;
    if (replaceList({}))
        showEmptyList();
}

void ShoppingListPanel::printlistcmdClick() {
    m_pantmod.printrows = rowCount();
    m_pantmod.printtotal = tabtxt->text();
    // The print dialog takes it from here.
}

// Writes the list anew with these records; on failure the old list stays as it was.
bool ShoppingListPanel::replaceList(const QList<Record>& records) {
    RecordFile* list = m_pantmod.session.files().file(ShoppingChannel);
    if (!list || !list->rewrite(records)) {
        reportFileError(list ? list->errorString() : m_pantmod.session.files().errorString());
        return false;
    }
    m_pantmod.session.setShoppingCount(list->count());
    return true;
}

bool ShoppingListPanel::stillAsShown() {
    if (listAsShown())
        return true;
    Q_EMIT changedUnderneath(m_pantmod.session.shoppingListPath());
    return false;
}

void ShoppingListPanel::reportFileError(const QString& error) {
    showFileError(m_dialogs, error);
}

} // namespace pantrex
