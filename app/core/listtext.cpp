// SPDX-License-Identifier: MIT
#include "listtext.h"

#include "core/entrytext.h"
#include "core/productoperations.h"
#include "core/session.h"
#include "core/shoppinglist.h"
#include "data/ansitext.h"
#include "data/productcatalog.h"
#include "data/records.h"

#include <QHash>
#include <QRegularExpression>

namespace pantrex {

namespace {

QByteArray nameKey(const QString& name) {
    return ansiUpper(toAnsi(trimBlanks(name)));
}

// The first record of each name, as the import matches names.
QHash<QByteArray, qint64> productsByName(const ProductCatalog& catalog) {
    QHash<QByteArray, qint64> products;
    products.reserve(catalog.count());
    for (qint64 n = catalog.count(); n >= 1; --n)
        products.insert(ansiUpper(catalog.name(n)), n);
    return products;
}

bool isHeading(const QString& line) {
    static const QRegularExpression heading(QStringLiteral("^\\S+ \\(\\$[0-9.]*\\)$"));
    return heading.match(line).hasMatch();
}

std::optional<PastedLine> readLine(QString line, const QHash<QByteArray, qint64>& products) {
    line = line.section(QLatin1Char('\t'), 0, 0).trimmed();
    static const QRegularExpression bullet(QStringLiteral("^(?:[-*\u2022\u2013]|\\[[ xX]?\\])\\s*"));
    line.remove(bullet);
    // A line that ends in ":" heads the lines after it ("Shopping for Saturday:").
    if (line.isEmpty() || isHeading(line) || line.endsWith(QLatin1Char(':')))
        return std::nullopt;
    if (products.contains(nameKey(line)))
        return PastedLine{line, "1"};
    static const QRegularExpression before(QStringLiteral("^(\\d+(?:\\.\\d+)?)\\s*(?:[xX\u00D7*]\\s*|\\s)\\s*(.+)$"));
    static const QRegularExpression after(QStringLiteral("^(.+?)\\s+(?:[xX\u00D7*]\\s*)?(\\d+(?:\\.\\d+)?)$"));
    if (const QRegularExpressionMatch m = before.match(line); m.hasMatch())
        return PastedLine{m.captured(2).trimmed(), m.captured(1).toLatin1()};
    if (const QRegularExpressionMatch m = after.match(line); m.hasMatch())
        return PastedLine{m.captured(1).trimmed(), m.captured(2).toLatin1()};
    return PastedLine{line, "1"};
}

// Puts one product on the list and reads the list again, so that the next add finds it as shown.
std::optional<Notice> addOne(ShoppingList& list, qint64 product, const QByteArray& quantity) {
    const ShoppingListResult result = list.add({product}, quantity);
    if (result.status == ShoppingListResult::Status::ChangedUnderneath)
        return Notice{
            ShoppingList::tr("%1 was changed by another program. Nothing more was added.").arg(result.changedFile),
            QString(), Notice::Kind::Warning};
    if (result.notice)
        return result.notice;
    if (result.status != ShoppingListResult::Status::Done)
        return Notice{};
    return list.reload();
}

} // namespace

QString shoppingListText(const ShoppingList& list) {
    QString text = list.caption(list.total()) + QLatin1Char('\n');
    for (const ShoppingRow& row : list.rows()) {
        text += fromAnsi(fieldText(row.quantity)) + QStringLiteral(" x ") + fromAnsi(fieldText(row.itemText)) +
                QStringLiteral("\t$") + fromAnsi(row.cost) + QLatin1Char('\n');
    }
    return text;
}

QList<PastedLine> readPastedLines(const QString& text, const ProductCatalog& catalog) {
    const QHash<QByteArray, qint64> products = productsByName(catalog);
    QList<PastedLine> lines;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")))) {
        if (std::optional<PastedLine> read = readLine(line, products))
            lines.append(*read);
    }
    return lines;
}

PasteResult pasteItems(Session& session, const QString& text) {
    ProductCatalog& catalog = session.catalog();
    catalog.refresh(session.files(), session.productListPath());
    const QHash<QByteArray, qint64> products = productsByName(catalog);
    PasteResult result;
    ShoppingList& list = session.shoppingList();
    for (const PastedLine& line : readPastedLines(text, catalog)) {
        const auto found = products.constFind(nameKey(line.name));
        if (found == products.cend()) {
            result.unknown.append(line);
            continue;
        }
        if (!result.notice) {
            result.notice = addOne(list, *found, line.quantity);
            if (!result.notice)
                ++result.added;
        }
    }
    return result;
}

PasteResult addAsNewProducts(Session& session, const QList<PastedLine>& lines) {
    PasteResult result;
    ProductOperations operations(session);
    for (const PastedLine& line : lines) {
        const ProductEntry entry{capwords(trimBlanks(line.name)), QStringLiteral(".00"), false, false, QString()};
        result.notice = operations.addProduct(ProductOperations::productRecord(entry, true));
        if (result.notice)
            break;
        session.catalog().refresh(session.files(), session.productListPath());
        result.notice = addOne(session.shoppingList(), session.catalog().count(), line.quantity);
        if (result.notice)
            break;
        ++result.added;
    }
    return result;
}

} // namespace pantrex
