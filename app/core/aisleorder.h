// SPDX-License-Identifier: MIT
#pragma once

#include "core/notice.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QObject>

#include <optional>

namespace pantrex {

class Session;

// Categories in a store's aisle order: the categories of the order first, as the order has them,
// then the others in the order of their texts compared character by character (capitals first).
class AisleSort {
public:
    explicit AisleSort(const QList<QByteArray>& order);
    bool operator()(const QByteArray& a, const QByteArray& b) const;
    // The categories sorted so, each once.
    QList<QByteArray> sorted(QList<QByteArray> categories) const;

private:
    QHash<QByteArray, qsizetype> m_place;
};

// The order in which the user walks a store's aisles, kept per shopping list in a small file beside it
// (aislesFileOf()): UTF-8 text, one category a line as the lists show it, LF line ends. The grouped
// printout and the phone view put their groups in this order. The file is read afresh each time, so
// that an order changed by hand or by a second copy of the program counts at once; a file that is
// missing, refused (a link, a named pipe, a folder), larger than MostBytes or not text stands for no
// order at all.
class AisleOrder : public QObject {
    Q_OBJECT

public:
    static constexpr qint64 MostBytes = qint64(1) << 20;

    explicit AisleOrder(Session& session, QObject* parent = nullptr);

    // The open shopping list's order: categories as stored in the records, each once.
    QList<QByteArray> order() const;
    // Keeps this order for the open shopping list. A write that fails leaves the old file whole and
    // tells why.
    std::optional<Notice> setOrder(const QList<QByteArray>& categories);

    // The file's text for an order, and the order a file's text gives (none for what is not text).
    static QByteArray toText(const QList<QByteArray>& categories);
    static QList<QByteArray> fromText(QByteArrayView text);

Q_SIGNALS:
    // The open list's order was saved: what shows the groups must be redrawn.
    void orderChanged();

private:
    QString filePath() const;

    Session& m_session;
};

} // namespace pantrex
