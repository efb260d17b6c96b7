#include "notesprintout.h"

#include "printing/guardedprinter.h"

#include <QDate>
#include <QLocale>

namespace pantrex {

bool printNotes(Dialogs& dialogs, LinePrinter& printer, const QString& storedText) {
    GuardedPrinter page(printer, dialogs, QStringLiteral("notes"));
    // Plain type whatever an earlier printout left set.
    page.font(QStringLiteral("Times New Roman"), 14, false);
    page.endLine();
    page.endLine();
    page.endLine();
    page.line(QStringLiteral("Shopping Notes"));
    page.fontSize(12);
    page.line(QStringLiteral("Printed ") + QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    page.endLine();
    page.line(storedText);
    return page.finish();
}

} // namespace pantrex
