// SPDX-License-Identifier: MIT
#pragma once

#include "core/notice.h"
#include "core/shoppinglist.h"
#include "data/records.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <optional>

namespace pantrex {

class Session;

// The items of the open shopping list that are ticked off (in the trolley). The ticks are kept per
// list in a small file beside it (ticksFileOf()): each tick is the record number with a copy of the
// record's bytes, so that a tick is only ever taken back for the very record it was made for. When
// the list changes, each tick follows its record; a tick whose record is gone is dropped.
//
// The ticks file is a run of 157-byte records: the record number as text (8 bytes, blank-padded),
// then the 149 bytes of the shopping record as they were when it was ticked.
class ShoppingTicks : public QObject {
    Q_OBJECT

public:
    static constexpr int NumberWidth = 8;
    static constexpr int Length = NumberWidth + ShoppingRecord::Length;

    explicit ShoppingTicks(Session& session, QObject* parent = nullptr);

    // Whether the record (numbered from 1 in the list file) is ticked.
    bool isTicked(qint64 recordNumber) const { return m_ticked.contains(recordNumber); }
    qsizetype count() const { return m_ticked.size(); }

    // What names a record for a tick from afar (the phone): a digest of its bytes, as hex.
    static QByteArray keyOf(const QByteArray& recordBytes);

    // Ticks or unticks the item shown as this record number whose record has this key. Where the
    // list moved since (an item before it removed), the one record with that key is taken; an item
    // that is gone, was changed, or is not told apart from its twins is left alone (NotDone). Nothing
    // is done when the list file changed since it was read (ChangedUnderneath). A write that fails
    // leaves the ticks as they were and tells why.
    ShoppingListResult setTicked(qint64 recordNumber, const QByteArray& key, bool ticked);

    // Removes the ticked items, one by one through the shopping list's remove. The remove takes the
    // first item of the same text; a ticked item behind an unticked one of the same text stays, and
    // the notice says so.
    ShoppingListResult removeTicked();

Q_SIGNALS:
    // The ticks changed: what shows them must be redrawn.
    void ticksChanged();

private:
    void followList();
    QSet<qint64> carriedOver(const QList<Record>& now) const;
    QSet<qint64> loaded(const QList<Record>& now, qsizetype& onFile) const;
    qint64 recordFor(qint64 recordNumber, const QByteArray& key) const;
    std::optional<Notice> save() const;
    QString filePath() const;
    qsizetype removableRow() const;

    Session& m_session;
    QString m_listPath;
    QList<Record> m_records; // the list's records the ticks were last matched against
    QSet<qint64> m_ticked;
};

} // namespace pantrex
