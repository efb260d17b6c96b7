// SPDX-License-Identifier: MIT
// The main window's printing, notes, help and about box: which command opens what, and the
// printer every printout goes to.
#include "pantrex1.h"

#include "core/session.h"
#include "help/aboutdialog.h"
#include "help/helpwindow.h"
#include "mainwindow/hoverhints.h"
#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/hoverbutton.h"
#include "platform/qtlineprinter.h"
#include "printing/noteswindow.h"
#include "printing/printdialog.h"
#include "printing/productprintout.h"

#include <QAction>
#include <QEvent>
#include <QListWidget>
#include <QMenu>
#include <QPointer>

#include <memory>

namespace pantrex {

// The windows the main window opens for printing and help, and the printer they print on.
class PrintWindows : public QObject {
public:
    PrintWindows(Session& session, Dialogs& dialogs, QWidget* mainWindow, HoverHints* hints)
        : QObject(mainWindow), m_session(session), m_dialogs(dialogs), m_mainWindow(mainWindow), m_hints(hints) {
        mainWindow->installEventFilter(this);
    }

    void setPrinter(LinePrinter* printer) {
        m_printer = printer;
        if (printer)
            tellWhereItWent(*printer);
    }

    // Without a printer of its own the program prints on the system's, or into the working folder.
    LinePrinter& printer() {
        if (m_printer)
            return *m_printer;
        if (!m_systemPrinter) {
            m_systemPrinter = std::make_unique<QtLinePrinter>(m_session.files().folder().absolutePath());
            tellWhereItWent(*m_systemPrinter);
        }
        return *m_systemPrinter;
    }

    void openPrintDialog() {
        if (!m_print)
            m_print = new PrintDialog(m_session, m_dialogs, printer(), m_mainWindow);
        m_print->showDialog();
    }

    // The main window stays disabled while the notes are open, and comes back however they close.
    void openNotes() {
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

    // A help command always shows its topic in a window made afresh.
    void openHelp(HelpTopic topic) {
        delete m_help;
        m_help = new HelpWindow(topic, m_dialogs, printer(), m_mainWindow);
        m_help->show();
        m_help->raise();
        m_help->activateWindow();
    }

    void openAbout() {
        if (!m_about)
            m_about = new AboutDialog(m_dialogs, m_mainWindow);
        m_about->show();
        m_about->raise();
        m_about->activateWindow();
    }

    void printProducts(const ProductView& view) {
        // The first row, whatever language it shows, is all the categories.
        const QListWidgetItem* chosen = view.Combo1->currentRow() > 0 ? view.Combo1->currentItem() : nullptr;
        printProductList(m_session.catalog(), view.rowRecords(), m_dialogs, printer(),
                         chosen ? chosen->text() : QStringLiteral("All"));
    }

protected:
    // While the notes are open the main window cannot be closed (its close box would otherwise end
    // the program and lose them); the notes come to the front instead.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_mainWindow || event->type() != QEvent::Close || !m_notes || !m_notes->isVisible())
            return false;
        event->ignore();
        m_notes->raise();
        m_notes->activateWindow();
        return true;
    }

private:
    // On the hint line, where the user looks for it once the printout's windows have gone.
    void tellWhereItWent(LinePrinter& printer) {
        QPointer<HoverHints> hints = m_hints;
        printer.setFinishedHandler([hints](const QString& where) {
            if (hints)
                hints->showUntilPointerMoves(where);
        });
    }

    Session& m_session;
    Dialogs& m_dialogs;
    QWidget* m_mainWindow;
    HoverHints* m_hints;
    LinePrinter* m_printer = nullptr;
    std::unique_ptr<LinePrinter> m_systemPrinter;
    QPointer<PrintDialog> m_print;
    QPointer<NotesWindow> m_notes;
    QPointer<HelpWindow> m_help;
    QPointer<AboutDialog> m_about;
};

void pantrex1::setLinePrinter(LinePrinter* printer) {
    m_printing->setPrinter(printer);
}

void pantrex1::showProgramHelp() {
    m_printing->openHelp(HelpTopic::Program);
}

void pantrex1::connectPrinting() {
    m_printing = new PrintWindows(m_session, m_dialogs, this, m_hints);
    connect(m_shoppingList->printButton(), &QPushButton::clicked, m_printing, &PrintWindows::openPrintDialog);
    connect(m_productView->printmastercmd, &QPushButton::clicked, m_printing,
            [this] { m_printing->printProducts(*m_productView); });
    connect(notescmd, &QAction::triggered, m_printing, &PrintWindows::openNotes);
    connect(helpcmd, &QAction::triggered, this, &pantrex1::showProgramHelp);
    connect(mergehelpcmd, &QAction::triggered, m_printing, [this] { m_printing->openHelp(HelpTopic::ImportExport); });
    for (QAction* item : recipemenu->actions()) {
        if (item->objectName() == QLatin1String("rechelpcmd"))
            connect(item, &QAction::triggered, m_printing, [this] { m_printing->openHelp(HelpTopic::CustomLists); });
    }
    connect(aboutcmd, &QAction::triggered, m_printing, &PrintWindows::openAbout);

    ProductView* view = m_productView;
    m_hints->addButton(view->printmastercmd, tr("Print the product list shown above."), true,
                       {view->addfoodcmd, view->delfoodcmd});
}

} // namespace pantrex
