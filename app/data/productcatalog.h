// SPDX-License-Identifier: MIT
#pragma once

#include "filestamp.h"
#include "records.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <string_view>
#include <unordered_map>
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

    // What the product view shows: records up to most whose name field begins with a lower-case
    // text (none for any), that are not high-fat or not high-carb where asked, under a category key
    // (-1 for any).
    struct Filter {
        QByteArrayView lowerPrefix;
        bool noHighFat = false;
        bool noHighCarb = false;
        int categoryKey = -1;
        qint64 most = 0;
    };
    // The numbers of the records that pass, in name order.
    void select(const Filter& filter, QList<qint32>& records) const;

    // Categories compared ignoring case: the key of record n's category, and the key of an
    // upper-case category (-1 when no record has it).
    int categoryKey(qint64 n) const { return m_fields[size_t(m_fieldOf[size_t(n - 1)])].upperKey; }
    int keyOfUpperCategory(QByteArrayView upper) const;
    // The distinct categories as stored (case counts), sorted byte by byte, and whether some
    // product has no category at all.
    const QList<QByteArray>& categories() const { return m_categories; }
    // The records whose category field, without surrounding blanks, is exactly this text (empty:
    // a blank field), in file order.
    std::vector<qint32> recordsOfCategory(QByteArrayView text) const;
    bool hasBlankCategory() const { return m_blankCount > 0; }

    // Follow a rewrite this program has just made of the file name, so that it need not be read
    // again: the same records without these (in ascending order), or these records with the field
    // set to value (the field's full width).
    void followRemoval(const FileChannels& files, const QString& name, const std::vector<qint32>& removed);
    // The same in two steps: the records close up (while the file is still being written, say),
    // and then the copy takes the file's stamp.
    void closeUp(const std::vector<qint32>& removed);
    void restamp(const FileChannels& files, const QString& name);
    // The copy no longer stands for the file: the next refresh reads it anew.
    void invalidate() { m_stamp = FileStamp{QString(), ~quint64(0), -1, QDateTime()}; }
    void followFieldChange(const FileChannels& files, const QString& name, const std::vector<qint32>& records,
                           Field field, QByteArrayView value);

private:
    // Follows a change this program makes (records appended, changed in place or removed) without
    // working through every record again; false when the new content is not such a change.
    bool applyChange(const QByteArray& bytes);
    void applyInPlaceAndAppended(const QByteArray& bytes);
    bool applyRemoved(const QByteArray& bytes);
    void takeOut(const std::vector<qint32>& moved, qint64 count);
    void rebuild();
    void resizeRecords(qint64 count);
    // Takes record n's name and categories into the tables, or out of them.
    void describe(qint64 n);
    void forget(qint64 n);
    // The category field as stored, told apart from the others the first time it is seen.
    int fieldKey(QByteArrayView field);
    // The display order, with the record number deciding between equal names.
    bool before(qint32 a, qint32 b) const;
    // What the filters look at of record n, packed into one number.
    quint32 filterWord(qint64 n) const;
    // Takes the records out of the name order for which gone(n) holds.
    template <typename Gone> void dropFromOrder(Gone gone);
    void refreshFilterWords(const std::vector<qint32>& records);
    void placeByName(qint32 n);
    void sortByName();

    FileStamp m_stamp{QString(), ~quint64(0), -1, QDateTime()};

    QByteArray m_bytes;
    qint64 m_count = 0;
    std::vector<qint32> m_byName;
    // Beside each record of the name order, what the filters look at: the product view goes
    // through four bytes a product in a row instead of looking all over the records.
    std::vector<quint32> m_filterWords;
    // A product list has few categories, so each distinct category field is worked out once: the
    // key of its upper-case text and of its text as stored (-1 for none). Each record keeps the key
    // of its field.
    struct CategoryField {
        QByteArray bytes;
        int upperKey;
        int exactKey;
    };
    std::vector<CategoryField> m_fields;
    std::unordered_map<std::string_view, int> m_fieldKeys; // views of the fields' bytes
    std::vector<int> m_fieldOf;
    // For each upper-case key its text and number of records.
    QList<QByteArray> m_upperCategories;
    std::vector<qint64> m_upperCounts;
    QHash<QByteArray, int> m_upperKeys;
    // For each category as stored its text and number of records; the records under none.
    QList<QByteArray> m_exactCategories;
    std::vector<qint64> m_exactCounts;
    QHash<QByteArray, int> m_exactKeys;
    QList<QByteArray> m_categories;
    qint64 m_blankCount = 0;
};

} // namespace pantrex
