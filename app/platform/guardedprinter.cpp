// SPDX-License-Identifier: MIT
#include "guardedprinter.h"

#include "platform/dialogs.h"
#include "platform/lineprinter.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace pantrex {

namespace {

struct GuardedPrinterTexts {
    Q_DECLARE_TR_FUNCTIONS(Printing)
};

} // namespace

// A long printout shows the busy pointer while it runs, and the normal one over its boxes.
GuardedPrinter::GuardedPrinter(LinePrinter& printer, Dialogs& dialogs, const QString& documentName)
    : m_printer(printer), m_dialogs(dialogs) {
    m_printer.setDocumentName(documentName);
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

// A printout that stops before its end (a file it could not read, say) leaves nothing half printed.
GuardedPrinter::~GuardedPrinter() {
    if (!m_finished && !m_abandoned)
        m_printer.abandonDocument();
    QGuiApplication::restoreOverrideCursor();
}

Dialogs::Answer GuardedPrinter::tell(const Dialogs::Message& box) {
    QGuiApplication::restoreOverrideCursor();
    const Dialogs::Answer answer = m_dialogs.message(box);
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    return answer;
}

template <typename Operation> void GuardedPrinter::run(Operation operation) {
    if (m_abandoned || operation())
        return;
    if (!m_guarding)
        return;
    Dialogs::Message box;
    box.text = GuardedPrinterTexts::tr("Printer error");
    tell(box);
    if (!operation())
        abandon();
}

void GuardedPrinter::abandon() {
    m_abandoned = true;
    m_printer.abandonDocument();
    Dialogs::Message box;
    box.text = GuardedPrinterTexts::tr("The printout was abandoned.");
    if (!m_printer.errorString().isEmpty())
        box.text += GuardedPrinterTexts::tr("\n\nThe printer reported: %1").arg(m_printer.errorString());
    box.icon = Dialogs::Icon::Exclamation;
    tell(box);
}

void GuardedPrinter::font(const QString& family, double points, bool bold, bool underline) {
    fontName(family);
    fontSize(points);
    this->bold(bold);
    this->underline(underline);
}

void GuardedPrinter::fontName(const QString& family) {
    run([&] { return m_printer.setFontName(family); });
}

void GuardedPrinter::fontSize(double points) {
    run([&] { return m_printer.setFontSize(points); });
}

void GuardedPrinter::bold(bool on) {
    run([&] { return m_printer.setFontBold(on); });
}

void GuardedPrinter::underline(bool on) {
    run([&] { return m_printer.setFontUnderline(on); });
}

void GuardedPrinter::print(const QString& text) {
    run([&] { return m_printer.print(text); });
}

void GuardedPrinter::column(int n) {
    run([&] { return m_printer.moveToColumn(n); });
}

void GuardedPrinter::endLine() {
    run([&] { return m_printer.endLine(); });
}

void GuardedPrinter::line(const QString& text) {
    if (!text.isEmpty())
        print(text);
    endLine();
}

void GuardedPrinter::newPage() {
    run([&] { return m_printer.newPage(); });
}

// However failures were being treated, a document that does not reach the printer is never
// passed over as printed.
bool GuardedPrinter::finish() {
    if (m_abandoned)
        return false;
    m_finished = true;
    if (m_printer.endDocument())
        return true;
    if (const std::optional<LinePrinter::Refusal> refusal = m_printer.refusal())
        return offerPdf(*refusal);
    m_guarding = true;
    abandon();
    return false;
}

// The printout is ready and whole, only the printer would not take it: nothing of it is thrown
// away without the user's word. A "No" needs no further box.
bool GuardedPrinter::offerPdf(const LinePrinter::Refusal& refusal) {
    Dialogs::Message box;
    box.text = GuardedPrinterTexts::tr("The printer %1 did not accept the printout: %2\n\n"
                                       "Save it as a PDF file in the working folder instead?")
                   .arg(refusal.printer, refusal.reason);
    box.buttons = Dialogs::Buttons::YesNo;
    box.icon = Dialogs::Icon::Exclamation;
    if (tell(box) != Dialogs::Answer::Yes) {
        m_abandoned = true;
        m_printer.abandonDocument();
        return false;
    }
    if (m_printer.saveRefusedAsPdf())
        return true;
    abandon();
    return false;
}

} // namespace pantrex
