// SPDX-License-Identifier: MIT
#pragma once

#include "core/notice.h"
#include "data/records.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace pantrex {

class RecordFile;
class Session;

// "pantrecp.dat" holds every custom list: one record per item, the list's name in each. A list is
// all the records that carry its name; new records always go at the end, so the records of a list
// lie in the order they were added, between those of other lists.

extern const QString& CustomListFile;   // "pantrecp.dat"
extern const QString& CustomListBackup; // "pantrecp.bak", the file as it was before the last deletion

// A stored field as the user sees it: zero bytes, which no list or box can show, as blanks.
QString shownText(QByteArrayView field);
// A text as compared with others: as shown, without surrounding blanks.
QByteArray shownKey(QByteArrayView text);
// A list name as messages quote it: as shown, without surrounding blanks.
QString trimmedName(QByteArrayView name);
// A typed name as it is stored and compared: in the code page, cut to the name field's width.
QByteArray storedName(const QString& typed);

// Tells whether a stored list name belongs to a list: the two names match when, read as shown and
// without surrounding blanks, they are equal ignoring case.
class ListMatcher {
public:
    explicit ListMatcher(QByteArrayView name);
    bool matches(QByteArrayView storedName) const;

private:
    QByteArray m_key;
};

// One record of a list as the chooser shows it: its item text (all 40 bytes), its record number
// and the whole record as it was read, to tell later whether the file still holds it.
struct ListItem {
    QByteArray text;
    qint64 recno;
    QByteArray record;
};

// The first letter and every letter after a blank in capitals, every other letter small:
// "taco NIGHT" gives "Taco Night".
QByteArray propercase(QByteArrayView text);

// A record of a list: the name cut or padded to its field, the other three fields copied as stored,
// the unused field zero bytes.
Record customRecord(QByteArrayView listName, QByteArrayView item, QByteArrayView price, QByteArrayView category);

// The custom lists' file on channel 5 of a session. Every step keeps the session's custom record
// count up to date; a step that fails adds the message to show to notices and goes no further.
class CustomListStore {
public:
    explicit CustomListStore(Session& session) : m_session(session) {}

    // Opens the file afresh (a missing file is created empty); nullptr when it cannot be opened.
    RecordFile* open(QList<Notice>& notices);
    // The file as it is open now on channel 5, if it is.
    RecordFile* file() const;
    void close();
    // Every record of the open file.
    std::optional<QList<Record>> readAll(RecordFile& file, QList<Notice>& notices) const;
    // Appends the records in order and stops at the first failure; returns how many were written.
    qsizetype append(RecordFile& file, const QList<Record>& records, QList<Notice>& notices);
    // Replaces the whole file with these records in one atomic step. On failure the old file stays
    // whole and the notice says so, in the file layer's words followed by unchanged ("The list was
    // not deleted.").
    bool rewrite(RecordFile& file, const QList<Record>& kept, const QString& unchanged, QList<Notice>& notices);

private:
    Session& m_session;
};

} // namespace pantrex
