// SPDX-License-Identifier: MIT
#include "customliststore.h"

#include "core/session.h"
#include "data/ansitext.h"
#include "data/filenames.h"

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

RecordFile* CustomListStore::open(QList<Notice>& notices) {
    close();
    RecordFile* file = m_session.files().open(CustomListChannel, CustomListFile, CustomListRecord::Length);
    if (!file) {
        notices.append(Notice::fileError(m_session.files().errorString()));
        return nullptr;
    }
    m_session.setCustomCount(file->count());
    return file;
}

RecordFile* CustomListStore::file() const {
    return m_session.files().file(CustomListChannel);
}

void CustomListStore::close() {
    m_session.files().close(CustomListChannel);
}

std::optional<QList<Record>> CustomListStore::readAll(RecordFile& file, QList<Notice>& notices) const {
    std::optional<QList<Record>> records = file.readAll();
    if (!records)
        notices.append(Notice::fileError(file.errorString()));
    return records;
}

qsizetype CustomListStore::append(RecordFile& file, const QList<Record>& records, QList<Notice>& notices) {
    qsizetype written = 0;
    for (const Record& record : records) {
        if (!file.append(record)) {
            notices.append(Notice::fileError(file.errorString()));
            break;
        }
        ++written;
    }
    m_session.setCustomCount(file.count());
    if (written > 0)
        Q_EMIT m_session.customListsChanged();
    return written;
}

bool CustomListStore::rewrite(RecordFile& file, const QList<Record>& kept, const QString& unchanged,
                              QList<Notice>& notices) {
    if (file.rewrite(kept)) {
        m_session.setCustomCount(file.count());
        Q_EMIT m_session.customListsChanged();
        return true;
    }
    // The new content may be on disk and only the reopening have failed; the user hears which.
    const bool replaced = m_session.files().size(CustomListFile) == kept.size() * CustomListRecord::Length;
    notices.append(
        Notice::fileError(replaced ? file.errorString() : file.errorString() + QLatin1Char('\n') + unchanged));
    m_session.setCustomCount(file.count());
    if (replaced)
        Q_EMIT m_session.customListsChanged();
    return false;
}

} // namespace pantrex
