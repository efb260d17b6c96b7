// SPDX-License-Identifier: MIT
#include "phonestate.h"

#include "core/session.h"
#include "core/shoppingticks.h"
#include "data/ansitext.h"
#include "data/filenames.h"
#include "data/numbertext.h"
#include "data/productcatalog.h"

#include <QJsonArray>
#include <QMap>

#include <algorithm>

namespace pantrex {

namespace {

QString shown(QByteArrayView field) {
    return fromAnsi(fieldText(field));
}

QJsonObject item(const Session& session, qint64 recordNumber) {
    const Record& record = session.shoppingList().shownRecords().at(recordNumber - 1);
    return {{QStringLiteral("record"), recordNumber},
            {QStringLiteral("key"), QString::fromLatin1(ShoppingTicks::keyOf(record.bytes()))},
            {QStringLiteral("quantity"), shown(record.raw(ShoppingRecord::Quantity))},
            {QStringLiteral("text"), shown(record.raw(ShoppingRecord::ItemText))},
            {QStringLiteral("cost"), fromAnsi(formatMoney(record.text(ShoppingRecord::LineCost)))},
            {QStringLiteral("ticked"), session.ticks().isTicked(recordNumber)}};
}

} // namespace

QJsonObject shoppingListState(const Session& session) {
    const ShoppingList& list = session.shoppingList();
    const QList<Record>& records = list.shownRecords();
    QList<QByteArray> order;
    QHash<QByteArray, QJsonArray> groups;
    for (qint64 n = 1; n <= records.size(); ++n) {
        const QByteArray category = records.at(n - 1).text(ShoppingRecord::Category);
        if (!groups.contains(category))
            order.append(category);
        groups[category].append(item(session, n));
    }
    std::sort(order.begin(), order.end(),
              [](const QByteArray& a, const QByteArray& b) { return fromAnsi(a) < fromAnsi(b); });
    QJsonArray categories;
    for (const QByteArray& category : std::as_const(order))
        categories.append(QJsonObject{{QStringLiteral("name"), fromAnsi(category)},
                                      {QStringLiteral("items"), groups.value(category)}});
    return {{QStringLiteral("name"), baseName(session.shoppingListPath())},
            {QStringLiteral("caption"), list.caption(list.total())},
            {QStringLiteral("total"), list.total()},
            {QStringLiteral("count"), records.size()},
            {QStringLiteral("ticked"), session.ticks().count()},
            {QStringLiteral("categories"), categories}};
}

QJsonObject productSearch(const Session& session, const QString& text, int most) {
    const ProductCatalog& catalog = session.catalog();
    const QByteArray search = ansiLower(toAnsi(text.trimmed()));
    QJsonArray products;
    if (!search.isEmpty() && session.productCount() > 0) {
        ProductCatalog::Filter filter;
        filter.lowerPrefix = search;
        filter.most = session.productCount();
        QList<qint64> found;
        catalog.select(filter, found);
        for (qsizetype i = 0; i < found.size() && i < most; ++i)
            products.append(QJsonObject{{QStringLiteral("product"), found.at(i)},
                                        {QStringLiteral("name"), fromAnsi(catalog.name(found.at(i)))}});
    }
    return {{QStringLiteral("products"), products}};
}

} // namespace pantrex
