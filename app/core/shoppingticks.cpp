// SPDX-License-Identifier: MIT
#include "shoppingticks.h"

#include "core/session.h"
#include "data/ansitext.h"
#include "data/filenames.h"
#include "data/safefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <algorithm>

namespace pantrex {

ShoppingTicks::ShoppingTicks(Session& session, QObject* parent) : QObject(parent), m_session(session) {
    connect(&session, &Session::shoppingListChanged, this, &ShoppingTicks::followList);
}

QString ShoppingTicks::filePath() const {
    return QDir(m_session.workingFolder()).filePath(ticksFileOf(m_listPath));
}

// Whenever the list is read anew: another list takes its ticks from its own file; the same list's
// ticks follow their records.
void ShoppingTicks::followList() {
    const QList<Record>& now = m_session.shoppingList().shownRecords();
    const bool otherList = m_session.shoppingListPath() != m_listPath;
    m_listPath = m_session.shoppingListPath();
    qsizetype before = m_ticked.size();
    const QSet<qint64> ticked = otherList ? loaded(now, before) : carriedOver(now);
    m_records = now;
    const bool dropped = ticked.size() < before;
    if (!otherList && ticked == m_ticked)
        return;
    m_ticked = ticked;
    // Ticks that moved or went are kept so at once; another list's are only cleaned of the gone.
    if (dropped || !otherList)
        (void)save();
    Q_EMIT ticksChanged();
}

// Each ticked record is looked for in the new records, from the end backwards: the shopping list's
// remove takes the first of equal items, and appending adds behind; a record found nowhere is gone.
QSet<qint64> ShoppingTicks::carriedOver(const QList<Record>& now) const {
    QSet<qint64> ticked;
    qsizetype next = now.size() - 1;
    for (qsizetype old = m_records.size() - 1; old >= 0 && next >= 0; --old) {
        qsizetype at = next;
        while (at >= 0 && now.at(at).bytes() != m_records.at(old).bytes())
            --at;
        if (at < 0)
            continue;
        if (m_ticked.contains(old + 1))
            ticked.insert(at + 1);
        next = at - 1;
    }
    return ticked;
}

// The ticks in the list's file that still name their record as it is now.
QSet<qint64> ShoppingTicks::loaded(const QList<Record>& now, qsizetype& onFile) const {
    QSet<qint64> ticked;
    QString why;
    const QByteArray bytes = readRegularFile(filePath(), -1, why).value_or(QByteArray());
    onFile = bytes.size() / Length;
    for (qsizetype at = 0; at + Length <= bytes.size(); at += Length) {
        const QByteArrayView entry = QByteArrayView(bytes).sliced(at, Length);
        bool number = false;
        const qint64 recordNumber = entry.first(NumberWidth).trimmed().toLongLong(&number);
        const bool stillThere = number && recordNumber >= 1 && recordNumber <= now.size() &&
                                now.at(recordNumber - 1).bytes() == entry.sliced(NumberWidth);
        if (stillThere)
            ticked.insert(recordNumber);
    }
    return ticked;
}

std::optional<Notice> ShoppingTicks::save() const {
    const QString path = filePath();
    if (m_ticked.isEmpty()) {
        QString why;
        if (!QFile::exists(path) || !isRemovable(path, why) || QFile::remove(path))
            return std::nullopt;
        return Notice::fileError(why.isEmpty() ? QFile(path).errorString() : why);
    }
    QList<qint64> numbers(m_ticked.cbegin(), m_ticked.cend());
    std::sort(numbers.begin(), numbers.end());
    QByteArray bytes;
    bytes.reserve(numbers.size() * Length);
    for (const qint64 n : std::as_const(numbers))
        bytes += QByteArray::number(n).leftJustified(NumberWidth, ' ', true) + m_records.at(n - 1).bytes();
    FileReplacement file(path);
    if (file.open() && file.write(bytes) && file.commit())
        return std::nullopt;
    return Notice::fileError(file.errorString());
}

QByteArray ShoppingTicks::keyOf(const QByteArray& recordBytes) {
    return QCryptographicHash::hash(recordBytes, QCryptographicHash::Sha1).toHex().left(20);
}

// The record the key names: the one at its number, else the only one with that key; 0 for none.
qint64 ShoppingTicks::recordFor(qint64 recordNumber, const QByteArray& key) const {
    if (recordNumber >= 1 && recordNumber <= m_records.size() && keyOf(m_records.at(recordNumber - 1).bytes()) == key)
        return recordNumber;
    qint64 found = 0;
    for (qsizetype at = 0; at < m_records.size(); ++at) {
        if (keyOf(m_records.at(at).bytes()) != key)
            continue;
        if (found != 0)
            return 0;
        found = at + 1;
    }
    return found;
}

ShoppingListResult ShoppingTicks::setTicked(qint64 recordNumber, const QByteArray& key, bool ticked) {
    if (ShoppingListResult shown = m_session.shoppingList().checkAsShown();
        shown.status != ShoppingListResult::Status::Done)
        return shown;
    const qint64 record = recordFor(recordNumber, key);
    if (record == 0)
        return ShoppingListResult::notDone();
    if (ticked == isTicked(record))
        return ShoppingListResult::done();
    const QSet<qint64> before = m_ticked;
    if (ticked)
        m_ticked.insert(record);
    else
        m_ticked.remove(record);
    if (std::optional<Notice> failure = save()) {
        m_ticked = before;
        return ShoppingListResult::notDone(std::move(failure));
    }
    Q_EMIT ticksChanged();
    return ShoppingListResult::done();
}

// A ticked row whose item is the first of its text in the file: the one the remove takes.
qsizetype ShoppingTicks::removableRow() const {
    const QList<ShoppingRow>& rows = m_session.shoppingList().rows();
    for (qsizetype row = 0; row < rows.size(); ++row) {
        if (!isTicked(rows.at(row).recordNumber))
            continue;
        const QByteArray text = ansiLower(rows.at(row).itemText);
        const auto first = std::find_if(m_records.cbegin(), m_records.cend(), [&text](const Record& record) {
            return ansiLower(record.raw(ShoppingRecord::ItemText)) == text;
        });
        if (first - m_records.cbegin() + 1 == rows.at(row).recordNumber)
            return row;
    }
    return -1;
}

ShoppingListResult ShoppingTicks::removeTicked() {
    const UndoStep undo(m_session.undoHistory(), UndoCaptions::tr("Remove ticked items"),
                        {m_session.shoppingListPath()});
    ShoppingList& list = m_session.shoppingList();
    for (qsizetype row = removableRow(); row >= 0; row = removableRow()) {
        ShoppingListResult result = list.remove(int(row));
        if (result.status != ShoppingListResult::Status::Done || result.notice)
            return result;
        if (std::optional<Notice> failure = list.reload())
            return ShoppingListResult::notDone(std::move(failure));
    }
    ShoppingListResult result;
    if (count() > 0)
        result.notice = Notice{tr("Some ticked items stayed on the list: an item of the same name that is not "
                                  "ticked comes before each of them."),
                               QString(), Notice::Kind::Information};
    return result;
}

} // namespace pantrex
