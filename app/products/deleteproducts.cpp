// SPDX-License-Identifier: MIT
#include "deleteproducts.h"

#include "data/ansitext.h"
#include "platform/dialogs.h"
#include "products/productfiles.h"
#include "state/pantmod.h"

#include <QCoreApplication>
#include <QSet>

#include <vector>

namespace pantrex {

namespace {

struct ProductTexts {
    Q_DECLARE_TR_FUNCTIONS(Products)
};

using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;

Answer ask(Dialogs& dialogs, const QString& text, const QString& title, Buttons buttons, Icon icon) {
    Dialogs::Message box;
    box.text = text;
    box.title = title;
    box.buttons = buttons;
    box.icon = icon;
    return dialogs.message(box);
}

// Other shopping lists without products of their own share the default list, so the first
// deletion from it after a list was opened asks first. Returns false when the user declines.
bool passDefaultListWarning(PANTMOD& pantmod, Dialogs& dialogs) {
    if (pantmod.session.defaultListWarned() ||
        pantmod.session.productListPath().compare(DataFile::DefaultProducts, Qt::CaseInsensitive) != 0)
        return true;
    const Answer answer =
        ask(dialogs,
            ProductTexts::tr("This is the default master list and is used for any shopping lists that "
                             "do not have their own master list.  Deletions here may affect other "
                             "lists, now and in the future.  Do you wish to proceed??"),
            ProductTexts::tr("WARNING!"), Buttons::YesNo, Icon::Exclamation);
    pantmod.session.setDefaultListWarned(true);
    return answer == Answer::Yes;
}

enum class Confirmation { Stop, AllAtOnce, OneByOne };

Confirmation confirm(Dialogs& dialogs, qsizetype selected, qint64 count) {
    if (selected == count &&
        ask(dialogs,
            ProductTexts::tr("This will wipe out this ENTIRE master product list.  Is that what you want to do??"),
            ProductTexts::tr("Confirm"), Buttons::YesNo, Icon::Exclamation) != Answer::Yes)
        return Confirmation::Stop;
    if (selected > 1) {
        const Answer answer = ask(dialogs, ProductTexts::tr("Do you wish to confirm each item for deletion?"),
                                  ProductTexts::tr("?"), Buttons::YesNoCancel, Icon::Question);
        if (answer == Answer::Yes)
            return Confirmation::OneByOne;
        if (answer != Answer::No)
            return Confirmation::Stop;
    }
    if (ask(dialogs, ProductTexts::tr("Delete selected item(s)?"), ProductTexts::tr("Confirm"), Buttons::YesNo,
            Icon::Question) != Answer::Yes)
        return Confirmation::Stop;
    return Confirmation::AllAtOnce;
}

bool confirmOne(Dialogs& dialogs, QByteArrayView record) {
    const QString name =
        fromAnsi(fieldText(record.sliced(ProductRecord::ItemName.offset, ProductRecord::ItemName.width)));
    return ask(dialogs, ProductTexts::tr("Delete %1?").arg(name), ProductTexts::tr("Confirm"), Buttons::YesNo,
               Icon::Question) == Answer::Yes;
}

} // namespace

AfterDeletion deleteproducts(PANTMOD& pantmod, Dialogs& dialogs, const QList<qint64>& selectedRecords,
                             QByteArrayView shownContent) {
    if (pantmod.session.productCount() == 0)
        return AfterDeletion::Nothing;
    if (selectedRecords.isEmpty()) {
        Dialogs::Message box;
        box.text = ProductTexts::tr("No item selected.");
        box.title = ProductTexts::tr("Oops!");
        dialogs.message(box);
        return AfterDeletion::Nothing;
    }
    if (!passDefaultListWarning(pantmod, dialogs))
        return AfterDeletion::Nothing;
    RecordFile* products = openProductFile(pantmod, dialogs);
    if (!products)
        return AfterDeletion::Nothing;

    // The file itself says how many products there are; the rows on screen may be older.
    const qint64 count = products->count();
    const QSet<qint64> toDelete(selectedRecords.cbegin(), selectedRecords.cend());
    const Confirmation confirmation = confirm(dialogs, toDelete.size(), count);
    if (confirmation == Confirmation::Stop)
        return AfterDeletion::Nothing;

    // The record numbers are those of the rows the user chose from: if the file holds anything else
    // now, they may name other products.
    const std::optional<bool> unchanged = products->holds(shownContent);
    if (!unchanged) {
        reportFileError(dialogs, products->errorString());
        return AfterDeletion::Nothing;
    }
    if (!*unchanged)
        return AfterDeletion::FileChanged;
    std::vector<bool> selected(size_t(count) + 1, false);
    for (const qint64 n : toDelete) {
        if (n >= 1 && n <= count)
            selected[size_t(n)] = true;
    }
    // Kept records go back exactly as they are in the file, reserved fields included: in runs,
    // between the dropped ones, straight from the bytes shown (which the file holds).
    auto recordsFrom = [shownContent](qint64 first, qint64 last) {
        return shownContent.sliced((first - 1) * ProductRecord::Length, (last - first + 1) * ProductRecord::Length);
    };
    QList<QByteArrayView> kept;
    std::vector<qint32> removed;
    qint64 runStart = 1;
    for (qint64 n = 1; n <= count; ++n) {
        if (!selected[size_t(n)] || (confirmation == Confirmation::OneByOne && !confirmOne(dialogs, recordsFrom(n, n))))
            continue;
        kept.append(recordsFrom(runStart, n - 1));
        removed.push_back(qint32(n));
        runStart = n + 1;
    }
    kept.append(recordsFrom(runStart, count));
    if (removed.empty()) {
        pantmod.session.setProductCount(count);
        return AfterDeletion::RebuildProductView;
    }
    // The product list in memory may be the content shown: it then follows the deletion rather than
    // reading the whole file again.
    ProductCatalog& catalog = pantmod.session.catalog();
    const bool shownFromCatalog = catalog.stamp().path == products->path() &&
                                  catalog.bytes().data() == shownContent.data() &&
                                  catalog.bytes().size() == shownContent.size();
    if (!products->rewritePieces(kept)) {
        reportFileError(dialogs, products->errorString());
        return AfterDeletion::Nothing;
    }
    if (shownFromCatalog)
        catalog.followRemoval(pantmod.session.files(), pantmod.session.productListPath(), removed);
    pantmod.session.setProductCount(products->count());
    return pantmod.session.productCount() == 0 ? AfterDeletion::EmptyProductView : AfterDeletion::RebuildProductView;
}

} // namespace pantrex
