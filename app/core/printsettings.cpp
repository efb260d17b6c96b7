// SPDX-License-Identifier: MIT
#include "printsettings.h"

#include "data/ansitext.h"
#include "data/filechannels.h"
#include "data/filenames.h"
#include "data/safefile.h"

#include <QFile>

namespace pantrex {

namespace {

const QString& SettingsFile = DataFile::PrintSettings;
const QString& NotesFile = DataFile::PrintNotes;

// A note as stored: its leading and trailing blanks removed.
QByteArray trimmedNote(const QByteArray& note) {
    qsizetype begin = 0;
    qsizetype end = note.size();
    while (begin < end && note.at(begin) == ' ')
        ++begin;
    while (end > begin && note.at(end - 1) == ' ')
        --end;
    return note.sliced(begin, end - begin);
}

// Something in a file's place that is never read or written (a named pipe, a link out of the folder) is
// told; a file merely missing or unreadable reads as empty, as it always has.
void noteRefusal(const FileChannels& files, const QString& name, QString* error) {
    QString why;
    if (error && error->isEmpty() && isRefusedDataFile(files.pathOf(name), why))
        *error = files.errorString();
}

} // namespace

Record firstRecordOf(const FileChannels& files, const QString& name, int length) {
    QString why;
    const std::optional<QByteArray> bytes = readRegularFile(files.pathOf(name), length, why);
    return bytes ? Record(length, *bytes) : Record(length);
}

Record readPrintSettings(FileChannels& files, QString* error) {
    if (!files.open(PrintSettingsChannel, SettingsFile, PrintSettingsRecord::Length))
        noteRefusal(files, SettingsFile, error);
    return firstRecordOf(files, SettingsFile, PrintSettingsRecord::Length);
}

std::optional<QString> writePrintSettings(FileChannels& files, const Record& record) {
    // Opened afresh, so that a file another program replaced meanwhile is the one written.
    RecordFile* file = files.open(PrintSettingsChannel, SettingsFile, PrintSettingsRecord::Length);
    if (!file)
        return files.errorString();
    if (!file->rewriteFirst({record}))
        return file->errorString();
    return std::nullopt;
}

QStringList readPrintNotes(FileChannels& files, QString* error) {
    if (!files.open(PrintNotesChannel, NotesFile, PrintNoteRecord::Length))
        noteRefusal(files, NotesFile, error);
    // All three records as one, so that a record cut short reads as far as it goes.
    const QByteArray head = firstRecordOf(files, NotesFile, PrintNoteRecord::Length * PrintNoteRecord::Count).bytes();
    files.close(PrintNotesChannel);
    QStringList notes;
    for (int i = 0; i < PrintNoteRecord::Count; ++i)
        notes.append(fromAnsi(
            fieldText(QByteArrayView(head).sliced(qsizetype(i) * PrintNoteRecord::Length, PrintNoteRecord::Length))));
    return notes;
}

std::optional<QString> writePrintNotes(FileChannels& files, const QStringList& notes) {
    RecordFile* file = files.open(PrintNotesChannel, NotesFile, PrintNoteRecord::Length);
    if (!file)
        return files.errorString();
    QList<Record> records;
    for (int i = 0; i < PrintNoteRecord::Count; ++i) {
        records.append(Record(PrintNoteRecord::Length));
        records.last().set(PrintNoteRecord::Text, trimmedNote(toAnsi(notes.value(i))));
    }
    // All three at once: a file never holds some new notes and some old.
    std::optional<QString> error;
    if (!file->rewriteFirst(records))
        error = file->errorString();
    files.close(PrintNotesChannel);
    return error;
}

} // namespace pantrex
