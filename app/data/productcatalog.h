#pragma once

#include "filestamp.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <vector>

namespace pantrex {

class FileChannels;

// The open product file as the product view searches it: the records in memory with their names
// in display order, their lower-case names for the search and their categories. The file is read
// again only when it has changed, so a keystroke in the search box costs no file reading.
class ProductCatalog {
public:
    // Brings the copy up to date with the product file name in the working folder.
    void refresh(const FileChannels& files, const QString& name);
    // The file and moment the copy was taken from.
    const FileStamp& stamp() const { return m_stamp; }
    // Every byte of the file as it was read.
    QByteArrayView bytes() const { return m_bytes; }

    qint64 count() const { return m_count; }
    // Record n, 1 to count.
    QByteArrayView record(qint64 n) const;
    // The item name without surrounding blanks (cut at a zero byte), and the price field as stored.
    QByteArrayView name(qint64 n) const;
    QByteArrayView price(qint64 n) const;
    bool highFat(qint64 n) const;
    bool highCarb(qint64 n) const;

    // Every record number, ordered by name byte by byte; equal names keep their file order.
    const std::vector<qint32>& byName() const { return m_byName; }
    // Whether the stored name field, in lower case, begins with this lower-case text.
    bool nameStartsWith(qint64 n, QByteArrayView lowerPrefix) const;

    // Categories compared ignoring case: the key of record n's category, and the key of an
    // upper-case category (-1 when no record has it).
    int categoryKey(qint64 n) const { return m_categoryKeys[size_t(n - 1)]; }
    int keyOfUpperCategory(QByteArrayView upper) const;
    // The distinct categories as stored (case counts), sorted byte by byte, and whether some
    // product has no category at all.
    const QList<QByteArray>& categories() const { return m_categories; }
    bool hasBlankCategory() const { return m_blankCount > 0; }

private:
    // Follows a change this program makes (records appended, changed in place or removed) without
    // working through every record again; false when the new content is not such a change.
    bool applyChange(const QByteArray& bytes);
    void applyInPlaceAndAppended(const QByteArray& bytes);
    bool applyRemoved(const QByteArray& bytes);
    void rebuild();
    void resizeRecords(qint64 count);
    // Takes record n's name and categories into the tables, or out of them.
    void describe(qint64 n);
    void forget(qint64 n);
    // The display order, with the record number deciding between equal names.
    bool before(qint32 a, qint32 b) const;
    void placeByName(qint32 n);
    void sortByName();

    FileStamp m_stamp{QString(), ~quint64(0), -1, QDateTime()};

    QByteArray m_bytes;
    qint64 m_count = 0;
    std::vector<qint32> m_byName;
    QByteArray m_lowerNames; // 40 bytes a record
    // Where each record's trimmed name starts within the record, how long it is, and its first
    // eight bytes as a number that sorts as they do.
    std::vector<quint8> m_nameStart;
    std::vector<quint8> m_nameLength;
    std::vector<quint64> m_namePrefix;
    // Each record's category key; for each key its upper-case text and number of records.
    std::vector<int> m_categoryKeys;
    QList<QByteArray> m_upperCategories;
    std::vector<qint64> m_upperCounts;
    QHash<QByteArray, int> m_upperKeys;
    // Records under each category as stored, and under none.
    QHash<QByteArray, qint64> m_exactCounts;
    QList<QByteArray> m_categories;
    qint64 m_blankCount = 0;
};

} // namespace pantrex
