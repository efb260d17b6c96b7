// SPDX-License-Identifier: MIT
#pragma once

#include "core/notice.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>

namespace pantrex {

class Session;

// What the notes file holds, as the notes window shows it, with what the user must be told when the
// file could not be opened (what could be read shows all the same).
struct NotesText {
    QString text;
    std::optional<Notice> notice;
};

// The notes as written for printing: the record the file holds once saved, or nothing when the save
// or the reading back failed (the notices say why).
struct SavedNotes {
    Notices notices;
    std::optional<QByteArray> record;
};

// "pantnotes.dat": a free-text notepad in one record of Capacity bytes. A save never overwrites
// unseen what another program wrote since the notes were last read or written: it writes nothing and
// tells, and the next save replaces the file knowingly.
class Notes {
    Q_DECLARE_TR_FUNCTIONS(pantrex::NotesWindow)

public:
    static constexpr int Capacity = 3000;

    explicit Notes(Session& session);

    // Reads the file (created when missing). A record cut short by the end of the file shows as far
    // as it goes; a zero byte another program left in the text shows as a blank, the text after it
    // kept.
    NotesText load();
    // Writes the text, leading and trailing blanks removed, as the file's one record, the file
    // written anew in one atomic step. Nothing comes back when it was saved.
    Notices save(const QString& text);
    // Saves as save() does, then reads the record back as the file now holds it: what is printed.
    SavedNotes saveForPrinting(const QString& text);

private:
    bool write(const QString& text, Notices& notices);

    Session& m_session;
    // The record as last read or written: another program's change shows against it.
    QByteArray m_fileRecord;
};

} // namespace pantrex
