// SPDX-License-Identifier: MIT
#include "noteswindow.h"

#include "core/printsettings.h"
#include "core/session.h"
#include "data/ansitext.h"
#include "data/filechannels.h"
#include "data/filenames.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "printing/notesedit.h"
#include "printing/notesprintout.h"
#include "printing/printtext.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pantrex {

namespace {

const QString& NotesFile = DataFile::Notes;
constexpr Field NotesText{0, NotesWindow::Capacity};

} // namespace

NotesWindow::NotesWindow(Session& session, Dialogs& dialogs, LinePrinter& printer, QWidget* parent)
    : QDialog(parent), m_session(session), m_dialogs(dialogs), m_printer(printer) {
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
    m_session.files().close(NotesChannel);
    if (!m_session.files().open(NotesChannel, NotesFile, Capacity))
        showFileError(m_dialogs, m_session.files().errorString());
    // A record cut short by the end of the file shows as far as it goes.
    const Record record = firstRecordOf(m_session.files(), NotesFile, Capacity);
    m_fileRecord = record.bytes();
    // A zero byte another program left in the text shows as a blank: the text after it is kept.
    const QByteArray stored = record.raw(NotesText).replace('\0', ' ');
    m_notesEdit->setStoredText(fromAnsi(fieldText(stored)));
    m_session.files().close(NotesChannel);
}

// Writes the text as it stands, unless another program changed the file since the window read it:
// then nothing is written, and a second save replaces the file knowingly.
bool NotesWindow::save() {
    m_session.files().close(NotesChannel);
    RecordFile* file = m_session.files().open(NotesChannel, NotesFile, Capacity);
    if (!file) {
        showFileError(m_dialogs, m_session.files().errorString());
        return false;
    }
    const QByteArray onDisk = firstRecordOf(m_session.files(), NotesFile, Capacity).bytes();
    if (onDisk != m_fileRecord) {
        m_fileRecord = onDisk;
        m_session.files().close(NotesChannel);
        Dialogs::Message box;
        box.text = tr("%1 was changed by another program while the notes were open, so nothing was saved. Save "
                      "again to replace it with the notes shown.")
                       .arg(NotesFile);
        box.icon = Dialogs::Icon::Exclamation;
        m_dialogs.message(box);
        return false;
    }
    Record record(Capacity);
    record.set(NotesText, toAnsi(blankTrimmed(m_notesEdit->storedText())));
    const bool written = file->rewriteFirst({record});
    if (written)
        m_fileRecord = record.bytes();
    else
        showFileError(m_dialogs, file->errorString());
    return written;
}

void NotesWindow::printNotesPage() {
    if (blankTrimmed(m_notesEdit->toPlainText()).isEmpty())
        return;
    if (!save())
        return;
    // What is printed is what the file now holds.
    const std::optional<Record> stored = m_session.files().file(NotesChannel)->read(1);
    if (!stored)
        showFileError(m_dialogs, m_session.files().file(NotesChannel)->errorString());
    else
        printNotes(m_dialogs, m_printer, printable(stored->bytes()));
    m_session.files().close(NotesChannel);
}

void NotesWindow::closeWithoutSaving() {
    m_session.files().close(NotesChannel);
    hide();
    Q_EMIT closed();
}

void NotesWindow::saveAndClose() {
    const bool saved = save();
    m_session.files().close(NotesChannel);
    if (!saved)
        return;
    hide();
    Q_EMIT closed();
}

// Esc and the close box leave as "Close" does.
void NotesWindow::reject() {
    closeWithoutSaving();
}

} // namespace pantrex
