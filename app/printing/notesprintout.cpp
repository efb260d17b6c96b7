// SPDX-License-Identifier: MIT
#include "notesprintout.h"

#include "platform/guardedprinter.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

namespace pantrex {

namespace {

struct PrintoutTexts {
    Q_DECLARE_TR_FUNCTIONS(Printouts)
};

} // namespace

bool printNotes(Dialogs& dialogs, LinePrinter& printer, const QString& storedText) {
    GuardedPrinter page(printer, dialogs, QStringLiteral("notes"));
    // Plain type whatever an earlier printout left set.
    page.font(QStringLiteral("Times New Roman"), 14, false);
    page.endLine();
    page.endLine();
    page.endLine();
    page.line(PrintoutTexts::tr("Shopping Notes"));
    page.fontSize(12);
    page.line(
        PrintoutTexts::tr("Printed %1").arg(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)));
    page.endLine();
    page.line(storedText);
    return page.finish();
}

} // namespace pantrex
