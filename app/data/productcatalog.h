#pragma once

#include "filestamp.h"

#include <QByteArray>
#include <QByteArrayView>
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
    bool hasBlankCategory() const { return m_hasBlankCategory; }

private:
    void rebuild();

    FileStamp m_stamp{QString(), ~quint64(0), -1, QDateTime()};

    QByteArray m_bytes;
    qint64 m_count = 0;
    std::vector<qint32> m_byName;
    QByteArray m_lowerNames; // 40 bytes a record
    // Where each record's trimmed name starts within the record, and how long it is.
    std::vector<quint8> m_nameStart;
    std::vector<quint8> m_nameLength;
    std::vector<int> m_categoryKeys;
    QList<QByteArray> m_upperCategories;
    QList<QByteArray> m_categories;
    bool m_hasBlankCategory = false;
};

} // namespace pantrex
