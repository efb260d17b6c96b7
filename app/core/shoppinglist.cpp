// SPDX-License-Identifier: MIT
#include "shoppinglist.h"

#include "core/aisleorder.h"
#include "core/session.h"
#include "data/ansitext.h"
#include "data/displaysort.h"
#include "data/filenames.h"
#include "data/numbertext.h"

#include <QHash>

#include <algorithm>
#include <numeric>
#include <vector>

namespace pantrex {

namespace {

bool sameRecords(const QList<Record>& some, const QList<Record>& others) {
    return std::equal(some.cbegin(), some.cend(), others.cbegin(), others.cend(),
                      [](const Record& a, const Record& b) { return a.bytes() == b.bytes(); });
}

// A changed quantity keeps the line's unit price. A quantity that reads as nothing leaves no unit
// price to take; the line cost stands for it.
double changedCost(const Record& record, const QByteArray& quantity) {
    const double oldQuantity = numberValue(record.text(ShoppingRecord::Quantity));
    const double oldCost = numberValue(record.text(ShoppingRecord::LineCost));
    const double unitPrice = oldQuantity == 0 ? oldCost : oldCost / oldQuantity;
    return unitPrice * numberValue(quantity);
}

} // namespace

QString ShoppingRow::shownText() const {
    return fromAnsi(quantityPrefix + itemText).replace(QChar(0), QLatin1Char(' '));
}

QList<CategoryGroup> groupByCategory(const QList<Record>& records, const QList<QByteArray>& aisleOrder) {
    QList<CategoryGroup> groups;
    QHash<QByteArray, qsizetype> at;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QByteArray category = records.at(i).text(ShoppingRecord::Category);
        auto known = at.constFind(category);
        if (known == at.constEnd()) {
            known = at.insert(category, groups.size());
            groups.append({category, {}});
        }
        groups[*known].items.append(i);
    }
    const AisleSort before(aisleOrder);
    std::stable_sort(groups.begin(), groups.end(), [&before](const CategoryGroup& a, const CategoryGroup& b) {
        return before(a.category, b.category);
    });
    return groups;
}

ShoppingList::ShoppingList(Session& session) : m_session(session) {}

QString ShoppingList::caption(const QString& total) const {
    return baseName(m_session.shoppingListPath()) + QStringLiteral(" ($") + total.trimmed() + QStringLiteral(")");
}

FileStamp ShoppingList::stampNow() const {
    return FileStamp::of(m_session.files(), m_session.shoppingListPath());
}

Notice ShoppingList::fileError(const RecordFile* file) const {
    return Notice::fileError(file ? file->errorString() : m_session.files().errorString());
}

std::optional<Notice> ShoppingList::reload() {
    // The list is shown as the file holds it now: another program may have changed it.
    RecordFile* file = m_session.files().file(ShoppingChannel);
    if (file)
        m_session.setShoppingCount(file->count());
    const qint64 count = m_session.shoppingCount();
    const FileStamp now = stampNow();
    if (count == 0) {
        // Rows for records that are gone go; otherwise the operations that empty the list have
        // emptied the rows themselves.
        if (!m_rows.isEmpty())
            clear();
        m_shownFrom = now;
        m_shownRecords.clear();
        return std::nullopt;
    }
    if (now == m_shownFrom && m_shownRecords.size() == count && m_rows.size() == count)
        return std::nullopt;
    std::optional<QList<Record>> read = file ? file->readFirst(count) : std::nullopt;
    if (!read)
        return fileError(file);
    m_shownFrom = now;
    return rebuild(std::move(*read));
}

std::optional<Notice> ShoppingList::rebuild(QList<Record> records) {
    m_shownRecords = std::move(records);
    const QList<Record>& shown = m_shownRecords;
    QByteArray total;
    for (const Record& record : shown)
        total = formatMoney(numberValue(total) + numberValue(record.text(ShoppingRecord::LineCost)));
    std::vector<qint64> order(size_t(shown.size()));
    std::iota(order.begin(), order.end(), 1);
    displaySort(order, [&shown](qint64 n) { return QByteArrayView(shown.at(n - 1).bytes()).first(40); });

    m_rows.clear();
    m_rows.reserve(shown.size());
    for (const qint64 n : order) {
        const Record& record = shown.at(n - 1);
        ShoppingRow row;
        row.itemText = record.raw(ShoppingRecord::ItemText);
        row.category = record.raw(ShoppingRecord::Category);
        row.cost = formatMoney(record.text(ShoppingRecord::LineCost));
        row.recordNumber = n;
        row.quantity = record.raw(ShoppingRecord::Quantity);
        const QByteArray quantity = record.text(ShoppingRecord::Quantity);
        row.quantityPrefix = numberValue(quantity) == 1 ? QByteArray(5, ' ') : "(" + quantity + ") ";
        m_rows.append(std::move(row));
    }
    m_total = fromAnsi(total);
    m_session.notifyShoppingListChanged();
    return std::nullopt;
}

void ShoppingList::clear() {
    m_rows.clear();
    m_total.clear();
    m_shownFrom = stampNow();
    m_shownRecords.clear();
    m_session.notifyShoppingListChanged();
}

bool ShoppingList::asShown() const {
    if (stampNow() == m_shownFrom)
        return true;
    const RecordFile* file = m_session.files().file(ShoppingChannel);
    return m_rows.isEmpty() && m_shownRecords.isEmpty() && file && file->count() == 0;
}

ShoppingListResult ShoppingList::checkAsShown() const {
    return asShown() ? ShoppingListResult::done() : ShoppingListResult::changed(m_session.shoppingListPath());
}

// A line cost is stored in a field of six characters: it may lose decimals there, never whole digits.
Notice ShoppingList::costTooLarge(const QByteArray& item, double cost, const QString& consequence,
                                  const QString& title) {
    return {tr("The cost of %1, %2, is too large for the shopping list.  %3")
                .arg(fromAnsi(item), fromAnsi(formatMoney(cost)), consequence),
            title, Notice::Kind::Warning};
}

ShoppingListResult ShoppingList::add(const QList<qint64>& products, const QByteArray& quantity) {
    if (!asShown())
        return ShoppingListResult::changed(m_session.shoppingListPath());
    // Every line is made before any is written: one cost that does not fit stops them all.
    const ProductCatalog& catalog = m_session.catalog();
    const double amount = numberValue(quantity);
    QList<Record> lines;
    for (const qint64 n : products) {
        const Record product(ProductRecord::Length, catalog.record(n));
        const double cost = amount * numberValue(formatMoney(catalog.price(n)));
        const std::optional<QByteArray> costField =
            fitNumberField(leadingBlankForm(cost), ShoppingRecord::LineCost.width);
        if (!costField)
            return ShoppingListResult::notDone(
                costTooLarge(product.text(ProductRecord::ItemName), cost, tr("Nothing was added."), tr("Add...")));
        Record line(ShoppingRecord::Length);
        line.set(ShoppingRecord::ItemText, product.raw(ProductRecord::ItemName));
        line.set(ShoppingRecord::Quantity, quantity);
        line.set(ShoppingRecord::LineCost, *costField);
        line.set(ShoppingRecord::Category, product.raw(ProductRecord::Category));
        lines.append(line);
    }
    ShoppingListResult result;
    RecordFile* list = m_session.files().file(ShoppingChannel);
    for (const Record& line : std::as_const(lines)) {
        if (!list || !list->append(line)) {
            result.notice = fileError(list);
            break;
        }
        m_session.setShoppingCount(m_session.shoppingCount() + 1);
    }
    return result;
}

ShoppingListResult ShoppingList::checkChange(int row) const {
    const RecordFile* list = m_session.files().file(ShoppingChannel);
    if (row < 0 || row >= m_rows.size() || !list)
        return ShoppingListResult::notDone();
    if (!asShown())
        return ShoppingListResult::changed(m_session.shoppingListPath());
    const qint64 recordNumber = m_rows.at(row).recordNumber;
    const std::optional<Record> read = list->read(recordNumber);
    if (!read)
        return ShoppingListResult::notDone(fileError(list));
    if (!sameRecords({*read}, {m_shownRecords.at(recordNumber - 1)}))
        return ShoppingListResult::changed(m_session.shoppingListPath());
    return ShoppingListResult::done();
}

ShoppingListResult ShoppingList::checkQuantity(int row, const QByteArray& quantity) const {
    if (row < 0 || row >= m_rows.size())
        return ShoppingListResult::notDone();
    const Record& record = m_shownRecords.at(m_rows.at(row).recordNumber - 1);
    const double cost = changedCost(record, quantity);
    if (!fitNumberField(plainForm(cost), ShoppingRecord::LineCost.width))
        return ShoppingListResult::notDone(
            costTooLarge(record.text(ShoppingRecord::ItemText), cost, tr("The item was not changed."), QString()));
    return ShoppingListResult::done();
}

ShoppingListResult ShoppingList::changeItem(int row, const QByteArray& quantity, const QByteArray& text) {
    const UndoStep undo(m_session.undoHistory(), UndoCaptions::tr("Change item"), {m_session.shoppingListPath()});
    if (ShoppingListResult checked = checkQuantity(row, quantity); checked.status != ShoppingListResult::Status::Done)
        return checked;
    // The questions took their time: another program may have written meanwhile.
    if (!asShown())
        return ShoppingListResult::changed(m_session.shoppingListPath());
    RecordFile* list = m_session.files().file(ShoppingChannel);
    if (!list)
        return ShoppingListResult::notDone(fileError(list));
    const qint64 recordNumber = m_rows.at(row).recordNumber;
    Record record = m_shownRecords.at(recordNumber - 1);
    record.set(ShoppingRecord::LineCost,
               *fitNumberField(plainForm(changedCost(record, quantity)), ShoppingRecord::LineCost.width));
    record.set(ShoppingRecord::Quantity, quantity);
    if (!text.isEmpty())
        record.set(ShoppingRecord::ItemText, text);
    ShoppingListResult result;
    if (!list->write(recordNumber, record))
        result.notice = fileError(list);
    return result;
}

ShoppingListResult ShoppingList::remove(int row) {
    const UndoStep undo(m_session.undoHistory(), UndoCaptions::tr("Remove item"), {m_session.shoppingListPath()});
    if (row < 0 || row >= m_rows.size())
        return ShoppingListResult::notDone();
    if (!asShown())
        return ShoppingListResult::changed(m_session.shoppingListPath());
    if (m_rows.size() == 1)
        return erase();
    RecordFile* list = m_session.files().file(ShoppingChannel);
    std::optional<QList<Record>> read = list ? list->readFirst(m_session.shoppingCount()) : std::nullopt;
    if (!read) {
        // Never write the list again from records that could not be read.
        return ShoppingListResult::notDone(fileError(list));
    }
    if (!sameRecords(*read, m_shownRecords))
        return ShoppingListResult::changed(m_session.shoppingListPath());
    const QByteArray removed = ansiLower(m_rows.at(row).itemText);
    QList<Record>& kept = *read;
    for (qsizetype i = 0; i < kept.size(); ++i) {
        if (ansiLower(kept.at(i).raw(ShoppingRecord::ItemText)) == removed) {
            kept.removeAt(i);
            break;
        }
    }
    return replaceList(kept);
}

ShoppingListResult ShoppingList::erase() {
    const UndoStep undo(m_session.undoHistory(), UndoCaptions::tr("Erase list"), {m_session.shoppingListPath()});
    if (!asShown())
        return ShoppingListResult::changed(m_session.shoppingListPath());
    ShoppingListResult result = replaceList({});
    if (result.status == ShoppingListResult::Status::Done)
        clear();
    return result;
}

// Writes the list anew with these records; on failure the old list stays as it was.
ShoppingListResult ShoppingList::replaceList(const QList<Record>& records) {
    RecordFile* list = m_session.files().file(ShoppingChannel);
    if (!list || !list->rewrite(records))
        return ShoppingListResult::notDone(fileError(list));
    m_session.setShoppingCount(list->count());
    return ShoppingListResult::done();
}

} // namespace pantrex
