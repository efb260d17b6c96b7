// SPDX-License-Identifier: MIT
#pragma once

#include "data/records.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace pantrex {

class Dialogs;
class RecordFile;
struct PANTMOD;

// "pantrecp.dat" holds every custom list: one record per item, the list's name in each. A list is
// all the records that carry its name; new records always go at the end, so the records of a list
// lie in the order they were added, between those of other lists.

extern const QString& CustomListFile;   // "pantrecp.dat"
extern const QString& CustomListBackup; // "pantrecp.bak", the file as it was before the last deletion

// Opens the file afresh on channel 5 (a missing file is created empty) and sets customcount from
// its length. On failure the user is told why and nullptr comes back.
RecordFile* opencustomfile(PANTMOD& pantmod, Dialogs& dialogs);
// Every record of the open file; on failure the user is told why and nothing comes back.
std::optional<QList<Record>> readCustomRecords(RecordFile& file, Dialogs& dialogs);

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

// Appends the records in order, customcount following. Stops at the first failure, after telling
// the user why; returns how many were written.
qsizetype appendCustomRecords(PANTMOD& pantmod, Dialogs& dialogs, RecordFile& file, const QList<Record>& records);

// Replaces the whole file with these records in one atomic step; customcount follows. On failure
// the old file stays whole and the user is told so, in the file layer's words followed by unchanged
// ("The list was not deleted.").
bool rewriteCustomFile(PANTMOD& pantmod, Dialogs& dialogs, RecordFile& file, const QList<Record>& kept,
                       const QString& unchanged);

} // namespace pantrex
