// SPDX-License-Identifier: MIT
#pragma once

#include "help/helptopics.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QWidget;

namespace pantrex {

class AboutDialog;
class Dialogs;
class HelpWindow;
class HoverHints;
class LinePrinter;
class NotesWindow;
class PrintDialog;
class ProductView;
class Session;

// The windows the main window opens for printing and help, and the printer they print on.
class PrintWindows : public QObject {
    Q_OBJECT

public:
    PrintWindows(Session& session, Dialogs& dialogs, QWidget* mainWindow, HoverHints* hints);
    ~PrintWindows() override;

    void setPrinter(LinePrinter* printer);
    // Without a printer of its own the program prints on the system's, or into the working folder.
    LinePrinter& printer();

    void openPrintDialog();
    // The main window stays disabled while the notes are open, and comes back however they close.
    void openNotes();
    // A help command always shows its topic in a window made afresh.
    void openHelp(HelpTopic topic);
    void openAbout();
    void printProducts(const ProductView& view);

protected:
    // While the notes are open the main window cannot be closed (its close box would otherwise end
    // the program and lose them); the notes come to the front instead.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // On the hint line, where the user looks for it once the printout's windows have gone.
    void tellWhereItWent(LinePrinter& printer);

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

} // namespace pantrex
