// SPDX-License-Identifier: MIT
#include "productcatalog.h"

#include "ansitext.h"
#include "filechannels.h"
#include "records.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace pantrex {

namespace {

// A product list's tables are made anew whole and the old ones let go: the megabytes they held go
// back to the system at once rather than staying with the allocator for a next time.
void giveBackFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

constexpr int Length = ProductRecord::Length;
constexpr int NameWidth = ProductRecord::ItemName.width;
// Beyond this many records to place in the name order one by one, sorting them all is quicker.
constexpr qsizetype MostPlaced = 256;

QByteArrayView fieldOf(QByteArrayView record, Field field) {
    return record.sliced(field.offset, field.width);
}

QByteArrayView recordIn(const QByteArray& bytes, qint64 n) {
    return QByteArrayView(bytes).sliced((n - 1) * Length, Length);
}

// How many records from number a on in one block are the same as from number b on in the other, up
// to most: compared in ever longer runs, so that long equal stretches cost a few comparisons.
qint64 equalRecords(const QByteArray& one, qint64 a, const QByteArray& other, qint64 b, qint64 most) {
    qint64 same = 0;
    qint64 step = 1;
    while (same < most) {
        const qint64 run = std::min(step, most - same);
        if (std::memcmp(one.constData() + (a - 1 + same) * Length, other.constData() + (b - 1 + same) * Length,
                        size_t(run * Length)) == 0) {
            same += run;
            step *= 2;
        } else if (run == 1) {
            break;
        } else {
            step = run / 2;
        }
    }
    return same;
}

// A record's filter word: the first two bytes of its name field in lower case, its diet marks, and
// its category's upper-case key, or KeyTooLarge for a key that does not fit (looked up instead).
constexpr int HeadWidth = 2;
constexpr quint32 HighFatBit = 1u << 16;
constexpr quint32 HighCarbBit = 1u << 17;
constexpr int KeyShift = 18;
constexpr quint32 KeyTooLarge = (1u << (32 - KeyShift)) - 1;

// The first eight bytes, big end first: numbers that compare as the bytes do.
quint64 prefixOf(QByteArrayView name) {
    quint64 prefix = 0;
    for (int i = 0; i < 8; ++i)
        prefix = prefix << 8 | (i < name.size() ? quint8(name.at(i)) : 0u);
    return prefix;
}

} // namespace

void ProductCatalog::refresh(const FileChannels& files, const QString& name) {
    FileStamp now = FileStamp::of(files, name);
    if (now == m_stamp)
        return;
    const bool sameFile = now.path == m_stamp.path;
    m_stamp = std::move(now);
    QString why;
    QByteArray bytes = readRegularFile(m_stamp.path, -1, why).value_or(QByteArray());
    if (!sameFile || !applyChange(bytes)) {
        m_bytes = std::move(bytes);
        rebuild();
    }
    giveBackFreedMemory();
}

bool ProductCatalog::applyChange(const QByteArray& bytes) {
    if (bytes.size() / Length >= m_count) {
        applyInPlaceAndAppended(bytes);
        return true;
    }
    return applyRemoved(bytes);
}

// The old records, some of them changed, followed by new ones.
void ProductCatalog::applyInPlaceAndAppended(const QByteArray& bytes) {
    const qint64 count = bytes.size() / Length;
    std::vector<qint32> changed;
    for (qint64 n = 1; n <= m_count; ++n) {
        n += equalRecords(m_bytes, n, bytes, n, m_count - n + 1);
        if (n <= m_count)
            changed.push_back(qint32(n));
    }
    // Only records whose names changed, and new ones, take new places in the name order.
    std::vector<qint32> placed;
    for (const qint32 n : changed) {
        if (fieldText(fieldOf(recordIn(bytes, n), ProductRecord::ItemName)) != name(n))
            placed.push_back(n);
        forget(n);
    }
    dropFromOrder([&placed](qint32 n) { return std::binary_search(placed.begin(), placed.end(), n); });
    const qint64 oldCount = m_count;
    m_bytes = bytes;
    resizeRecords(count);
    for (const qint32 n : changed)
        describe(n);
    for (qint64 n = oldCount + 1; n <= count; ++n) {
        describe(n);
        placed.push_back(qint32(n));
    }
    if (qsizetype(placed.size()) > MostPlaced) {
        m_byName.insert(m_byName.end(), placed.begin(), placed.end());
        sortByName();
        return;
    }
    refreshFilterWords(changed);
    for (const qint32 n : placed)
        placeByName(n);
}

// Records changed in place keep their places in the name order, but perhaps not their marks or
// category.
void ProductCatalog::refreshFilterWords(const std::vector<qint32>& records) {
    if (records.empty())
        return;
    std::vector<bool> refreshed(size_t(m_count) + 1, false);
    for (const qint32 n : records)
        refreshed[size_t(n)] = true;
    for (size_t i = 0; i < m_byName.size(); ++i) {
        if (refreshed[size_t(m_byName[i])])
            m_filterWords[i] = filterWord(m_byName[i]);
    }
}

template <typename Gone> void ProductCatalog::dropFromOrder(Gone gone) {
    size_t kept = 0;
    for (size_t i = 0; i < m_byName.size(); ++i) {
        if (gone(m_byName[i]))
            continue;
        m_byName[kept] = m_byName[i];
        m_filterWords[kept] = m_filterWords[i];
        ++kept;
    }
    m_byName.resize(kept);
    m_filterWords.resize(kept);
}

// The old records with some left out, the others in their order.
bool ProductCatalog::applyRemoved(const QByteArray& bytes) {
    const qint64 count = bytes.size() / Length;
    // Where each old record went: its new number, or 0 when it was removed.
    std::vector<qint32> moved(size_t(m_count) + 1, 0);
    qint64 next = 1;
    for (qint64 n = 1; n <= m_count; ++n) {
        // A run of records that stayed, then one that went.
        const qint64 kept = equalRecords(m_bytes, n, bytes, next, std::min(m_count - n + 1, count - next + 1));
        for (qint64 k = 0; k < kept; ++k)
            moved[size_t(n + k)] = qint32(next + k);
        n += kept;
        next += kept;
    }
    if (next != count + 1)
        return false;
    m_bytes = bytes;
    takeOut(moved, count);
    return true;
}

// The tables follow the records to their new numbers (moved[n], 0 for a record that went); the
// bytes are already the new ones.
void ProductCatalog::takeOut(const std::vector<qint32>& moved, qint64 count) {
    for (qint64 n = 1; n <= m_count; ++n) {
        if (moved[size_t(n)] == 0)
            forget(n);
    }
    for (qint64 n = 1; n <= m_count; ++n) {
        const qint32 to = moved[size_t(n)];
        if (to == 0 || to == n)
            continue;
        m_fieldOf[size_t(to - 1)] = m_fieldOf[size_t(n - 1)];
    }
    // Numbers only move down and keep their order, so the names keep theirs.
    dropFromOrder([&moved](qint32 n) { return moved[size_t(n)] == 0; });
    for (qint32& n : m_byName)
        n = moved[size_t(n)];
    resizeRecords(count);
}

void ProductCatalog::followRemoval(const FileChannels& files, const QString& name, const std::vector<qint32>& removed) {
    closeUp(removed);
    restamp(files, name);
}

void ProductCatalog::restamp(const FileChannels& files, const QString& name) {
    m_stamp = FileStamp::of(files, name);
}

void ProductCatalog::closeUp(const std::vector<qint32>& removed) {
    std::vector<qint32> moved(size_t(m_count) + 1, 0);
    qint64 next = 1;
    qint64 n = 1;
    // The records close up in place: each run between removed ones moves down once.
    for (size_t i = 0; i <= removed.size(); ++i) {
        const qint64 end = i < removed.size() ? removed[i] : m_count + 1;
        const qint64 run = end - n;
        if (run > 0 && next != n)
            std::memmove(m_bytes.data() + (next - 1) * Length, m_bytes.constData() + (n - 1) * Length,
                         size_t(run * Length));
        for (qint64 k = 0; k < run; ++k)
            moved[size_t(n + k)] = qint32(next + k);
        next += std::max<qint64>(run, 0);
        n = end + 1;
    }
    m_bytes.truncate(qsizetype(next - 1) * Length);
    takeOut(moved, next - 1);
    giveBackFreedMemory();
}

void ProductCatalog::followFieldChange(const FileChannels& files, const QString& name,
                                       const std::vector<qint32>& records, Field field, QByteArrayView value) {
    const bool names = field.offset < ProductRecord::ItemName.offset + NameWidth;
    for (const qint32 n : records) {
        forget(n);
        std::copy(value.begin(), value.end(), m_bytes.begin() + qsizetype(n - 1) * Length + field.offset);
        describe(n);
    }
    m_stamp = FileStamp::of(files, name);
    // A new name takes a new place in the name order: worked out afresh, as for a file read anew.
    if (names)
        rebuild();
    else
        refreshFilterWords(records);
    giveBackFreedMemory();
}

void ProductCatalog::rebuild() {
    m_fieldKeys.clear();
    m_fields.clear();
    m_upperCategories.clear();
    m_upperCounts.clear();
    m_upperKeys.clear();
    m_exactCategories.clear();
    m_exactCounts.clear();
    m_exactKeys.clear();
    m_categories.clear();
    m_blankCount = 0;
    resizeRecords(m_bytes.size() / Length);
    for (qint64 n = 1; n <= m_count; ++n)
        describe(n);
    m_byName.resize(size_t(m_count));
    std::iota(m_byName.begin(), m_byName.end(), 1);
    sortByName();
}

// Sorted first by the names' first eight bytes, sixteen bits at a time from the last, each pass
// keeping the order of the one before; only records whose first eight bytes are the same are then
// compared by their whole names. A million products take a few passes over an array rather than
// twenty comparisons each all over memory.
void ProductCatalog::sortByName() {
    struct Entry {
        quint64 prefix;
        qint32 record;
        quint32 filterWord;
    };
    std::vector<Entry> entries(m_byName.size());
    for (size_t i = 0; i < m_byName.size(); ++i)
        entries[i] = {prefixOf(name(m_byName[i])), m_byName[i], filterWord(m_byName[i])};
    std::vector<Entry> spare(entries.size());
    constexpr int DigitBits = 16;
    constexpr size_t Digits = size_t(1) << DigitBits;
    std::vector<size_t> starts(Digits);
    for (int shift = 0; shift < 64; shift += DigitBits) {
        std::fill(starts.begin(), starts.end(), 0);
        for (const Entry& entry : entries)
            ++starts[size_t(entry.prefix >> shift) & (Digits - 1)];
        // A digit all records share moves nothing.
        if (!entries.empty() && starts[size_t(entries.front().prefix >> shift) & (Digits - 1)] == entries.size())
            continue;
        size_t start = 0;
        for (size_t& digitStart : starts)
            start += std::exchange(digitStart, start);
        for (const Entry& entry : entries)
            spare[starts[size_t(entry.prefix >> shift) & (Digits - 1)]++] = entry;
        entries.swap(spare);
    }
    m_filterWords.resize(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        m_byName[i] = entries[i].record;
        m_filterWords[i] = entries[i].filterWord;
    }
    const auto samePrefix = [](const Entry& a, const Entry& b) { return a.prefix == b.prefix; };
    for (auto run = entries.begin(); (run = std::adjacent_find(run, entries.end(), samePrefix)) != entries.end();) {
        const auto runEnd =
            std::find_if(run, entries.end(), [&run](const Entry& entry) { return entry.prefix != run->prefix; });
        const auto first = m_byName.begin() + (run - entries.begin());
        std::sort(first, first + (runEnd - run), [this](qint32 a, qint32 b) { return before(a, b); });
        run = runEnd;
    }
}

void ProductCatalog::resizeRecords(qint64 count) {
    m_count = count;
    m_fieldOf.resize(size_t(count), -1);
}

void ProductCatalog::describe(qint64 n) {
    const size_t at = size_t(n - 1);
    const QByteArrayView rec = record(n);
    const int key = fieldKey(fieldOf(rec, ProductRecord::Category));
    const CategoryField& field = m_fields[size_t(key)];
    m_fieldOf[at] = key;
    ++m_upperCounts[size_t(field.upperKey)];
    if (field.exactKey < 0) {
        ++m_blankCount;
    } else if (++m_exactCounts[size_t(field.exactKey)] == 1) {
        const QByteArray& category = m_exactCategories.at(field.exactKey);
        const auto place = std::upper_bound(m_categories.begin(), m_categories.end(), category);
        m_categories.insert(place, category);
    }
}

std::vector<qint32> ProductCatalog::recordsOfCategory(QByteArrayView text) const {
    int exactKey = -1;
    if (!text.isEmpty()) {
        const auto found = m_exactKeys.constFind(text.toByteArray());
        if (found == m_exactKeys.constEnd())
            return {};
        exactKey = *found;
    }
    std::vector<qint32> records;
    for (qint64 n = 1; n <= m_count; ++n) {
        if (m_fields[size_t(m_fieldOf[size_t(n - 1)])].exactKey == exactKey)
            records.push_back(qint32(n));
    }
    return records;
}

int ProductCatalog::fieldKey(QByteArrayView bytes) {
    const auto known = m_fieldKeys.find(std::string_view(bytes.data(), size_t(bytes.size())));
    if (known != m_fieldKeys.end())
        return known->second;
    const QByteArrayView category = fieldText(bytes);
    const QByteArray upper = ansiUpper(category);
    auto upperKey = m_upperKeys.constFind(upper);
    if (upperKey == m_upperKeys.constEnd()) {
        upperKey = m_upperKeys.insert(upper, int(m_upperCategories.size()));
        m_upperCategories.append(upper);
        m_upperCounts.push_back(0);
    }
    int exactKey = -1;
    if (!category.isEmpty()) {
        const QByteArray exact = category.toByteArray();
        auto found = m_exactKeys.constFind(exact);
        if (found == m_exactKeys.constEnd()) {
            found = m_exactKeys.insert(exact, int(m_exactCategories.size()));
            m_exactCategories.append(exact);
            m_exactCounts.push_back(0);
        }
        exactKey = *found;
    }
    const int key = int(m_fields.size());
    m_fields.push_back({bytes.toByteArray(), *upperKey, exactKey});
    // The view is of the bytes the entry keeps, which stay where they are as the table grows.
    const QByteArray& kept = m_fields.back().bytes;
    m_fieldKeys.emplace(std::string_view(kept.constData(), size_t(kept.size())), key);
    return key;
}

void ProductCatalog::forget(qint64 n) {
    const CategoryField& field = m_fields[size_t(m_fieldOf[size_t(n - 1)])];
    --m_upperCounts[size_t(field.upperKey)];
    if (field.exactKey < 0) {
        --m_blankCount;
        return;
    }
    if (--m_exactCounts[size_t(field.exactKey)] == 0)
        m_categories.removeOne(m_exactCategories.at(field.exactKey));
}

bool ProductCatalog::before(qint32 a, qint32 b) const {
    const int order = name(a).compare(name(b), Qt::CaseSensitive);
    return order != 0 ? order < 0 : a < b;
}

void ProductCatalog::placeByName(qint32 n) {
    const auto place =
        std::lower_bound(m_byName.begin(), m_byName.end(), n, [this](qint32 a, qint32 b) { return before(a, b); });
    m_filterWords.insert(m_filterWords.begin() + (place - m_byName.begin()), filterWord(n));
    m_byName.insert(place, n);
}

quint32 ProductCatalog::filterWord(qint64 n) const {
    const std::array<char, 256>& lower = ansiLowerTable();
    const QByteArrayView rec = record(n);
    const int key = categoryKey(n);
    return quint32(quint8(lower[quint8(rec[0])])) | quint32(quint8(lower[quint8(rec[1])])) << 8 |
           (highFat(n) ? HighFatBit : 0) | (highCarb(n) ? HighCarbBit : 0) |
           quint32(std::min(key, int(KeyTooLarge))) << KeyShift;
}

QByteArrayView ProductCatalog::record(qint64 n) const {
    return recordIn(m_bytes, n);
}

QByteArrayView ProductCatalog::name(qint64 n) const {
    return fieldText(fieldOf(record(n), ProductRecord::ItemName));
}

QByteArrayView ProductCatalog::price(qint64 n) const {
    return fieldOf(record(n), ProductRecord::Price);
}

bool ProductCatalog::highFat(qint64 n) const {
    return record(n).at(ProductRecord::HighFat.offset) == '1';
}

bool ProductCatalog::highCarb(qint64 n) const {
    return record(n).at(ProductRecord::HighCarb.offset) == '1';
}

bool ProductCatalog::nameStartsWith(qint64 n, QByteArrayView lowerPrefix) const {
    if (lowerPrefix.size() > NameWidth)
        return false;
    const std::array<char, 256>& lower = ansiLowerTable();
    const QByteArrayView field = fieldOf(record(n), ProductRecord::ItemName);
    for (qsizetype i = 0; i < lowerPrefix.size(); ++i) {
        if (lower[quint8(field[i])] != lowerPrefix[i])
            return false;
    }
    return true;
}

void ProductCatalog::select(const Filter& filter, QList<qint32>& records) const {
    const QByteArrayView prefix = filter.lowerPrefix;
    quint32 head = 0;
    quint32 headMask = 0;
    for (int i = 0; i < HeadWidth && i < prefix.size(); ++i) {
        head |= quint32(quint8(prefix[i])) << (8 * i);
        headMask |= quint32(0xff) << (8 * i);
    }
    const quint32 refused = (filter.noHighFat ? HighFatBit : 0) | (filter.noHighCarb ? HighCarbBit : 0);
    const quint32 wanted = quint32(std::min(filter.categoryKey, int(KeyTooLarge)));
    records.clear();
    records.reserve(count());
    for (size_t i = 0; i < m_byName.size(); ++i) {
        const quint32 word = m_filterWords[i];
        const qint32 n = m_byName[i];
        if ((word & headMask) != head || (word & refused) != 0 || n > filter.most)
            continue;
        if (filter.categoryKey >= 0 &&
            (word >> KeyShift != wanted || (wanted == KeyTooLarge && categoryKey(n) != filter.categoryKey)))
            continue;
        if (prefix.size() > HeadWidth && !nameStartsWith(n, prefix))
            continue;
        records.append(n);
    }
}

int ProductCatalog::keyOfUpperCategory(QByteArrayView upper) const {
    const auto key = m_upperKeys.constFind(upper.toByteArray());
    return key == m_upperKeys.constEnd() || m_upperCounts[size_t(*key)] == 0 ? -1 : *key;
}

} // namespace pantrex
