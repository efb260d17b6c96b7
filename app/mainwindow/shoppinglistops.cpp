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

namespace pantrex {

namespace {

// A stored field as the user sees it: zero bytes, which no box can show, as blanks.
QString shownText(const QByteArray& field) {
    return fromAnsi(field).replace(QChar(0), QLatin1Char(' '));
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
    if (m_products.currentRow() < 0) {
        m_dialogs.message(okBox(QStringLiteral("Select an item!"), QStringLiteral("Add...")));
        m_pantmod.addmode.clear();
        return;
    }
    QByteArray quantity = "1";
    if (m_pantmod.addmode == QLatin1String("1")) {
        Dialogs::Input box;
        box.prompt = QStringLiteral("Enter a quantity...");
        box.defaultText = QStringLiteral("2");
        quantity = toAnsi(m_dialogs.input(box));
        if (quantity.isEmpty()) {
            m_pantmod.addmode.clear();
            return;
        }
    }
    const double amount = numberValue(quantity);
    // Every line is made before any is written: one cost that does not fit stops them all.
    QList<Record> items;
    for (const int row : m_products.selectedRows()) {
        const QByteArrayView product = m_pantmod.catalog.record(m_pantmod.recmap.at(row));
        const Record from(ProductRecord::Length, product);
        const double cost = amount * numberValue(m_pantmod.prodprice(row));
        const std::optional<QByteArray> costField =
            fitNumberField(leadingBlankForm(cost), ShoppingRecord::LineCost.width);
        if (!costField) {
            refuseCost(from.text(ProductRecord::ItemName), cost, QStringLiteral("Nothing was added."),
                       QStringLiteral("Add..."));
            m_pantmod.addmode.clear();
            return;
        }
        Record item(ShoppingRecord::Length);
        item.set(ShoppingRecord::ItemText, from.raw(ProductRecord::ItemName));
        item.set(ShoppingRecord::Quantity, quantity);
        item.set(ShoppingRecord::LineCost, *costField);
        item.set(ShoppingRecord::Category, from.raw(ProductRecord::Category));
        items.append(item);
    }
    RecordFile* list = m_pantmod.files.file(ShoppingChannel);
    for (const Record& item : std::as_const(items)) {
        if (!list || !list->append(item)) {
            reportFileError(list ? list->errorString() : m_pantmod.files.errorString());
            break;
        }
        m_pantmod.shopcount += 1;
    }
    fillshoplist();
    m_pantmod.addmode.clear();
}

// A line cost is stored in a field of six characters: it may lose decimals there, never whole digits.
void ShoppingListPanel::refuseCost(const QByteArray& item, double cost, const QString& consequence,
                                   const QString& title) {
    Dialogs::Message box;
    box.text = QStringLiteral("The cost of %1, %2, is too large for the shopping list.  %3")
                   .arg(fromAnsi(item), fromAnsi(formatMoney(cost)), consequence);
    box.title = title;
    box.icon = Dialogs::Icon::Exclamation;
    m_dialogs.message(box);
}

// Changes the quantity and text of the double-clicked row; the cost keeps its unit price.
void ShoppingListPanel::modifyRow() {
    m_pantmod.addmode.clear();
    const int row = currentRow();
    RecordFile* list = m_pantmod.files.file(ShoppingChannel);
    if (row < 0 || row >= m_pantmod.shoprecnos.size() || !list)
        return;
    const qint64 recordNumber = m_pantmod.shoprecnos.at(row);
    std::optional<Record> read = list->read(recordNumber);
    if (!read) {
        reportFileError(list->errorString());
        return;
    }
    Record& record = *read;

    Dialogs::Input askQuantity;
    askQuantity.prompt = QStringLiteral("Enter a NEW quantity for ") + shownText(record.raw(ShoppingRecord::ItemText));
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
        refuseCost(record.text(ShoppingRecord::ItemText), cost, QStringLiteral("The item was not changed."),
                   Dialogs::programTitle());
        return;
    }
    record.set(ShoppingRecord::Quantity, quantity);
    record.set(ShoppingRecord::LineCost, *costField);

    const QByteArray itemText = record.text(ShoppingRecord::ItemText);
    Dialogs::Input askText;
    askText.prompt = QStringLiteral("Modify the item information for ") + fromAnsi(itemText);
    askText.defaultText = fromAnsi(itemText);
    const QByteArray newText = toAnsi(m_dialogs.input(askText));
    if (!newText.isEmpty())
        record.set(ShoppingRecord::ItemText, newText);

    if (!list->write(recordNumber, record))
        reportFileError(list->errorString());
    fillshoplist();
}

void ShoppingListPanel::foodoffcmdClick() {
    const int row = currentRow();
    if (row < 0) {
        m_dialogs.message(okBox(QStringLiteral("Select an item"), QStringLiteral("Remove...")));
        return;
    }
    if (rowCount() == 1) {
        if (replaceList({}))
            showEmptyList();
        return;
    }
    // Of several items with the same text (ignoring case), the first in the file goes.
    RecordFile* list = m_pantmod.files.file(ShoppingChannel);
    const QByteArray removed = ansiLower(m_pantmod.shopnames.at(row));
    std::optional<QList<Record>> read = list ? list->readFirst(m_pantmod.shopcount) : std::nullopt;
    if (!read) {
        // Never write the list again from records that could not be read.
        reportFileError(list ? list->errorString() : m_pantmod.files.errorString());
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
    box.text = QStringLiteral("Erase the contents of this Shopping List? This is an irreversable move!  Are you sure?");
    box.title = QStringLiteral("Confirm");
    box.buttons = Dialogs::Buttons::YesNo;
    box.icon = Dialogs::Icon::Question;
    if (m_dialogs.message(box) != Dialogs::Answer::Yes)
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
    RecordFile* list = m_pantmod.files.file(ShoppingChannel);
    if (!list || !list->rewrite(records)) {
        reportFileError(list ? list->errorString() : m_pantmod.files.errorString());
        return false;
    }
    m_pantmod.shopcount = list->count();
    return true;
}

void ShoppingListPanel::reportFileError(const QString& error) {
    showFileError(m_dialogs, error);
}

} // namespace pantrex
