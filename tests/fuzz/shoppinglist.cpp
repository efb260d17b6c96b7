// SPDX-License-Identifier: MIT
// The shopping list read from any bytes: one row per record in item order, each with its cost and
// quantity prefix, the running total and the caption; a list file shorter than the count kept for
// it is shown as the file holds it.
#include "fuzzsupport.h"

#include "core/session.h"
#include "core/shoppinglist.h"
#include "data/ansitext.h"
#include "data/numbertext.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

using namespace pantrex;
using pantrex::fuzz::escaped;

namespace {

const QString ListFile = QStringLiteral("grocery.lst");

struct List {
    fuzz::Folder folder;
    Session session{folder.path()};
    ShoppingList& list = session.shoppingList();
};

void checkRows(List& w, const QByteArray& bytes) {
    const QList<ShoppingRow>& rows = w.list.rows();
    const qint64 count = w.session.shoppingCount();
    FUZZ_CHECK(rows.size() == count, QStringLiteral("%1 rows for %2 records").arg(rows.size()).arg(count));
    std::vector<bool> seen(size_t(count) + 1);
    double sum = 0;
    for (qint64 row = 0; row < count; ++row) {
        const ShoppingRow& shownRow = rows.at(row);
        const qint64 n = shownRow.recordNumber;
        FUZZ_CHECK(n >= 1 && n <= count && !seen[size_t(n)], QStringLiteral("record %1 at row %2").arg(n).arg(row));
        seen[size_t(n)] = true;
        const QByteArrayView record =
            QByteArrayView(bytes).sliced((n - 1) * ShoppingRecord::Length, ShoppingRecord::Length);
        const QString which = QStringLiteral("row %1, record %2: ").arg(row).arg(n) + escaped(record);
        FUZZ_CHECK(shownRow.itemText == fuzz::fieldOf(record, ShoppingRecord::ItemText), which);
        FUZZ_CHECK(shownRow.category == fuzz::fieldOf(record, ShoppingRecord::Category), which);
        const QByteArray cost = shownRow.cost;
        const QByteArrayView costText = fieldText(fuzz::fieldOf(record, ShoppingRecord::LineCost));
        // A cost of nothing but blanks and tabs stays empty.
        const bool noCost = std::all_of(costText.begin(), costText.end(), [](char c) { return c == ' ' || c == '\t'; });
        FUZZ_CHECK(noCost ? cost.isEmpty() : fuzz::isMoney(cost), which + QStringLiteral(" cost ") + escaped(cost));
        sum += numberValue(costText);
        const QByteArrayView quantity = fieldText(fuzz::fieldOf(record, ShoppingRecord::Quantity));
        const QByteArray prefix = shownRow.quantityPrefix;
        FUZZ_CHECK(numberValue(quantity) == 1 ? prefix == "     " : prefix == "(" + quantity.toByteArray() + ") ",
                   which + QStringLiteral(" prefix ") + escaped(prefix));
        const QString shown = shownRow.shownText();
        FUZZ_CHECK(shown == fromAnsi(prefix + shownRow.itemText).replace(QChar(0), QLatin1Char(' ')),
                   which + QStringLiteral(" shown as ") + fuzz::escapedText(shown));
        // Rows in item order, byte by byte; equal items in file order.
        if (row > 0) {
            const QByteArray& before = rows.at(row - 1).itemText;
            FUZZ_CHECK(fuzz::byteLess(before, shownRow.itemText) ||
                           (before == shownRow.itemText && rows.at(row - 1).recordNumber < n),
                       which);
        }
    }
    // The total, rounded to cents after each record, as money; the caption shows it.
    const QByteArray total = toAnsi(w.list.total());
    FUZZ_CHECK(fuzz::isMoney(total), escaped(total));
    FUZZ_CHECK(std::fabs(numberValue(total) - sum) <= 0.0051 * double(count) + 1e-9 * std::fabs(sum),
               escaped(total) + QStringLiteral(" for a sum of %1").arg(sum, 0, 'f', 6));
    const QString caption = QStringLiteral("grocery ($") + w.list.total().trimmed() + QStringLiteral(")");
    FUZZ_CHECK(w.list.caption(w.list.total()) == caption, w.list.caption(w.list.total()));
}

} // namespace

PANTREX_FUZZ_STARTS_QT(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto list = std::make_unique<List>();
    List& w = *list;
    fuzz::Input input(data, size);
    // Now and then the count kept for the list is larger than the file: another program shortened it.
    const qint64 missing = input.pick(8) == 7 ? 1 + input.pick(3) : 0;
    const QByteArray bytes = input.rest().toByteArray();

    w.session.files().close(ShoppingChannel);
    w.folder.write(ListFile, bytes);
    RecordFile* file = w.session.files().open(ShoppingChannel, ListFile, ShoppingRecord::Length);
    FUZZ_CHECK(file, w.session.files().errorString());
    w.session.setShoppingListPath(ListFile);
    w.session.setShoppingCount(file->count() + missing);
    const std::optional<Notice> failure = w.list.reload();

    // The list shows the file as it is now, whatever count was kept for it.
    FUZZ_CHECK(w.session.shoppingCount() == file->count(),
               QStringLiteral("count %1 for %2 records").arg(w.session.shoppingCount()).arg(file->count()));
    if (w.session.shoppingCount() == 0) {
        // Nothing to show: no rows are left for records that are gone.
        FUZZ_CHECK(w.list.rows().isEmpty(), QStringLiteral("rows left"));
        FUZZ_CHECK(!failure, failure->text);
        return 0;
    }
    FUZZ_CHECK(!failure, failure->text);
    checkRows(w, bytes);
    return 0;
}
