// SPDX-License-Identifier: MIT
// The shopping list read from any bytes: one row per record in item order, each with its cost and
// quantity prefix, the running total and the caption; a list file shorter than the count kept for
// it is shown as the file holds it.
#include "fuzzsupport.h"

#include "data/ansitext.h"
#include "data/numbertext.h"
#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "state/pantmod.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

using namespace pantrex;
using pantrex::fuzz::escaped;

namespace {

const QString ListFile = QStringLiteral("grocery.lst");

struct Window {
    fuzz::Folder folder;
    fuzz::RecordingDialogs dialogs;
    PANTMOD pantmod{folder.path()};
    ProductView products{pantmod, dialogs};
    ShoppingListPanel list{pantmod, dialogs, products};
};

void checkRows(Window& w, const QByteArray& bytes) {
    const PANTMOD& p = w.pantmod;
    const qint64 count = p.shopcount;
    FUZZ_CHECK(p.shopnames.size() == count && p.shopcats.size() == count && p.shopcosts.size() == count &&
                   p.shoprecnos.size() == count && p.shopprefix.size() == count,
               QStringLiteral("%1 rows for %2 records").arg(p.shoprecnos.size()).arg(count));
    FUZZ_CHECK(w.list.rowCount() == count, QStringLiteral("%1 rows shown").arg(w.list.rowCount()));
    std::vector<bool> seen(size_t(count) + 1);
    double sum = 0;
    for (qint64 row = 0; row < count; ++row) {
        const qint64 n = p.shoprecnos.at(row);
        FUZZ_CHECK(n >= 1 && n <= count && !seen[size_t(n)], QStringLiteral("record %1 at row %2").arg(n).arg(row));
        seen[size_t(n)] = true;
        const QByteArrayView record =
            QByteArrayView(bytes).sliced((n - 1) * ShoppingRecord::Length, ShoppingRecord::Length);
        const QString which = QStringLiteral("row %1, record %2: ").arg(row).arg(n) + escaped(record);
        FUZZ_CHECK(p.shopnames.at(row) == fuzz::fieldOf(record, ShoppingRecord::ItemText), which);
        FUZZ_CHECK(p.shopcats.at(row) == fuzz::fieldOf(record, ShoppingRecord::Category), which);
        const QByteArray cost = p.shopcosts.at(row);
        const QByteArrayView costText = fieldText(fuzz::fieldOf(record, ShoppingRecord::LineCost));
        // A cost of nothing but blanks and tabs stays empty.
        const bool noCost = std::all_of(costText.begin(), costText.end(), [](char c) { return c == ' ' || c == '\t'; });
        FUZZ_CHECK(noCost ? cost.isEmpty() : fuzz::isMoney(cost), which + QStringLiteral(" cost ") + escaped(cost));
        sum += numberValue(costText);
        const QByteArrayView quantity = fieldText(fuzz::fieldOf(record, ShoppingRecord::Quantity));
        const QByteArray prefix = p.shopprefix.at(row);
        FUZZ_CHECK(numberValue(quantity) == 1 ? prefix == "     " : prefix == "(" + quantity.toByteArray() + ") ",
                   which + QStringLiteral(" prefix ") + escaped(prefix));
        const QString shown = w.list.list2->model()->index(int(row), 0).data().toString();
        FUZZ_CHECK(shown == fromAnsi(prefix + p.shopnames.at(row)).replace(QChar(0), QLatin1Char(' ')),
                   which + QStringLiteral(" shown as ") + fuzz::escapedText(shown));
        // Rows in item order, byte by byte; equal items in file order.
        if (row > 0) {
            const QByteArray& before = p.shopnames.at(row - 1);
            FUZZ_CHECK(fuzz::byteLess(before, p.shopnames.at(row)) ||
                           (before == p.shopnames.at(row) && p.shoprecnos.at(row - 1) < n),
                       which);
        }
    }
    // The total, rounded to cents after each record, as money; the caption shows it.
    const QByteArray total = toAnsi(w.list.tabtxt->text());
    FUZZ_CHECK(fuzz::isMoney(total), escaped(total));
    FUZZ_CHECK(std::fabs(numberValue(total) - sum) <= 0.0051 * double(count) + 1e-9 * std::fabs(sum),
               escaped(total) + QStringLiteral(" for a sum of %1").arg(sum, 0, 'f', 6));
    const QString caption = QStringLiteral("grocery ($") + w.list.tabtxt->text().trimmed() + QStringLiteral(")");
    FUZZ_CHECK(w.list.listlbl->text() == caption && p.savedcaption == caption, w.list.listlbl->text());
}

} // namespace

PANTREX_FUZZ_STARTS_QT(true)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto window = std::make_unique<Window>();
    Window& w = *window;
    fuzz::Input input(data, size);
    // Now and then the count kept for the list is larger than the file: another program shortened it.
    const qint64 missing = input.pick(8) == 7 ? 1 + input.pick(3) : 0;
    const QByteArray bytes = input.rest().toByteArray();

    w.pantmod.session.files().close(ShoppingChannel);
    w.folder.write(ListFile, bytes);
    RecordFile* file = w.pantmod.session.files().open(ShoppingChannel, ListFile, ShoppingRecord::Length);
    FUZZ_CHECK(file, w.pantmod.session.files().errorString());
    w.pantmod.session.setShoppingListPath(ListFile);
    w.pantmod.session.setShoppingCount(file->count() + missing);
    w.dialogs.shown.clear();

    w.list.fillshoplist();

    // The list shows the file as it is now, whatever count was kept for it.
    FUZZ_CHECK(w.pantmod.session.shoppingCount() == file->count(),
               QStringLiteral("count %1 for %2 records").arg(w.pantmod.session.shoppingCount()).arg(file->count()));
    if (w.pantmod.session.shoppingCount() == 0) {
        // Nothing to show: no rows are left for records that are gone.
        FUZZ_CHECK(w.pantmod.shoprecnos.isEmpty() && w.list.rowCount() == 0, QStringLiteral("rows left"));
        FUZZ_CHECK(w.dialogs.shown.isEmpty(), QStringLiteral("%1 boxes shown").arg(w.dialogs.shown.size()));
        return 0;
    }
    FUZZ_CHECK(w.dialogs.shown.isEmpty(), w.dialogs.shown.constFirst().text);
    checkRows(w, bytes);
    return 0;
}
