// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDialog>

namespace pantrex {

class Dialogs;
class HoverButton;
class LinePrinter;
class NotesEdit;
class Session;

// The notes window: a free-text notepad kept in "pantnotes.dat" that can be printed on a page of
// its own. It reads the file when it is made; "Close" (also Esc and the close box) leaves without
// saving, "Save and Close" saves first. Either way it hides and says so with closed(), so that
// the main window, disabled meanwhile, comes back.
class NotesWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int Capacity = 3000;

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

    Session& m_session;
    Dialogs& m_dialogs;
    LinePrinter& m_printer;
    NotesEdit* m_notesEdit;
    HoverButton* m_printButton;
    HoverButton* m_closeButton;
    HoverButton* m_saveButton;
    // The record as the window last read or wrote it: another program's change shows against it.
    QByteArray m_fileRecord;
};

} // namespace pantrex
