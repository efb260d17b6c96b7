// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace pantrex {

// Comma-separated values as spreadsheets and other programs write them (RFC 4180 and its usual
// variants), read with libcsv: quoted fields, doubled quotes, line breaks inside quotes, CRLF or LF
// line ends, a UTF-8 byte order mark, and ",", ";" or a tab between the fields.

// One record of the file: the line it starts on (from 1) and its fields as they are in the file.
struct CsvRow {
    qint64 line = 0;
    QList<QByteArray> fields;
};

struct CsvTable {
    char separator = ',';
    // Every record in file order, the header first. Blank lines are left out.
    QList<CsvRow> rows;
    // False when the reader ran out of memory: the rows are then not the whole file.
    bool complete = true;
};

// The separator of a file: whichever of ",", ";" and a tab occurs most often, outside quotes, in
// its first line; "," when none does.
char detectSeparator(QByteArrayView bytes);

// Reads the whole file; a byte order mark before the first line is dropped.
CsvTable readCsv(QByteArrayView bytes);

// A field written for a comma-separated file: in quotes, with its quotes doubled, when it holds a
// separator, a quote or a line break; as it is otherwise.
QByteArray csvField(QByteArrayView text);
bool csvNeedsQuotes(QByteArrayView text);

} // namespace pantrex
