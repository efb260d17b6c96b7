// SPDX-License-Identifier: MIT
#include "phonestate.h"

#include "core/session.h"
#include "core/shoppingticks.h"
#include "data/ansitext.h"
#include "data/filenames.h"
#include "data/numbertext.h"
#include "data/productcatalog.h"

#include <QJsonArray>

namespace pantrex {

namespace {

// A JSON string: quotes, backslashes and control characters escaped, the rest as UTF-8.
void appendString(QByteArray& out, const QString& text) {
    out += '"';
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
            out += '\\';
            out += char(c.unicode());
        } else if (c.unicode() < 0x20) {
            out += "\\u00" + QByteArray::number(c.unicode(), 16).rightJustified(2, '0');
        } else if (c.unicode() < 0x80) {
            out += char(c.unicode());
        } else {
            out += QString(c).toUtf8();
        }
    }
    out += '"';
}

void appendField(QByteArray& out, const char* name, const QString& text) {
    out += '"';
    out += name;
    out += "\":";
    appendString(out, text);
}

void appendNumber(QByteArray& out, const char* name, qint64 value) {
    out += '"';
    out += name;
    out += "\":";
    out += QByteArray::number(value);
}

QString shown(QByteArrayView field) {
    return fromAnsi(fieldText(field));
}

void appendItem(QByteArray& out, const Session& session, qint64 recordNumber) {
    const Record& record = session.shoppingList().shownRecords().at(recordNumber - 1);
    out += '{';
    appendNumber(out, "record", recordNumber);
    out += ",\"key\":\"" + ShoppingTicks::keyOf(record.bytes()) + "\",";
    appendField(out, "quantity", shown(record.raw(ShoppingRecord::Quantity)));
    out += ',';
    appendField(out, "text", shown(record.raw(ShoppingRecord::ItemText)));
    out += ',';
    appendField(out, "cost", fromAnsi(formatMoney(record.text(ShoppingRecord::LineCost))));
    out += session.ticks().isTicked(recordNumber) ? ",\"ticked\":true}" : ",\"ticked\":false}";
}

} // namespace

QByteArray shoppingListState(const Session& session, const QString& socket) {
    const ShoppingList& list = session.shoppingList();
    const QList<Record>& records = list.shownRecords();
    const QList<CategoryGroup> groups = groupByCategory(records, session.aisles().order());
    QByteArray out;
    out.reserve(records.size() * 120 + 512);
    out += '{';
    appendField(out, "name", baseName(session.shoppingListPath()));
    out += ',';
    appendField(out, "caption", list.caption(list.total()));
    out += ',';
    appendField(out, "total", list.total());
    out += ',';
    appendNumber(out, "count", records.size());
    out += ',';
    appendNumber(out, "ticked", session.ticks().count());
    out += ',';
    appendField(out, "socket", socket);
    out += ",\"categories\":[";
    for (const CategoryGroup& group : groups) {
        if (out.endsWith('}'))
            out += ',';
        out += '{';
        appendField(out, "name", fromAnsi(group.category));
        out += ",\"items\":[";
        for (qsizetype i = 0; i < group.items.size(); ++i) {
            if (i > 0)
                out += ',';
            appendItem(out, session, group.items.at(i) + 1);
        }
        out += "]}";
    }
    out += "]}";
    return out;
}

QJsonObject productSearch(const Session& session, const QString& text, int most) {
    const ProductCatalog& catalog = session.catalog();
    const QByteArray search = ansiLower(toAnsi(text.trimmed()));
    QJsonArray products;
    if (!search.isEmpty() && session.productCount() > 0) {
        ProductCatalog::Filter filter;
        filter.lowerPrefix = search;
        filter.most = session.productCount();
        QList<qint32> found;
        catalog.select(filter, found);
        for (qsizetype i = 0; i < found.size() && i < most; ++i)
            products.append(QJsonObject{{QStringLiteral("product"), found.at(i)},
                                        {QStringLiteral("name"), fromAnsi(catalog.name(found.at(i)))}});
    }
    return {{QStringLiteral("products"), products}};
}

} // namespace pantrex
