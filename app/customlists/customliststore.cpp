// SPDX-License-Identifier: MIT
#include "customliststore.h"

#include "data/ansitext.h"
#include "data/filenames.h"
#include "platform/dialogs.h"
#include "state/pantmod.h"

namespace pantrex {

const QString& CustomListFile = DataFile::CustomLists;
const QString& CustomListBackup = DataFile::CustomListBackup;

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

RecordFile* opencustomfile(PANTMOD& pantmod, Dialogs& dialogs) {
    pantmod.session.files().close(CustomListChannel);
    RecordFile* file = pantmod.session.files().open(CustomListChannel, CustomListFile, CustomListRecord::Length);
    if (!file) {
        showFileError(dialogs, pantmod.session.files().errorString());
        return nullptr;
    }
    pantmod.session.setCustomCount(file->count());
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

ListMatcher::ListMatcher(QByteArrayView name) : m_key(ansiLower(shownKey(name))) {}

bool ListMatcher::matches(QByteArrayView storedName) const {
    // Compared in place, letter by letter, since every record of the file may be asked; most names
    // already differ in their first letter.
    static const QByteArray lower = [] {
        QByteArray all(256, Qt::Uninitialized);
        for (int c = 0; c < 256; ++c)
            all[c] = char(c == 0 ? ' ' : c);
        return ansiLower(all);
    }();
    auto lowerAt = [&storedName](qsizetype i) { return lower.at(uchar(storedName.at(i))); };
    qsizetype first = 0;
    while (first < storedName.size() && lowerAt(first) == ' ')
        ++first;
    if (m_key.isEmpty() || first == storedName.size())
        return m_key.isEmpty() && first == storedName.size();
    if (lowerAt(first) != m_key.at(0))
        return false;
    const QByteArrayView trimmed = shownTrimmed(storedName);
    if (trimmed.size() != m_key.size())
        return false;
    for (qsizetype i = 1; i < trimmed.size(); ++i) {
        if (lower.at(uchar(trimmed.at(i))) != m_key.at(i))
            return false;
    }
    return true;
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
    pantmod.session.setCustomCount(file.count());
    return written;
}

bool rewriteCustomFile(PANTMOD& pantmod, Dialogs& dialogs, RecordFile& file, const QList<Record>& kept,
                       const QString& unchanged) {
    if (file.rewrite(kept)) {
        pantmod.session.setCustomCount(file.count());
        return true;
    }
    // The new content may be on disk and only the reopening have failed; the user hears which.
    const bool replaced = pantmod.session.files().size(CustomListFile) == kept.size() * CustomListRecord::Length;
    showFileError(dialogs, replaced ? file.errorString() : file.errorString() + QLatin1Char('\n') + unchanged);
    pantmod.session.setCustomCount(file.count());
    return false;
}

} // namespace pantrex
