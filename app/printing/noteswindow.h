// SPDX-License-Identifier: MIT
#pragma once

#include "core/notes.h"

#include <QDialog>

namespace pantrex {

class Dialogs;
class HoverButton;
class LinePrinter;
class NotesEdit;

// The notes window: a free-text notepad kept in "pantnotes.dat" (see Notes) that can be printed on a
// page of its own. It reads the file when it is made; "Close" (also Esc and the close box) leaves without
// saving, "Save and Close" saves first. Either way it hides and says so with closed(), so that
// the main window, disabled meanwhile, comes back.
class NotesWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int Capacity = Notes::Capacity;

    NotesWindow(Session& session, Dialogs& dialogs, LinePrinter& printer, QWidget* parent);

Q_SIGNALS:
    void closed();

protected:
    void reject() override;

private:
    void load();
    bool save();
    void printNotesPage();
    void closeWithoutSaving();
    void saveAndClose();

    Notes m_notes;
    Dialogs& m_dialogs;
    LinePrinter& m_printer;
    NotesEdit* m_notesEdit;
    HoverButton* m_printButton;
    HoverButton* m_closeButton;
    HoverButton* m_saveButton;
};

} // namespace pantrex
