// SPDX-License-Identifier: MIT
// The operations that take records out of the custom lists file, and the one that takes items from
// it onto the shopping list.
#include "customlistops.h"

#include "customlists/customlistboxes.h"
#include "state/pantmod.h"

#include <QCoreApplication>
#include <QSet>

namespace pantrex {

namespace {

struct CustomTexts {
    Q_DECLARE_TR_FUNCTIONS(CustomLists)
};

using Answer = Dialogs::Answer;

// The rows on screen are only acted on while the file still holds each of their records, byte for
// byte, under the same number.
bool stillOnFile(const QList<Record>& records, const QList<ListItem>& chosen) {
    return std::all_of(chosen.cbegin(), chosen.cend(), [&records](const ListItem& item) {
        return item.recno >= 1 && item.recno <= records.size() && records.at(item.recno - 1).bytes() == item.record;
    });
}

void sayChanged(Dialogs& dialogs) {
    say(dialogs,
        CustomTexts::tr("The custom lists file was changed by another program while this list was shown. The list has "
                        "been read again: please select the items again."),
        QString(), Dialogs::Icon::Exclamation);
}

// The records of the chosen rows as the file holds them now, opened afresh (another program may have
// replaced it); nothing when any of them is no longer there as it was shown.
std::optional<QList<Record>> chosenRecords(PANTMOD& pantmod, Dialogs& dialogs, const QList<ListItem>& chosen,
                                           bool& stale) {
    RecordFile* file = opencustomfile(pantmod, dialogs);
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

} // namespace

void deletelist(PANTMOD& pantmod, Dialogs& dialogs) {
    const QString unchanged = CustomTexts::tr("The list was not deleted.");
    if (ask(dialogs, CustomTexts::tr("Delete %1?").arg(trimmedName(pantmod.chosenlist)), CustomTexts::tr("Confirm..."),
            Dialogs::Buttons::YesNo) != Answer::Yes)
        return;
    pantmod.session.files().close(CustomListChannel);
    if (!pantmod.session.files().copy(CustomListFile, CustomListBackup)) {
        showFileError(dialogs, pantmod.session.files().errorString() + QLatin1Char('\n') + unchanged);
        return;
    }
    RecordFile* file = opencustomfile(pantmod, dialogs);
    const std::optional<QList<Record>> records = file ? readCustomRecords(*file, dialogs) : std::nullopt;
    if (!records)
        return;
    const ListMatcher matcher(pantmod.chosenlist);
    QList<Record> kept;
    kept.reserve(records->size());
    for (const Record& record : *records) {
        if (!matcher.matches(record.raw(CustomListRecord::ListName)))
            kept.append(record);
    }
    if (kept.size() != records->size())
        rewriteCustomFile(pantmod, dialogs, *file, kept, unchanged);
}

AfterProceed removeitems(PANTMOD& pantmod, Dialogs& dialogs, const QList<ListItem>& chosen) {
    const Answer answer =
        ask(dialogs, CustomTexts::tr("Delete selected items?"), QString(), Dialogs::Buttons::YesNoCancel);
    if (answer == Answer::Cancel)
        return AfterProceed::CloseChooser;
    if (answer != Answer::Yes)
        return AfterProceed::KeepChooser;
    RecordFile* file = opencustomfile(pantmod, dialogs);
    const std::optional<QList<Record>> records = file ? readCustomRecords(*file, dialogs) : std::nullopt;
    if (!records)
        return AfterProceed::KeepChooser;
    if (!stillOnFile(*records, chosen)) {
        sayChanged(dialogs);
        return AfterProceed::ReloadItems;
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
    if (kept.size() != records->size() &&
        !rewriteCustomFile(pantmod, dialogs, *file, kept, CustomTexts::tr("No item was removed.")))
        return AfterProceed::KeepChooser;
    say(dialogs, CustomTexts::tr("Done!"));
    return AfterProceed::CloseChooser;
}

AfterProceed getitems(PANTMOD& pantmod, Dialogs& dialogs, const QList<ListItem>& chosen) {
    const Answer answer =
        ask(dialogs, CustomTexts::tr("Add selected items?"), QString(), Dialogs::Buttons::YesNoCancel);
    if (answer == Answer::Cancel)
        return AfterProceed::CloseChooser;
    if (answer != Answer::Yes)
        return AfterProceed::KeepChooser;
    bool stale = false;
    const std::optional<QList<Record>> items = chosenRecords(pantmod, dialogs, chosen, stale);
    if (stale) {
        sayChanged(dialogs);
        return AfterProceed::ReloadItems;
    }
    RecordFile* shopping = pantmod.session.files().file(ShoppingChannel);
    const std::optional<QList<Record>> onList = shopping ? shopping->readAll() : std::nullopt;
    if (!items || !onList) {
        if (!onList)
            showFileError(dialogs, shopping ? shopping->errorString() : pantmod.session.files().errorString());
        return AfterProceed::KeepChooser;
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
            showFileError(dialogs, shopping->errorString());
            break;
        }
        present.insert(key);
        ++added;
    }
    pantmod.session.setShoppingCount(shopping->count());
    if (skipped > 0)
        say(dialogs, CustomTexts::tr("%1 item(s) already on the shopping list were not added again.").arg(skipped));
    return added > 0 ? AfterProceed::CloseAndReloadShoppingList : AfterProceed::CloseChooser;
}

} // namespace pantrex
