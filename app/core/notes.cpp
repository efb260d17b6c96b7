// SPDX-License-Identifier: MIT
#include "notes.h"

#include "core/entrytext.h"
#include "core/printsettings.h"
#include "core/session.h"
#include "data/ansitext.h"
#include "data/filechannels.h"
#include "data/filenames.h"

namespace pantrex {

namespace {

const QString& NotesFile = DataFile::Notes;
constexpr Field NotesField{0, Notes::Capacity};

} // namespace

Notes::Notes(Session& session) : m_session(session) {}

NotesText Notes::load() {
    FileChannels& files = m_session.files();
    NotesText shown;
    files.close(NotesChannel);
    if (!files.open(NotesChannel, NotesFile, Capacity))
        shown.notice = Notice::fileError(files.errorString());
    const Record record = firstRecordOf(files, NotesFile, Capacity);
    m_fileRecord = record.bytes();
    const QByteArray stored = record.raw(NotesField).replace('\0', ' ');
    shown.text = fromAnsi(fieldText(stored));
    files.close(NotesChannel);
    return shown;
}

// Leaves the file open on its channel when it was written.
bool Notes::write(const QString& text, Notices& notices) {
    const UndoStep undo(m_session.undoHistory(), UndoCaptions::tr("Save notes"), {NotesFile});
    FileChannels& files = m_session.files();
    files.close(NotesChannel);
    RecordFile* file = files.open(NotesChannel, NotesFile, Capacity);
    if (!file) {
        notices.append(Notice::fileError(files.errorString()));
        return false;
    }
    const QByteArray onDisk = firstRecordOf(files, NotesFile, Capacity).bytes();
    if (onDisk != m_fileRecord) {
        m_fileRecord = onDisk;
        files.close(NotesChannel);
        notices.append({tr("%1 was changed by another program while the notes were open, so nothing was saved. "
                           "Save again to replace it with the notes shown.")
                            .arg(NotesFile),
                        QString(), Notice::Kind::Warning});
        return false;
    }
    Record record(Capacity);
    record.set(NotesField, toAnsi(trimBlanks(text)));
    if (!file->rewriteFirst({record})) {
        notices.append(Notice::fileError(file->errorString()));
        files.close(NotesChannel);
        return false;
    }
    m_fileRecord = record.bytes();
    return true;
}

Notices Notes::save(const QString& text) {
    Notices notices;
    write(text, notices);
    m_session.files().close(NotesChannel);
    return notices;
}

SavedNotes Notes::saveForPrinting(const QString& text) {
    SavedNotes saved;
    if (write(text, saved.notices)) {
        // Read through the file just written.
        const RecordFile* file = m_session.files().file(NotesChannel);
        if (const std::optional<Record> stored = file->read(1))
            saved.record = stored->bytes();
        else
            saved.notices.append(Notice::fileError(file->errorString()));
    }
    m_session.files().close(NotesChannel);
    return saved;
}

} // namespace pantrex
