// SPDX-License-Identifier: MIT
#include "productprintout.h"

#include "data/productcatalog.h"
#include "data/records.h"
#include "platform/dialogs.h"
#include "platform/guardedprinter.h"
#include "printing/printtext.h"

#include <QCoreApplication>
#include <QTime>

namespace pantrex {

namespace {

struct PrintoutTexts {
    Q_DECLARE_TR_FUNCTIONS(Printouts)
};

// One size for the whole list: 52 lines of it fit a page of either paper size, and a line with
// its category column fits the page's width.
constexpr double ListSize = 10;
constexpr int HeaderLines = 6;
constexpr int LinesPerPage = 52;
constexpr int PriceColumn = 45;
constexpr int CategoryColumn = 55;

void pageHeader(GuardedPrinter& printer, const QString& categoryText) {
    printer.endLine();
    printer.endLine();
    printer.endLine();
    printer.line(PrintoutTexts::tr("PANTREX Product List    Printed %1 %2")
                     .arg(printDate(), QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))));
    printer.line(PrintoutTexts::tr("Category: %1").arg(categoryText));
    printer.endLine();
}

bool confirmed(Dialogs& dialogs, const QString& category) {
    Dialogs::Message box;
    box.text = category == QLatin1String("All") ? PrintoutTexts::tr("Print the Product List?")
                                                : PrintoutTexts::tr("Print the %1 list?").arg(category);
    box.title = PrintoutTexts::tr("Confirm");
    box.buttons = Dialogs::Buttons::YesNo;
    box.icon = Dialogs::Icon::Question;
    return dialogs.message(box) == Dialogs::Answer::Yes;
}

} // namespace

bool printProductList(const ProductCatalog& catalog, const QList<qint32>& rows, Dialogs& dialogs, LinePrinter& printer,
                      const QString& categoryText) {
    const QString category = categoryText.trimmed();
    if (!confirmed(dialogs, category))
        return false;
    const bool allCategories = category == QLatin1String("All");

    GuardedPrinter page(printer, dialogs, QStringLiteral("product list"));
    page.font(QStringLiteral("Times New Roman"), ListSize, false);
    pageHeader(page, allCategories ? PrintoutTexts::tr("All") : categoryText);
    int lines = HeaderLines;
    // The rows as the view shows them: its own copy of the product file.
    for (const qint32 number : rows) {
        if (!page.ok())
            break;
        if (number < 1 || number > catalog.count())
            continue;
        const QByteArrayView product = catalog.record(number);
        page.print(printable(product.sliced(ProductRecord::ItemName.offset, ProductRecord::ItemName.width)));
        page.column(PriceColumn);
        page.print(printable(product.sliced(ProductRecord::Price.offset, ProductRecord::Price.width)));
        if (allCategories) {
            page.column(CategoryColumn);
            page.print(printable(product.sliced(ProductRecord::Category.offset, ProductRecord::Category.width)));
        }
        page.endLine();
        if (++lines == LinesPerPage) {
            page.newPage();
            pageHeader(page, categoryText);
            lines = HeaderLines;
        }
    }
    return page.finish();
}

} // namespace pantrex
