#include "productcatalog.h"

#include "ansitext.h"
#include "displaysort.h"
#include "filechannels.h"
#include "records.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <iterator>
#include <numeric>

namespace pantrex {

namespace {

constexpr int Length = ProductRecord::Length;

QByteArrayView fieldOf(QByteArrayView record, Field field) {
    return record.sliced(field.offset, field.width);
}

} // namespace

void ProductCatalog::refresh(const FileChannels& files, const QString& name) {
    const QString path = files.pathOf(name);
    const QFileInfo info(path);
    const qint64 size = info.exists() ? info.size() : 0;
    const QDateTime modified = info.lastModified();
    const quint64 revision = files.revision(name);
    if (path == m_path && revision == m_revision && size == m_size && modified == m_modified)
        return;
    const bool samePath = path == m_path;
    m_path = path;
    m_revision = revision;
    m_size = size;
    m_modified = modified;
    QFile file(path);
    QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    // Records appended after those in memory (an import, a new product) are sorted in among them;
    // any other change builds the copy afresh.
    const qint64 oldCount = m_count;
    const qsizetype kept = oldCount * Length;
    const bool appended = samePath && oldCount > 0 && bytes.size() / Length > oldCount &&
                          QByteArrayView(bytes).first(kept) == QByteArrayView(m_bytes).first(kept);
    m_bytes = std::move(bytes);
    if (appended)
        extend(oldCount);
    else
        rebuild();
}

void ProductCatalog::rebuild() {
    m_count = m_bytes.size() / Length;
    m_lowerNames.resize(m_count * ProductRecord::ItemName.width);
    m_categoryKeys.assign(size_t(m_count), -1);
    m_nameStart.resize(size_t(m_count));
    m_nameLength.resize(size_t(m_count));
    m_upperCategories.clear();
    QHash<QByteArray, int> upperKeys;
    QSet<QByteArray> exact;
    indexRecords(1, upperKeys, exact);
    m_byName.resize(size_t(m_count));
    std::iota(m_byName.begin(), m_byName.end(), 1);
    displaySort(m_byName, [this](qint32 n) { return name(n); });
    sortCategories(exact);
}

void ProductCatalog::extend(qint64 oldCount) {
    m_count = m_bytes.size() / Length;
    m_lowerNames.resize(m_count * ProductRecord::ItemName.width);
    m_categoryKeys.resize(size_t(m_count), -1);
    m_nameStart.resize(size_t(m_count));
    m_nameLength.resize(size_t(m_count));
    QHash<QByteArray, int> upperKeys;
    for (qsizetype key = 0; key < m_upperCategories.size(); ++key)
        upperKeys.insert(m_upperCategories.at(key), int(key));
    QSet<QByteArray> exact(m_categories.begin(), m_categories.end());
    indexRecords(oldCount + 1, upperKeys, exact);

    // The new records in name order, merged after the old ones of equal name: the order a sort of
    // the whole file gives, since equal names keep their file order.
    std::vector<qint32> added(size_t(m_count - oldCount));
    std::iota(added.begin(), added.end(), qint32(oldCount + 1));
    displaySort(added, [this](qint32 n) { return name(n); });
    std::vector<qint32> merged;
    merged.reserve(size_t(m_count));
    std::merge(m_byName.begin(), m_byName.end(), added.begin(), added.end(), std::back_inserter(merged),
               [this](qint32 a, qint32 b) { return name(a).compare(name(b), Qt::CaseSensitive) < 0; });
    m_byName = std::move(merged);
    sortCategories(exact);
}

void ProductCatalog::indexRecords(qint64 first, QHash<QByteArray, int>& upperKeys, QSet<QByteArray>& exact) {
    for (qint64 n = first; n <= m_count; ++n) {
        const QByteArrayView rec = record(n);
        const QByteArrayView trimmed = fieldText(fieldOf(rec, ProductRecord::ItemName));
        m_nameStart[size_t(n - 1)] = quint8(trimmed.data() - rec.data());
        m_nameLength[size_t(n - 1)] = quint8(trimmed.size());
        const QByteArray lower = ansiLower(fieldOf(rec, ProductRecord::ItemName));
        std::copy(lower.begin(), lower.end(), m_lowerNames.begin() + (n - 1) * ProductRecord::ItemName.width);
        const QByteArrayView category = fieldText(fieldOf(rec, ProductRecord::Category));
        const QByteArray upper = ansiUpper(category);
        auto key = upperKeys.constFind(upper);
        if (key == upperKeys.constEnd()) {
            key = upperKeys.insert(upper, int(m_upperCategories.size()));
            m_upperCategories.append(upper);
        }
        m_categoryKeys[size_t(n - 1)] = *key;
        if (!category.isEmpty())
            exact.insert(category.toByteArray());
    }
}

void ProductCatalog::sortCategories(const QSet<QByteArray>& exact) {
    m_categories = QList<QByteArray>(exact.begin(), exact.end());
    displaySort(m_categories, [](const QByteArray& c) { return QByteArrayView(c); });
}

QByteArrayView ProductCatalog::record(qint64 n) const {
    return QByteArrayView(m_bytes).sliced((n - 1) * Length, Length);
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
    const int width = ProductRecord::ItemName.width;
    if (lowerPrefix.size() > width)
        return false;
    return QByteArrayView(m_lowerNames).sliced((n - 1) * width, lowerPrefix.size()) == lowerPrefix;
}

int ProductCatalog::keyOfUpperCategory(QByteArrayView upper) const {
    const qsizetype found = m_upperCategories.indexOf(upper);
    return found < 0 ? -1 : int(found);
}

} // namespace pantrex
