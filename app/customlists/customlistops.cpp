// SPDX-License-Identifier: MIT
// The operations that add to the custom lists file, and the preview.
#include "customlistops.h"

#include "customlists/customlistboxes.h"
#include "data/ansitext.h"
#include "data/numbertext.h"
#include "state/pantmod.h"

#include <QCoreApplication>

namespace pantrex {

namespace {

struct CustomTexts {
    Q_DECLARE_TR_FUNCTIONS(CustomLists)
};

constexpr int PreviewOneColumn = 15;

QString tooFewProducts(const QString& first) {
    return first + CustomTexts::tr("\n                          (See \"Help\" on the Custom lists menu.)");
}

QString nowOnFile(QByteArrayView name) {
    return CustomTexts::tr("Product List for %1 is now on file.").arg(shownText(name));
}

// The selected products' records from the product file (channel 1); nothing when one cannot be read,
// so that a list is never made of some of them.
std::optional<QList<Record>> readProducts(PANTMOD& pantmod, Dialogs& dialogs, const QList<qint64>& recnos) {
    RecordFile* products = pantmod.session.files().file(ProductChannel);
    if (!products) {
        showFileError(
            dialogs, CustomTexts::tr("Could not read %1: the file is not open").arg(pantmod.session.productListPath()));
        return std::nullopt;
    }
    QList<Record> records;
    records.reserve(recnos.size());
    for (const qint64 recno : recnos) {
        std::optional<Record> record = products->read(recno);
        if (!record) {
            showFileError(dialogs, products->errorString());
            return std::nullopt;
        }
        records.append(*record);
    }
    return records;
}

// The products as records of the named list, in the order given.
QList<Record> listRecords(QByteArrayView listName, const QList<Record>& products) {
    QList<Record> records;
    records.reserve(products.size());
    for (const Record& product : products)
        records.append(customRecord(listName, product.raw(ProductRecord::ItemName), product.raw(ProductRecord::Price),
                                    product.raw(ProductRecord::Category)));
    return records;
}

// A shopping record's unit price in the price field: its line cost divided by its quantity, or the
// line cost itself when the quantity reads as 0. Nothing when the whole digits would not fit.
std::optional<QByteArray> unitPrice(const Record& item) {
    const double cost = numberValue(item.text(ShoppingRecord::LineCost));
    const double quantity = numberValue(item.text(ShoppingRecord::Quantity));
    return fitNumberField(leadingBlankForm(quantity == 0 ? cost : cost / quantity), CustomListRecord::Amount.width);
}

} // namespace

void createlist(PANTMOD& pantmod, Dialogs& dialogs, CustomListCatalog& catalog, const QList<qint64>& selectedProducts) {
    if (selectedProducts.size() < 2) {
        say(dialogs, tooFewProducts(CustomTexts::tr(
                         "A custom list requires selection of more than one item on the Product List.")));
        return;
    }
    if (!loadcustomlists(pantmod, dialogs, catalog))
        return;
    QByteArray name;
    for (;;) {
        const QString answer =
            askName(dialogs, CustomTexts::tr("Type a name for this custom Product List."), Dialogs::programTitle());
        if (answer.isEmpty())
            return;
        name = storedName(answer);
        if (!catalog.contains(name))
            break;
        say(dialogs, CustomTexts::tr("Name already exists!"), CustomTexts::tr("Oops!"));
    }
    name = propercase(name);
    const std::optional<QList<Record>> products = readProducts(pantmod, dialogs, selectedProducts);
    RecordFile* file = pantmod.session.files().file(CustomListChannel);
    if (!products || !file)
        return;
    if (appendCustomRecords(pantmod, dialogs, *file, listRecords(name, *products)) == products->size())
        say(dialogs, nowOnFile(name));
}

void addtolist(PANTMOD& pantmod, Dialogs& dialogs, const QList<qint64>& selectedProducts) {
    if (selectedProducts.isEmpty()) {
        say(dialogs,
            tooFewProducts(CustomTexts::tr("First you must select item(s) to be added from the Product List.")));
        return;
    }
    const QString shown = trimmedName(pantmod.chosenlist);
    if (ask(dialogs, CustomTexts::tr("Add the selected Product List item(s) to %1?").arg(shown),
            CustomTexts::tr("Confirm"), Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    const std::optional<QList<Record>> products = readProducts(pantmod, dialogs, selectedProducts);
    RecordFile* file = products ? opencustomfile(pantmod, dialogs) : nullptr;
    if (!file)
        return;
    // The records carry the list's name exactly as it is stored, so they join that very list.
    const qsizetype added = appendCustomRecords(pantmod, dialogs, *file, listRecords(pantmod.chosenlist, *products));
    if (added > 0)
        say(dialogs, CustomTexts::tr("%1 Product(s) added to %2.").arg(QString::number(added), shown));
}

void previewlist(PANTMOD& pantmod, Dialogs& dialogs, CustomListCatalog& catalog) {
    const bool loaded = loadcustomlists(pantmod, dialogs, catalog);
    pantmod.session.files().close(CustomListChannel);
    if (!loaded)
        return;
    const QList<ListItem> items = catalog.items(pantmod.chosenlist);
    QString text;
    if (items.size() <= PreviewOneColumn) {
        for (const ListItem& item : items)
            text += shownText(item.text) + QLatin1Char('\n');
    } else {
        for (qsizetype i = 0; i < items.size(); i += 2) {
            const QString second = i + 1 < items.size() ? shownText(items.at(i + 1).text) : QString();
            text += shownText(items.at(i).text) + QStringLiteral("   \t") + second + QLatin1Char('\n');
        }
    }
    say(dialogs, text, CustomTexts::tr("Preview of %1").arg(shownText(pantmod.chosenlist)));
}

void saveshoplist(PANTMOD& pantmod, Dialogs& dialogs, CustomListCatalog& catalog) {
    if (pantmod.session.shoppingCount() == 0) {
        say(dialogs, CustomTexts::tr("Create a shopping list first!"), CustomTexts::tr("Oops!"));
        return;
    }
    QByteArray name;
    for (;;) {
        const QString answer = askName(dialogs, CustomTexts::tr("Enter a name for this custom list"),
                                       CustomTexts::tr("Save shopping list........."));
        if (answer.isEmpty())
            return;
        if (!loadcustomlists(pantmod, dialogs, catalog))
            return;
        name = storedName(answer);
        if (!catalog.contains(name) ||
            ask(dialogs,
                CustomTexts::tr("Name already exists.  Add products to this custom list?  (This may cause duplication "
                                "of products.)"),
                CustomTexts::tr("Oops!"), Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes)
            break;
    }
    name = propercase(name);

    RecordFile* shopping = pantmod.session.files().file(ShoppingChannel);
    const std::optional<QList<Record>> items =
        shopping ? shopping->readFirst(pantmod.session.shoppingCount()) : std::nullopt;
    if (!items) {
        showFileError(dialogs, shopping ? shopping->errorString() : pantmod.session.files().errorString());
        return;
    }
    // Every price is worked out before anything is written: a list is saved whole or not at all.
    QList<Record> records;
    records.reserve(items->size());
    for (const Record& item : *items) {
        const std::optional<QByteArray> price = unitPrice(item);
        if (!price) {
            say(dialogs,
                CustomTexts::tr("The unit price of %1 is too large for a custom list. Nothing was saved.")
                    .arg(trimmedName(item.raw(ShoppingRecord::ItemText))),
                CustomTexts::tr("Oops!"), Dialogs::Icon::Exclamation);
            return;
        }
        records.append(
            customRecord(name, item.raw(ShoppingRecord::ItemText), *price, item.raw(ShoppingRecord::Category)));
    }
    RecordFile* file = pantmod.session.files().file(CustomListChannel);
    if (file && appendCustomRecords(pantmod, dialogs, *file, records) == records.size())
        say(dialogs, nowOnFile(name));
}

} // namespace pantrex
