#include "printsettings.h"

#include "data/ansitext.h"
#include "data/filechannels.h"
#include "printing/printtext.h"

#include <QFile>

namespace pantrex {

namespace {

const QString SettingsFile = QStringLiteral("pantlpt.cfg");
const QString NotesFile = QStringLiteral("pantnote.dat");

} // namespace

Record firstRecordOf(const FileChannels& files, const QString& name, int length) {
    QFile file(files.pathOf(name));
    if (!file.open(QIODevice::ReadOnly))
        return Record(length);
    return Record(length, file.read(length));
}

Record readPrintSettings(FileChannels& files) {
    files.open(PrintSettingsChannel, SettingsFile, PrintSettingsRecord::Length);
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

QStringList readPrintNotes(FileChannels& files) {
    files.open(PrintNotesChannel, NotesFile, PrintNoteRecord::Length);
    // All three records as one, so that a record cut short reads as far as it goes.
    const QByteArray head = firstRecordOf(files, NotesFile, PrintNoteRecord::Length * PrintNoteRecord::Count).bytes();
    files.close(PrintNotesChannel);
    QStringList notes;
    for (int i = 0; i < PrintNoteRecord::Count; ++i)
        notes.append(
            fromAnsi(fieldText(QByteArrayView(head).sliced(i * PrintNoteRecord::Length, PrintNoteRecord::Length))));
    return notes;
}

std::optional<QString> writePrintNotes(FileChannels& files, const QStringList& notes) {
    RecordFile* file = files.open(PrintNotesChannel, NotesFile, PrintNoteRecord::Length);
    if (!file)
        return files.errorString();
    QList<Record> records;
    for (int i = 0; i < PrintNoteRecord::Count; ++i) {
        records.append(Record(PrintNoteRecord::Length));
        records.last().set(PrintNoteRecord::Text, toAnsi(blankTrimmed(notes.value(i))));
    }
    // All three at once: a file never holds some new notes and some old.
    std::optional<QString> error;
    if (!file->rewriteFirst(records))
        error = file->errorString();
    files.close(PrintNotesChannel);
    return error;
}

} // namespace pantrex
