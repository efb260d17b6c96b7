// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dialogs.h"
#include "platform/lineprinter.h"

#include <QString>

namespace pantrex {

// Runs one printout's printer operations. A failing operation is reported in the box "Printer
// error" and tried once more; when it fails again the printout is abandoned: the document is
// thrown away, the user is told, and every later operation does nothing. After ignoreFailures()
// (a printout's footer) a failing operation is passed over. A finished document that the printer
// refuses is told, and the user may keep it as a PDF file instead.
class GuardedPrinter {
public:
    GuardedPrinter(LinePrinter& printer, Dialogs& dialogs, const QString& documentName);
    ~GuardedPrinter();
    GuardedPrinter(const GuardedPrinter&) = delete;
    GuardedPrinter& operator=(const GuardedPrinter&) = delete;

    // False once the printout has been abandoned.
    bool ok() const { return !m_abandoned; }

    void font(const QString& family, double points, bool bold, bool underline = false);
    void fontName(const QString& family);
    void fontSize(double points);
    void bold(bool on);
    void underline(bool on);
    void print(const QString& text);
    void column(int n);
    void endLine();
    // Text followed by the end of its line.
    void line(const QString& text = QString());
    void newPage();
    void ignoreFailures() { m_guarding = false; }

    // Ends the document. True when it is on its way to the printer, or saved as a PDF file instead
    // of a printer that refused it; a document that could not be finished is reported as abandoned.
    bool finish();

private:
    template <typename Operation> void run(Operation operation);
    void abandon();
    bool offerPdf(const LinePrinter::Refusal& refusal);
    Dialogs::Answer tell(const Dialogs::Message& box);

    LinePrinter& m_printer;
    Dialogs& m_dialogs;
    bool m_guarding = true;
    bool m_abandoned = false;
    bool m_finished = false;
};

} // namespace pantrex
