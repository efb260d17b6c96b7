// SPDX-License-Identifier: MIT
#include "printwindows.h"

#include "core/session.h"
#include "help/aboutdialog.h"
#include "help/helpwindow.h"
#include "mainwindow/hoverhints.h"
#include "mainwindow/productview.h"
#include "platform/qtlineprinter.h"
#include "printing/noteswindow.h"
#include "printing/printdialog.h"
#include "printing/productprintout.h"

#include <QEvent>
#include <QListWidget>

namespace pantrex {

PrintWindows::PrintWindows(Session& session, Dialogs& dialogs, QWidget* mainWindow, HoverHints* hints)
    : QObject(mainWindow), m_session(session), m_dialogs(dialogs), m_mainWindow(mainWindow), m_hints(hints) {
    mainWindow->installEventFilter(this);
}

PrintWindows::~PrintWindows() = default;

void PrintWindows::setPrinter(LinePrinter* printer) {
    m_printer = printer;
    if (printer)
        tellWhereItWent(*printer);
}

LinePrinter& PrintWindows::printer() {
    if (m_printer)
        return *m_printer;
    if (!m_systemPrinter) {
        m_systemPrinter = std::make_unique<QtLinePrinter>(m_session.files().folder().absolutePath());
        tellWhereItWent(*m_systemPrinter);
    }
    return *m_systemPrinter;
}

void PrintWindows::openPrintDialog() {
    if (!m_print)
        m_print = new PrintDialog(m_session, m_dialogs, printer(), m_mainWindow);
    m_print->showDialog();
}

void PrintWindows::openNotes() {
    m_mainWindow->setEnabled(false);
    delete m_notes;
    m_notes = new NotesWindow(m_session, m_dialogs, printer(), m_mainWindow);
    m_notes->setEnabled(true);
    connect(m_notes, &NotesWindow::closed, this, [this] {
        m_mainWindow->setEnabled(true);
        m_mainWindow->activateWindow();
        m_mainWindow->setFocus();
    });
    m_notes->show();
    m_notes->activateWindow();
}

void PrintWindows::openHelp(HelpTopic topic) {
    delete m_help;
    m_help = new HelpWindow(topic, m_dialogs, printer(), m_mainWindow);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void PrintWindows::openAbout() {
    if (!m_about)
        m_about = new AboutDialog(m_dialogs, m_mainWindow);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void PrintWindows::printProducts(const ProductView& view) {
    // The first row, whatever language it shows, is all the categories.
    const QListWidgetItem* chosen =
        view.categoryList()->currentRow() > 0 ? view.categoryList()->currentItem() : nullptr;
    printProductList(m_session.catalog(), view.rowRecords(), m_dialogs, printer(),
                     chosen ? chosen->text() : QStringLiteral("All"));
}

bool PrintWindows::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_mainWindow || event->type() != QEvent::Close || !m_notes || !m_notes->isVisible())
        return false;
    event->ignore();
    m_notes->raise();
    m_notes->activateWindow();
    return true;
}

void PrintWindows::tellWhereItWent(LinePrinter& printer) {
    QPointer<HoverHints> hints = m_hints;
    printer.setFinishedHandler([hints](const QString& where) {
        if (hints)
            hints->showUntilPointerMoves(where);
    });
}

} // namespace pantrex
