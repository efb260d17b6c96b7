// SPDX-License-Identifier: MIT
#include "customlists.h"

#include "core/session.h"
#include "data/numbertext.h"

#include <QSet>

#include <algorithm>

namespace pantrex {

namespace {

constexpr int PreviewOneColumn = 15;

QString tooFewProducts(const QString& first) {
    return first + CustomLists::tr("\n                          (See \"Help\" on the Custom lists menu.)");
}

Notice nowOnFile(QByteArrayView name) {
    return Notice::withoutTitle(CustomLists::tr("Product List for %1 is now on file.").arg(shownText(name)));
}

Notice changedElsewhere() {
    return Notice::withoutTitle(
        CustomLists::tr("The custom lists file was changed by another program while this list was shown. The list has "
                        "been read again: please select the items again."),
        Notice::Kind::Warning);
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

// The rows on screen are only acted on while the file still holds each of their records, byte for
// byte, under the same number.
bool stillOnFile(const QList<Record>& records, const QList<ListItem>& chosen) {
    return std::all_of(chosen.cbegin(), chosen.cend(), [&records](const ListItem& item) {
        return item.recno >= 1 && item.recno <= records.size() && records.at(item.recno - 1).bytes() == item.record;
    });
}

} // namespace

CustomLists::CustomLists(Session& session) : m_session(session), m_store(session) {}

std::optional<Notice> CustomLists::load() {
    QList<Notice> notices;
    if (!m_store.open(notices))
        return notices.constFirst();
    QString error;
    if (m_catalog.refresh(m_session.files(), error))
        return std::nullopt;
    return Notice::fileError(error);
}

bool CustomLists::nameInUse(const QString& typed) const {
    return m_catalog.contains(storedName(typed));
}

std::optional<Notice> CustomLists::checkNewList(qsizetype selectedProducts) const {
    if (selectedProducts >= 2)
        return std::nullopt;
    return Notice::withoutTitle(
        tooFewProducts(tr("A custom list requires selection of more than one item on the Product List.")));
}

std::optional<Notice> CustomLists::checkNewName(const QString& typed) const {
    if (!nameInUse(typed))
        return std::nullopt;
    return Notice{tr("Name already exists!"), tr("Oops!"), Notice::Kind::Plain, false};
}

QList<Notice> CustomLists::createList(const QString& typed, const QList<qint64>& products) {
    const QByteArray name = propercase(storedName(typed));
    QList<Notice> notices;
    const std::optional<QList<Record>> read = readProducts(products, notices);
    RecordFile* file = m_store.file();
    if (read && file && m_store.append(*file, listRecords(name, *read), notices) == read->size())
        notices.append(nowOnFile(name));
    return notices;
}

std::optional<Notice> CustomLists::checkAddToList(qsizetype selectedProducts) const {
    if (selectedProducts > 0)
        return std::nullopt;
    return Notice::withoutTitle(tooFewProducts(tr("First you must select item(s) to be added from the Product List.")));
}

QList<Notice> CustomLists::addToList(QByteArrayView listName, const QList<qint64>& products) {
    QList<Notice> notices;
    const std::optional<QList<Record>> read = readProducts(products, notices);
    RecordFile* file = read ? m_store.open(notices) : nullptr;
    if (!file)
        return notices;
    // The records carry the list's name exactly as it is stored, so they join that very list.
    const qsizetype added = m_store.append(*file, listRecords(listName, *read), notices);
    if (added > 0)
        notices.append(
            Notice::withoutTitle(tr("%1 Product(s) added to %2.").arg(QString::number(added), trimmedName(listName))));
    return notices;
}

QList<Notice> CustomLists::deleteList(QByteArrayView listName) {
    const UndoStep undo(m_session.undoHistory(), UndoCaptions::tr("Delete a custom list"),
                        {CustomListFile, CustomListBackup});
    const QString unchanged = tr("The list was not deleted.");
    QList<Notice> notices;
    m_store.close();
    if (!m_session.files().copy(CustomListFile, CustomListBackup)) {
        notices.append(Notice::fileError(m_session.files().errorString() + QLatin1Char('\n') + unchanged));
        return notices;
    }
    RecordFile* file = m_store.open(notices);
    const std::optional<QList<Record>> records = file ? m_store.readAll(*file, notices) : std::nullopt;
    if (!records)
        return notices;
    const ListMatcher matcher(listName);
    QList<Record> kept;
    kept.reserve(records->size());
    for (const Record& record : *records) {
        if (!matcher.matches(record.raw(CustomListRecord::ListName)))
            kept.append(record);
    }
    if (kept.size() != records->size())
        m_store.rewrite(*file, kept, unchanged, notices);
    return notices;
}

Notice CustomLists::preview(QByteArrayView listName) {
    const std::optional<Notice> failed = load();
    m_store.close();
    if (failed)
        return *failed;
    const QList<ListItem> items = m_catalog.items(listName);
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
    return Notice{text, tr("Preview of %1").arg(shownText(listName)), Notice::Kind::Plain, false};
}

std::optional<Notice> CustomLists::checkSaveShoppingList() const {
    if (m_session.shoppingCount() != 0)
        return std::nullopt;
    return Notice{tr("Create a shopping list first!"), tr("Oops!"), Notice::Kind::Plain, false};
}

QList<Notice> CustomLists::saveShoppingList(const QString& typed) {
    const QByteArray name = propercase(storedName(typed));
    QList<Notice> notices;
    RecordFile* shopping = m_session.files().file(ShoppingChannel);
    const std::optional<QList<Record>> items = shopping ? shopping->readFirst(m_session.shoppingCount()) : std::nullopt;
    if (!items) {
        notices.append(Notice::fileError(shopping ? shopping->errorString() : m_session.files().errorString()));
        return notices;
    }
    // Every price is worked out before anything is written: a list is saved whole or not at all.
    QList<Record> records;
    records.reserve(items->size());
    for (const Record& item : *items) {
        const std::optional<QByteArray> price = unitPrice(item);
        if (!price) {
            notices.append({tr("The unit price of %1 is too large for a custom list. Nothing was saved.")
                                .arg(trimmedName(item.raw(ShoppingRecord::ItemText))),
                            tr("Oops!"), Notice::Kind::Warning, false});
            return notices;
        }
        records.append(
            customRecord(name, item.raw(ShoppingRecord::ItemText), *price, item.raw(ShoppingRecord::Category)));
    }
    RecordFile* file = m_store.file();
    if (file && m_store.append(*file, records, notices) == records.size())
        notices.append(nowOnFile(name));
    return notices;
}

CustomLists::ItemsOutcome CustomLists::removeItems(const QList<ListItem>& chosen) {
    const UndoStep undo(m_session.undoHistory(), UndoCaptions::tr("Remove items from a custom list"), {CustomListFile});
    ItemsOutcome outcome{ItemsResult::Failed, {}};
    RecordFile* file = m_store.open(outcome.notices);
    const std::optional<QList<Record>> records = file ? m_store.readAll(*file, outcome.notices) : std::nullopt;
    if (!records)
        return outcome;
    if (!stillOnFile(*records, chosen)) {
        outcome.notices.append(changedElsewhere());
        outcome.result = ItemsResult::Stale;
        return outcome;
    }
    QSet<qint64> dropped;
    for (const ListItem& item : chosen)
        dropped.insert(item.recno);
    QList<Record> kept;
    kept.reserve(records->size());
    for (qsizetype i = 0; i < records->size(); ++i) {
        if (!dropped.contains(i + 1))
            kept.append(records->at(i));
    }
    if (kept.size() != records->size() && !m_store.rewrite(*file, kept, tr("No item was removed."), outcome.notices))
        return outcome;
    outcome.notices.append(Notice::withoutTitle(tr("Done!")));
    outcome.result = ItemsResult::Done;
    return outcome;
}

// The records of the chosen rows as the file holds them now, opened afresh (another program may have
// replaced it); nothing when any of them is no longer there as it was shown.
std::optional<QList<Record>> CustomLists::chosenRecords(const QList<ListItem>& chosen, bool& stale,
                                                        QList<Notice>& notices) {
    RecordFile* file = m_store.open(notices);
    if (!file)
        return std::nullopt;
    QList<Record> records;
    for (const ListItem& item : chosen) {
        std::optional<Record> record = item.recno <= file->count() ? file->read(item.recno) : std::nullopt;
        if (!record || record->bytes() != item.record) {
            stale = true;
            return std::nullopt;
        }
        records.append(*record);
    }
    return records;
}

CustomLists::ItemsOutcome CustomLists::getItems(const QList<ListItem>& chosen) {
    ItemsOutcome outcome{ItemsResult::Failed, {}};
    bool stale = false;
    const std::optional<QList<Record>> items = chosenRecords(chosen, stale, outcome.notices);
    if (stale) {
        outcome.notices.append(changedElsewhere());
        outcome.result = ItemsResult::Stale;
        return outcome;
    }
    RecordFile* shopping = m_session.files().file(ShoppingChannel);
    const std::optional<QList<Record>> onList = shopping ? shopping->readAll() : std::nullopt;
    if (!items || !onList) {
        if (!onList)
            outcome.notices.append(
                Notice::fileError(shopping ? shopping->errorString() : m_session.files().errorString()));
        return outcome;
    }

    // An item is skipped when its text, without surrounding blanks, is on the list already (case
    // counts), including items this same pass has put there.
    QSet<QByteArray> present;
    for (const Record& record : *onList)
        present.insert(shownKey(record.raw(ShoppingRecord::ItemText)));
    qsizetype added = 0;
    qsizetype skipped = 0;
    for (const Record& item : *items) {
        const QByteArray key = shownKey(item.raw(CustomListRecord::ItemText));
        if (present.contains(key)) {
            ++skipped;
            continue;
        }
        Record line(ShoppingRecord::Length);
        line.set(ShoppingRecord::ItemText, item.raw(CustomListRecord::ItemText));
        line.set(ShoppingRecord::LineCost, item.raw(CustomListRecord::Amount));
        line.set(ShoppingRecord::Quantity, "1");
        line.set(ShoppingRecord::Category, item.raw(CustomListRecord::Category));
        if (!shopping->append(line)) {
            outcome.notices.append(Notice::fileError(shopping->errorString()));
            break;
        }
        present.insert(key);
        ++added;
    }
    m_session.setShoppingCount(shopping->count());
    if (skipped > 0)
        outcome.notices.append(
            Notice::withoutTitle(tr("%1 item(s) already on the shopping list were not added again.").arg(skipped)));
    outcome.result = added > 0 ? ItemsResult::ShoppingListWritten : ItemsResult::Done;
    if (added > 0)
        Q_EMIT m_session.shoppingListChanged();
    return outcome;
}

// The selected products' records from the product file (channel 1); nothing when one cannot be read,
// so that a list is never made of some of them.
std::optional<QList<Record>> CustomLists::readProducts(const QList<qint64>& recnos, QList<Notice>& notices) const {
    RecordFile* products = m_session.files().file(ProductChannel);
    if (!products) {
        notices.append(
            Notice::fileError(tr("Could not read %1: the file is not open").arg(m_session.productListPath())));
        return std::nullopt;
    }
    QList<Record> records;
    records.reserve(recnos.size());
    for (const qint64 recno : recnos) {
        std::optional<Record> record = products->read(recno);
        if (!record) {
            notices.append(Notice::fileError(products->errorString()));
            return std::nullopt;
        }
        records.append(*record);
    }
    return records;
}

} // namespace pantrex
