#include "productcatalog.h"

#include "ansitext.h"
#include "displaysort.h"
#include "filechannels.h"
#include "records.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <numeric>

namespace pantrex {

namespace {

constexpr int Length = ProductRecord::Length;

QByteArrayView fieldOf(QByteArrayView record, Field field) {
    return record.sliced(field.offset, field.width);
}

} // namespace

void ProductCatalog::refresh(const FileChannels& files, const QString& name) {
    FileStamp now = FileStamp::of(files, name);
    if (now == m_stamp)
        return;
    m_stamp = std::move(now);
    QFile file(m_stamp.path);
    m_bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    m_hasBlankCategory = false;
    for (qint64 n = 1; n <= m_count; ++n) {
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
        else
            m_hasBlankCategory = true;
    }
    m_byName.resize(size_t(m_count));
    std::iota(m_byName.begin(), m_byName.end(), 1);
    displaySort(m_byName, [this](qint32 n) { return name(n); });
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
