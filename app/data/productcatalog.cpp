#include "productcatalog.h"

#include "ansitext.h"
#include "filechannels.h"
#include "records.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <numeric>

namespace pantrex {

namespace {

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
    if (sameFile && applyChange(bytes))
        return;
    m_bytes = std::move(bytes);
    rebuild();
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
    std::erase_if(m_byName, [&placed](qint32 n) { return std::binary_search(placed.begin(), placed.end(), n); });
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
    for (const qint32 n : placed)
        placeByName(n);
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
    for (qint64 n = 1; n <= m_count; ++n) {
        if (moved[size_t(n)] == 0)
            forget(n);
    }
    for (qint64 n = 1; n <= m_count; ++n) {
        const qint32 to = moved[size_t(n)];
        if (to == 0 || to == n)
            continue;
        m_nameStart[size_t(to - 1)] = m_nameStart[size_t(n - 1)];
        m_nameLength[size_t(to - 1)] = m_nameLength[size_t(n - 1)];
        m_namePrefix[size_t(to - 1)] = m_namePrefix[size_t(n - 1)];
        m_categoryKeys[size_t(to - 1)] = m_categoryKeys[size_t(n - 1)];
        std::memmove(m_lowerNames.data() + qsizetype(to - 1) * NameWidth,
                     m_lowerNames.constData() + (n - 1) * NameWidth, NameWidth);
    }
    // Numbers only move down and keep their order, so the names keep theirs.
    std::erase_if(m_byName, [&moved](qint32 n) { return moved[size_t(n)] == 0; });
    for (qint32& n : m_byName)
        n = moved[size_t(n)];
    m_bytes = bytes;
    resizeRecords(count);
    return true;
}

void ProductCatalog::rebuild() {
    m_upperCategories.clear();
    m_upperCounts.clear();
    m_upperKeys.clear();
    m_exactCounts.clear();
    m_categories.clear();
    m_blankCount = 0;
    resizeRecords(m_bytes.size() / Length);
    for (qint64 n = 1; n <= m_count; ++n)
        describe(n);
    m_byName.resize(size_t(m_count));
    std::iota(m_byName.begin(), m_byName.end(), 1);
    sortByName();
}

void ProductCatalog::sortByName() {
    std::sort(m_byName.begin(), m_byName.end(), [this](qint32 a, qint32 b) { return before(a, b); });
}

void ProductCatalog::resizeRecords(qint64 count) {
    m_count = count;
    m_lowerNames.resize(count * NameWidth);
    m_nameStart.resize(size_t(count));
    m_nameLength.resize(size_t(count));
    m_namePrefix.resize(size_t(count));
    m_categoryKeys.resize(size_t(count), -1);
}

void ProductCatalog::describe(qint64 n) {
    const size_t at = size_t(n - 1);
    const QByteArrayView rec = record(n);
    const QByteArrayView trimmed = fieldText(fieldOf(rec, ProductRecord::ItemName));
    m_nameStart[at] = quint8(trimmed.data() - rec.data());
    m_nameLength[at] = quint8(trimmed.size());
    m_namePrefix[at] = prefixOf(trimmed);
    const QByteArray lower = ansiLower(fieldOf(rec, ProductRecord::ItemName));
    std::copy(lower.begin(), lower.end(), m_lowerNames.begin() + (n - 1) * NameWidth);

    const QByteArrayView category = fieldText(fieldOf(rec, ProductRecord::Category));
    const QByteArray upper = ansiUpper(category);
    auto key = m_upperKeys.constFind(upper);
    if (key == m_upperKeys.constEnd()) {
        key = m_upperKeys.insert(upper, int(m_upperCategories.size()));
        m_upperCategories.append(upper);
        m_upperCounts.push_back(0);
    }
    m_categoryKeys[at] = *key;
    ++m_upperCounts[size_t(*key)];
    if (category.isEmpty()) {
        ++m_blankCount;
    } else if (++m_exactCounts[category.toByteArray()] == 1) {
        const auto place = std::upper_bound(m_categories.begin(), m_categories.end(), category,
                                            [](QByteArrayView a, const QByteArray& b) { return a.compare(b) < 0; });
        m_categories.insert(place, category.toByteArray());
    }
}

void ProductCatalog::forget(qint64 n) {
    --m_upperCounts[size_t(m_categoryKeys[size_t(n - 1)])];
    const QByteArrayView category = fieldText(fieldOf(record(n), ProductRecord::Category));
    if (category.isEmpty()) {
        --m_blankCount;
        return;
    }
    const auto found = m_exactCounts.find(category.toByteArray());
    if (--*found == 0) {
        m_categories.removeOne(found.key());
        m_exactCounts.erase(found);
    }
}

bool ProductCatalog::before(qint32 a, qint32 b) const {
    const quint64 prefixA = m_namePrefix[size_t(a - 1)];
    const quint64 prefixB = m_namePrefix[size_t(b - 1)];
    if (prefixA != prefixB)
        return prefixA < prefixB;
    const int order = name(a).compare(name(b), Qt::CaseSensitive);
    return order != 0 ? order < 0 : a < b;
}

void ProductCatalog::placeByName(qint32 n) {
    const auto place =
        std::lower_bound(m_byName.begin(), m_byName.end(), n, [this](qint32 a, qint32 b) { return before(a, b); });
    m_byName.insert(place, n);
}

QByteArrayView ProductCatalog::record(qint64 n) const {
    return recordIn(m_bytes, n);
}

QByteArrayView ProductCatalog::name(qint64 n) const {
    return record(n).sliced(m_nameStart[size_t(n - 1)], m_nameLength[size_t(n - 1)]);
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
    return QByteArrayView(m_lowerNames).sliced((n - 1) * NameWidth, lowerPrefix.size()) == lowerPrefix;
}

int ProductCatalog::keyOfUpperCategory(QByteArrayView upper) const {
    const auto key = m_upperKeys.constFind(upper.toByteArray());
    return key == m_upperKeys.constEnd() || m_upperCounts[size_t(*key)] == 0 ? -1 : *key;
}

} // namespace pantrex
