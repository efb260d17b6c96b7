// SPDX-License-Identifier: MIT
#pragma once

#include "core/notice.h"
#include "data/filestamp.h"
#include "data/records.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace pantrex {

class RecordFile;
class Session;

// One row of the shopping list as it is shown, in display order.
struct ShoppingRow {
    QByteArray itemText;       // the item text as stored (40 bytes)
    QByteArray category;       // the category as stored
    QByteArray cost;           // the line cost, formatted as money
    qint64 recordNumber = 0;   // the record in the shopping list file, from 1
    QByteArray quantity;       // the quantity as stored
    QByteArray quantityPrefix; // five blanks for one of an item, else "(quantity) "

    // The row as the list shows it: the prefix and the item text, zero bytes as blanks.
    QString shownText() const;
};

// What an operation on the shopping list came to.
struct ShoppingListResult {
    enum class Status {
        Done,              // the list file was written (the notice, if any, tells of a write that failed)
        NotDone,           // nothing was written; the notice, if any, says why
        ChangedUnderneath, // changedFile was changed by another program since it was shown; nothing written
    };
    Status status = Status::Done;
    std::optional<Notice> notice; // what to tell the user, when there is something
    QString changedFile;

    static ShoppingListResult done() { return {}; }
    static ShoppingListResult notDone(std::optional<Notice> notice = std::nullopt) {
        return {Status::NotDone, std::move(notice), QString()};
    }
    static ShoppingListResult changed(const QString& file) { return {Status::ChangedUnderneath, std::nullopt, file}; }
};

// The open shopping list: its rows as they were last read from the file, sorted for showing,
// with the running total, and the operations that add, change, remove and erase items. Every
// operation first makes sure the file is still what the rows were built from: another program may
// have changed it, and then nothing is written. After an operation that wrote, reload() shows the
// file as it is; whenever the rows change the session's shoppingListChanged() is sent.
// Shopping records grouped by category, as the grouped printout and the phone view show them:
// the groups in the order of their category texts compared character by character (capitals
// first), the items of a group (indexes into the records) in the order they were added. With a
// store's aisle order, the categories of the order come first, in its order, and the others after.
struct CategoryGroup {
    QByteArray category;
    QList<qsizetype> items;
};
QList<CategoryGroup> groupByCategory(const QList<Record>& records, const QList<QByteArray>& aisleOrder = {});

class ShoppingList {
    Q_DECLARE_TR_FUNCTIONS(pantrex::ShoppingListPanel)

public:
    explicit ShoppingList(Session& session);

    const QList<ShoppingRow>& rows() const { return m_rows; }
    // The records the rows were built from, in file order (record n at n - 1).
    const QList<Record>& shownRecords() const { return m_shownRecords; }
    // The sum of the line costs, formatted as money ("" for an empty list).
    QString total() const { return m_total; }
    // The list's base name and a total, as its heading shows them: "grocery ($4.09)".
    QString caption(const QString& total) const;

    // Reads the file again when it changed since the rows were built; a failed read leaves the
    // rows as they were and tells why.
    std::optional<Notice> reload();
    // Forgets the rows: the list shows as empty from the file as it is now.
    void clear();
    // Whether the rows still stand for the file: nothing changed it since they were built, or no
    // rows are shown and the file holds nothing.
    bool asShown() const;
    // asShown(), or the shopping list file named as changed underneath.
    ShoppingListResult checkAsShown() const;

    // Adds a line for each product (record numbers in the product catalogue) with this quantity.
    // One line cost that does not fit stops them all; a write that fails stops the rest.
    ShoppingListResult add(const QList<qint64>& products, const QByteArray& quantity);

    // Changing a row asks two questions between checks: checkChange() before them, checkQuantity()
    // once the new quantity is known, changeItem() with both answers (an empty text keeps the item's).
    ShoppingListResult checkChange(int row) const;
    ShoppingListResult checkQuantity(int row, const QByteArray& quantity) const;
    ShoppingListResult changeItem(int row, const QByteArray& quantity, const QByteArray& text);

    // Removes the row's item: of several items with the same text (ignoring case), the first in the
    // file goes. Removing the last row leaves the list empty.
    ShoppingListResult remove(int row);
    // Empties the list file.
    ShoppingListResult erase();

private:
    std::optional<Notice> rebuild(QList<Record> records);
    ShoppingListResult replaceList(const QList<Record>& records);
    static Notice costTooLarge(const QByteArray& item, double cost, const QString& consequence, const QString& title);
    Notice fileError(const RecordFile* file) const;
    FileStamp stampNow() const;

    Session& m_session;
    QList<ShoppingRow> m_rows;
    QString m_total;
    // The file as it was when the rows were built, and its records then.
    FileStamp m_shownFrom;
    QList<Record> m_shownRecords;
};

} // namespace pantrex
