// SPDX-License-Identifier: MIT
#include "pantnote.h"

#include "data/ansitext.h"
#include "data/filechannels.h"
#include "data/filenames.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "printing/notesedit.h"
#include "printing/notesprintout.h"
#include "printing/printsettings.h"
#include "printing/printtext.h"
#include "state/pantmod.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pantrex {

namespace {

const QString& NotesFile = DataFile::Notes;
constexpr Field NotesText{0, pantnote::Capacity};

} // namespace

pantnote::pantnote(PANTMOD& pantmod, Dialogs& dialogs, LinePrinter& printer, QWidget* parent)
    : QDialog(parent), m_pantmod(pantmod), m_dialogs(dialogs), m_printer(printer) {
    setObjectName(QStringLiteral("pantnote"));
    setWindowTitle(tr("Shopping Notes"));
    setModal(false);
    Text1 = new NotesEdit(Capacity, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(tr("Notes"));
    printcmd = new HoverButton(QStringLiteral("printcmd"), tr("Print"), this);
    cancelcmd = new HoverButton(QStringLiteral("cancelcmd"), tr("Close"), this);
    savecmd = new HoverButton(QStringLiteral("savecmd"), tr("Save and Close"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printcmd);
    buttons->addStretch(1);
    buttons->addWidget(cancelcmd);
    buttons->addWidget(savecmd);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text1, 1);
    layout->addLayout(buttons);
    resize(520, 420);

    connect(printcmd, &QPushButton::clicked, this, &pantnote::printcmdClick);
    connect(cancelcmd, &QPushButton::clicked, this, &pantnote::cancelcmdClick);
    connect(savecmd, &QPushButton::clicked, this, &pantnote::savecmdClick);
    load();
}

void pantnote::load() {
    m_pantmod.session.files().close(NotesChannel);
    if (!m_pantmod.session.files().open(NotesChannel, NotesFile, Capacity))
        showFileError(m_dialogs, m_pantmod.session.files().errorString());
    // A record cut short by the end of the file shows as far as it goes.
    const Record record = firstRecordOf(m_pantmod.session.files(), NotesFile, Capacity);
    m_fileRecord = record.bytes();
    // A zero byte another program left in the text shows as a blank: the text after it is kept.
    const QByteArray stored = record.raw(NotesText).replace('\0', ' ');
    Text1->setStoredText(fromAnsi(fieldText(stored)));
    m_pantmod.session.files().close(NotesChannel);
}

// Writes the text as it stands, unless another program changed the file since the window read it:
// then nothing is written, and a second save replaces the file knowingly.
bool pantnote::save() {
    m_pantmod.session.files().close(NotesChannel);
    RecordFile* file = m_pantmod.session.files().open(NotesChannel, NotesFile, Capacity);
    if (!file) {
        showFileError(m_dialogs, m_pantmod.session.files().errorString());
        return false;
    }
    const QByteArray onDisk = firstRecordOf(m_pantmod.session.files(), NotesFile, Capacity).bytes();
    if (onDisk != m_fileRecord) {
        m_fileRecord = onDisk;
        m_pantmod.session.files().close(NotesChannel);
        Dialogs::Message box;
        box.text = tr("%1 was changed by another program while the notes were open, so nothing was saved. Save "
                      "again to replace it with the notes shown.")
                       .arg(NotesFile);
        box.icon = Dialogs::Icon::Exclamation;
        m_dialogs.message(box);
        return false;
    }
    Record record(Capacity);
    record.set(NotesText, toAnsi(blankTrimmed(Text1->storedText())));
    const bool written = file->rewriteFirst({record});
    if (written)
        m_fileRecord = record.bytes();
    else
        showFileError(m_dialogs, file->errorString());
    return written;
}

void pantnote::printcmdClick() {
    if (blankTrimmed(Text1->toPlainText()).isEmpty())
        return;
    if (!save())
        return;
    // What is printed is what the file now holds.
    const std::optional<Record> stored = m_pantmod.session.files().file(NotesChannel)->read(1);
    if (!stored)
        showFileError(m_dialogs, m_pantmod.session.files().file(NotesChannel)->errorString());
    else
        printNotes(m_dialogs, m_printer, printable(stored->bytes()));
    m_pantmod.session.files().close(NotesChannel);
}

void pantnote::cancelcmdClick() {
    m_pantmod.session.files().close(NotesChannel);
    hide();
    Q_EMIT closed();
}

void pantnote::savecmdClick() {
    const bool saved = save();
    m_pantmod.session.files().close(NotesChannel);
    if (!saved)
        return;
    hide();
    Q_EMIT closed();
}

// Esc and the close box leave as "Close" does.
void pantnote::reject() {
    cancelcmdClick();
}

} // namespace pantrex
