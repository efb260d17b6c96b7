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
const QByteArray FlagSet = "1";

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

Record readPrintSettings(FileChannels& files, QString* error = nullptr) {
    if (!files.open(PrintSettingsChannel, SettingsFile, PrintSettingsRecord::Length))
        noteRefusal(files, SettingsFile, error);
    return firstRecordOf(files, SettingsFile, PrintSettingsRecord::Length);
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

bool flag(const Record& record, Field field) {
    return !record.text(field).isEmpty();
}

QByteArray flagText(bool on) {
    return on ? FlagSet : QByteArray(" ");
}

} // namespace

Record firstRecordOf(const FileChannels& files, const QString& name, int length) {
    QString why;
    const std::optional<QByteArray> bytes = readRegularFile(files.pathOf(name), length, why);
    return bytes ? Record(length, *bytes) : Record(length);
}

StoredPrintChoices readPrintChoices(FileChannels& files) {
    StoredPrintChoices stored;
    QString error;
    stored.notes = readPrintNotes(files, &error);
    const Record settings = readPrintSettings(files, &error);
    if (!error.isEmpty())
        stored.notice = Notice::fileError(error);
    stored.choices.fontSize = fromAnsi(settings.text(PrintSettingsRecord::FontSize));
    stored.choices.regular = flag(settings, PrintSettingsRecord::Regular);
    stored.choices.bold = flag(settings, PrintSettingsRecord::Bold);
    stored.choices.alphabetical = flag(settings, PrintSettingsRecord::Alphabetical);
    stored.choices.byCategory = flag(settings, PrintSettingsRecord::ByCategory);
    stored.choices.separators = flag(settings, PrintSettingsRecord::Separators);
    stored.choices.unitPrices = flag(settings, PrintSettingsRecord::UnitPrices);
    return stored;
}

std::optional<Notice> writePrintChoices(FileChannels& files, const PrintChoices& choices) {
    Record settings = readPrintSettings(files);
    settings.set(PrintSettingsRecord::FontSize, toAnsi(choices.fontSize));
    settings.set(PrintSettingsRecord::Regular, flagText(choices.regular));
    settings.set(PrintSettingsRecord::Bold, flagText(choices.bold));
    settings.set(PrintSettingsRecord::Alphabetical, flagText(choices.alphabetical));
    settings.set(PrintSettingsRecord::ByCategory, flagText(choices.byCategory));
    settings.set(PrintSettingsRecord::Separators, flagText(choices.separators));
    settings.set(PrintSettingsRecord::UnitPrices, flagText(choices.unitPrices));
    // Opened afresh, so that a file another program replaced meanwhile is the one written.
    RecordFile* file = files.open(PrintSettingsChannel, SettingsFile, PrintSettingsRecord::Length);
    if (!file)
        return Notice::fileError(files.errorString());
    if (!file->rewriteFirst({settings}))
        return Notice::fileError(file->errorString());
    return std::nullopt;
}

std::optional<Notice> writePrintNotes(FileChannels& files, const QStringList& notes) {
    RecordFile* file = files.open(PrintNotesChannel, NotesFile, PrintNoteRecord::Length);
    if (!file)
        return Notice::fileError(files.errorString());
    QList<Record> records;
    for (int i = 0; i < PrintNoteRecord::Count; ++i) {
        records.append(Record(PrintNoteRecord::Length));
        records.last().set(PrintNoteRecord::Text, trimmedNote(toAnsi(notes.value(i))));
    }
    // All three at once: a file never holds some new notes and some old.
    std::optional<Notice> error;
    if (!file->rewriteFirst(records))
        error = Notice::fileError(file->errorString());
    files.close(PrintNotesChannel);
    return error;
}

} // namespace pantrex
