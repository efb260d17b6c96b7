#include "customliststore.h"

#include "data/ansitext.h"
#include "data/displaysort.h"
#include "platform/dialogs.h"
#include "state/pantmod.h"

#include <QSet>

namespace pantrex {

const QString CustomListFile = QStringLiteral("pantrecp.dat");
const QString CustomListBackup = QStringLiteral("pantrecp.bak");

namespace {

// A name read as shown, without surrounding blanks (zero bytes count as blanks).
QByteArrayView shownTrimmed(QByteArrayView name) {
    auto blank = [](char c) { return c == ' ' || c == '\0'; };
    qsizetype begin = 0;
    qsizetype end = name.size();
    while (begin < end && blank(name.at(begin)))
        ++begin;
    while (end > begin && blank(name.at(end - 1)))
        --end;
    return name.sliced(begin, end - begin);
}

} // namespace

QByteArray shownKey(QByteArrayView text) {
    return shownTrimmed(text).toByteArray().replace('\0', ' ');
}

namespace {

QByteArray matchKey(QByteArrayView name) {
    return ansiLower(shownKey(name));
}

QByteArrayView nameOf(const Record& record) {
    return QByteArrayView(record.bytes()).sliced(CustomListRecord::ListName.offset, CustomListRecord::ListName.width);
}

} // namespace

RecordFile* opencustomfile(PANTMOD& pantmod, Dialogs& dialogs) {
    pantmod.files.close(CustomListChannel);
    RecordFile* file = pantmod.files.open(CustomListChannel, CustomListFile, CustomListRecord::Length);
    if (!file) {
        showFileError(dialogs, pantmod.files.errorString());
        return nullptr;
    }
    pantmod.customcount = file->count();
    return file;
}

std::optional<QList<Record>> readCustomRecords(RecordFile& file, Dialogs& dialogs) {
    std::optional<QList<Record>> records = file.readAll();
    if (!records)
        showFileError(dialogs, file.errorString());
    return records;
}

QString shownText(QByteArrayView field) {
    return fromAnsi(field).replace(QChar(0), QLatin1Char(' '));
}

QString trimmedName(QByteArrayView name) {
    return shownText(shownTrimmed(name));
}

QByteArray storedName(const QString& typed) {
    return toAnsi(typed).left(CustomListRecord::ListName.width);
}

ListMatcher::ListMatcher(QByteArrayView name) : m_key(matchKey(name)) {}

bool ListMatcher::matches(QByteArrayView storedName) const {
    // Most names differ in length; only names of the key's length are compared letter by letter.
    const QByteArrayView trimmed = shownTrimmed(storedName);
    return trimmed.size() == m_key.size() && matchKey(trimmed) == m_key;
}

bool ListMatcher::anyIn(const QList<Record>& records) const {
    return std::any_of(records.cbegin(), records.cend(), [this](const Record& r) { return matches(nameOf(r)); });
}

QList<QByteArray> gatherListNames(const QList<Record>& records) {
    // Names are told apart as they are shown: a name another program padded with zero bytes is the
    // same row as the name padded with blanks. Only such names need a copy of their own.
    QSet<QByteArrayView> distinct;
    QList<QByteArray> shownCopies;
    for (const Record& record : records) {
        QByteArrayView name = nameOf(record);
        if (name.contains('\0')) {
            shownCopies.append(name.toByteArray().replace('\0', ' '));
            name = shownCopies.constLast();
        }
        distinct.insert(name);
    }
    QList<QByteArray> names;
    names.reserve(distinct.size());
    for (const QByteArrayView name : std::as_const(distinct))
        names.append(name.toByteArray());
    displaySort(names, [](const QByteArray& name) -> const QByteArray& { return name; });
    return names;
}

QList<ListItem> gatherListItems(const QList<Record>& records, QByteArrayView name) {
    const ListMatcher matcher(name);
    QList<ListItem> items;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const Record& record = records.at(i);
        if (matcher.matches(nameOf(record)))
            items.append({record.raw(CustomListRecord::ItemText), i + 1, record.bytes()});
    }
    displaySort(items, [](const ListItem& item) -> const QByteArray& { return item.text; });
    return items;
}

QByteArray propercase(QByteArrayView text) {
    const QByteArray upper = ansiUpper(text);
    QByteArray out = ansiLower(text);
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (i == 0 || text.at(i - 1) == ' ')
            out[i] = upper.at(i);
    }
    return out;
}

Record customRecord(QByteArrayView listName, QByteArrayView item, QByteArrayView price, QByteArrayView category) {
    Record record(CustomListRecord::Length);
    record.set(CustomListRecord::ListName, listName);
    record.set(CustomListRecord::ItemText, item);
    record.set(CustomListRecord::Amount, price);
    record.set(CustomListRecord::Category, category);
    return record;
}

qsizetype appendCustomRecords(PANTMOD& pantmod, Dialogs& dialogs, RecordFile& file, const QList<Record>& records) {
    qsizetype written = 0;
    for (const Record& record : records) {
        if (!file.append(record)) {
            showFileError(dialogs, file.errorString());
            break;
        }
        ++written;
    }
    pantmod.customcount = file.count();
    return written;
}

bool rewriteCustomFile(PANTMOD& pantmod, Dialogs& dialogs, RecordFile& file, const QList<Record>& kept,
                       const QString& unchanged) {
    if (file.rewrite(kept)) {
        pantmod.customcount = file.count();
        return true;
    }
    // The new content may be on disk and only the reopening have failed; the user hears which.
    const bool replaced = pantmod.files.size(CustomListFile) == kept.size() * CustomListRecord::Length;
    showFileError(dialogs, replaced ? file.errorString() : file.errorString() + QLatin1Char('\n') + unchanged);
    pantmod.customcount = file.count();
    return false;
}

} // namespace pantrex
