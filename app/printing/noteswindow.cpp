// SPDX-License-Identifier: MIT
#include "noteswindow.h"

#include "core/entrytext.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "platform/messages.h"
#include "printing/notesedit.h"
#include "printing/notesprintout.h"
#include "printing/printtext.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pantrex {

NotesWindow::NotesWindow(Session& session, Dialogs& dialogs, LinePrinter& printer, QWidget* parent)
    : QDialog(parent), m_notes(session), m_dialogs(dialogs), m_printer(printer) {
    setObjectName(QStringLiteral("pantnote"));
    setWindowTitle(tr("Shopping Notes"));
    setModal(false);
    m_notesEdit = new NotesEdit(Capacity, this);
    m_notesEdit->setObjectName(QStringLiteral("Text1"));
    m_notesEdit->setAccessibleName(tr("Notes"));
    m_printButton = new HoverButton(QStringLiteral("printcmd"), tr("Print"), this);
    m_closeButton = new HoverButton(QStringLiteral("cancelcmd"), tr("Close"), this);
    m_saveButton = new HoverButton(QStringLiteral("savecmd"), tr("Save and Close"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_printButton);
    buttons->addStretch(1);
    buttons->addWidget(m_closeButton);
    buttons->addWidget(m_saveButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_notesEdit, 1);
    layout->addLayout(buttons);
    resize(520, 420);

    connect(m_printButton, &QPushButton::clicked, this, &NotesWindow::printNotesPage);
    connect(m_closeButton, &QPushButton::clicked, this, &NotesWindow::closeWithoutSaving);
    connect(m_saveButton, &QPushButton::clicked, this, &NotesWindow::saveAndClose);
    load();
}

void NotesWindow::load() {
    const NotesText shown = m_notes.load();
    if (shown.notice)
        report(m_dialogs, *shown.notice);
    m_notesEdit->setStoredText(shown.text);
}

bool NotesWindow::save() {
    const Notices notices = m_notes.save(m_notesEdit->storedText());
    report(m_dialogs, notices);
    return notices.isEmpty();
}

// What is printed is what the file holds once saved.
void NotesWindow::printNotesPage() {
    if (trimBlanks(m_notesEdit->toPlainText()).isEmpty())
        return;
    const SavedNotes saved = m_notes.saveForPrinting(m_notesEdit->storedText());
    report(m_dialogs, saved.notices);
    if (saved.record)
        printNotes(m_dialogs, m_printer, printable(*saved.record));
}

void NotesWindow::closeWithoutSaving() {
    hide();
    Q_EMIT closed();
}

void NotesWindow::saveAndClose() {
    if (!save())
        return;
    hide();
    Q_EMIT closed();
}

// Esc and the close box leave as "Close" does.
void NotesWindow::reject() {
    closeWithoutSaving();
}

} // namespace pantrex
