// SPDX-License-Identifier: MIT
#include "shoppingprintout.h"

#include "core/entrytext.h"
#include "core/session.h"
#include "data/ansitext.h"
#include "data/numbertext.h"
#include "platform/dialogs.h"
#include "platform/guardedprinter.h"
#include "printing/printtext.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <optional>

namespace pantrex {

namespace {

struct PrintoutTexts {
    Q_DECLARE_TR_FUNCTIONS(Printouts)
};

constexpr double DefaultSize = 12;
constexpr double SmallestSize = 6;
constexpr double LargestSize = 20;
constexpr int CategoryColumn = 50;
const QString BodyFont = QStringLiteral("Times New Roman");

class ShoppingPrintout {
public:
    ShoppingPrintout(Session& session, Dialogs& dialogs, LinePrinter& printer, const ShoppingPrintChoices& choices)
        : m_session(session), m_dialogs(dialogs), m_choices(choices),
          m_printer(printer, dialogs, QStringLiteral("shopping list")) {}

    bool run();

private:
    bool readList();
    void readUnitPrices();
    void heading();
    void row(const Record& item);
    void inListOrder();
    void byCategory();
    bool ending(const QString& dateGap);

    Session& m_session;
    Dialogs& m_dialogs;
    const ShoppingPrintChoices& m_choices;
    GuardedPrinter m_printer;
    QList<Record> m_items;
    QHash<QByteArray, QByteArray> m_unitPrices; // upper-case product name -> its price field
    QString m_total;
};

bool ShoppingPrintout::run() {
    if (!readList())
        return false;
    if (m_choices.unitPrices)
        readUnitPrices();
    if (m_choices.byCategory) {
        byCategory();
        return ending(QStringLiteral("   "));
    }
    inListOrder();
    return ending(QStringLiteral("  "));
}

// The items and the total are taken as the list stands now, so that a list changed while the
// dialog was open prints as it is shown.
bool ShoppingPrintout::readList() {
    RecordFile* file = m_session.files().file(ShoppingChannel);
    std::optional<QList<Record>> items = file ? file->readFirst(m_session.shoppingCount()) : std::nullopt;
    if (!items) {
        showFileError(m_dialogs,
                      file ? file->errorString()
                           : PrintoutTexts::tr("Could not read %1: it is not open").arg(m_session.shoppingListPath()));
        return false;
    }
    m_items = *items;
    QByteArray total;
    for (const Record& item : std::as_const(m_items))
        total = formatMoney(numberValue(total) + numberValue(item.text(ShoppingRecord::LineCost)));
    m_total = fromAnsi(total);
    return true;
}

// The first product in file order whose name matches, ignoring case, gives an item its price.
void ShoppingPrintout::readUnitPrices() {
    ProductCatalog& catalog = m_session.catalog();
    catalog.refresh(m_session.files(), m_session.productListPath());
    const qint64 products = std::min(m_session.productCount(), catalog.count());
    for (qint64 n = 1; n <= products; ++n) {
        const QByteArray name = ansiUpper(catalog.name(n));
        if (!m_unitPrices.contains(name))
            m_unitPrices.insert(name, catalog.price(n).toByteArray());
    }
}

void ShoppingPrintout::heading() {
    m_printer.fontName(BodyFont);
    m_printer.fontSize(printFontSize(m_choices.fontSize));
    m_printer.bold(m_choices.bold);
    m_printer.underline(true);
    m_printer.print(m_choices.unitPrices ? PrintoutTexts::tr("Quantity/Item/Unit Price")
                                         : PrintoutTexts::tr("Quantity/Item"));
    m_printer.column(CategoryColumn);
    m_printer.print(PrintoutTexts::tr("Category"));
    m_printer.endLine();
    m_printer.endLine();
    m_printer.underline(false);
}

void ShoppingPrintout::row(const Record& item) {
    const QByteArray name = item.text(ShoppingRecord::ItemText);
    QString text = printable(item.raw(ShoppingRecord::Quantity)) + QLatin1Char(' ') + fromAnsi(name);
    if (m_choices.unitPrices) {
        const auto price = m_unitPrices.constFind(ansiUpper(name));
        if (price != m_unitPrices.cend())
            text += QStringLiteral(" (") + fromAnsi(formatMoney(*price).trimmed()) + QLatin1Char(')');
    }
    m_printer.print(text);
    m_printer.column(CategoryColumn);
    m_printer.print(printable(item.raw(ShoppingRecord::Category)));
    m_printer.endLine();
}

void ShoppingPrintout::inListOrder() {
    heading();
    for (const ShoppingRow& shown : m_session.shoppingList().rows()) {
        const qint64 number = shown.recordNumber;
        if (number >= 1 && number <= m_items.size() && m_printer.ok())
            row(m_items.at(number - 1));
    }
}

void ShoppingPrintout::byCategory() {
    const QList<CategoryGroup> groups = groupByCategory(m_items, m_session.aisles().order());
    heading();
    for (qsizetype c = 0; c < groups.size() && m_printer.ok(); ++c) {
        if (m_choices.separators && c > 0) {
            m_printer.bold(true);
            m_printer.print(QString(40, QLatin1Char('-')));
            m_printer.endLine();
            if (!m_choices.bold)
                m_printer.bold(false);
        }
        for (const qsizetype i : groups.at(c).items)
            row(m_items.at(i));
    }
}

bool ShoppingPrintout::ending(const QString& dateGap) {
    m_printer.endLine();
    bool anyNote = false;
    for (const QString& note : m_choices.notes) {
        if (trimBlanks(note).isEmpty())
            continue;
        m_printer.line(note);
        anyNote = true;
    }
    if (anyNote)
        m_printer.endLine();
    m_printer.line(printDate() + dateGap + m_total);

    // The footer's font may be missing on this printer; that never stops the printout.
    m_printer.ignoreFailures();
    m_printer.fontName(QStringLiteral("Playbill"));
    m_printer.bold(false);
    m_printer.fontSize(12);
    m_printer.print(QStringLiteral("Pantrex"));
    m_printer.print(PrintoutTexts::tr(" Shopping List Utility"));
    m_printer.endLine();
    return m_printer.finish();
}

} // namespace

double printFontSize(const QString& typed) {
    const double size = numberValue(toAnsi(typed));
    if (!(size > 0))
        return DefaultSize;
    return std::clamp(size, SmallestSize, LargestSize);
}

bool printShoppingList(Session& session, Dialogs& dialogs, LinePrinter& printer, const ShoppingPrintChoices& choices) {
    return ShoppingPrintout(session, dialogs, printer, choices).run();
}

} // namespace pantrex
