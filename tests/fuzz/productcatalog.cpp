// SPDX-License-Identifier: MIT
// The product file in memory over any bytes: its records, names in display order and categories
// must be those of the file, whether it was read whole or grew by appended records since.
#include "fuzzsupport.h"

#include "data/ansitext.h"
#include "data/filechannels.h"
#include "data/productcatalog.h"

#include <algorithm>
#include <cstring>

using namespace pantrex;
using pantrex::fuzz::escaped;

namespace {

const QString ProductFile = QStringLiteral("grocery.dat");

bool sameIgnoringCase(QByteArrayView a, QByteArrayView b) {
    return fromAnsi(a).compare(fromAnsi(b), Qt::CaseInsensitive) == 0;
}

// What the catalog holds against the file's bytes.
void checkAgainstFile(const ProductCatalog& catalog, const QByteArray& bytes) {
    const qint64 count = bytes.size() / ProductRecord::Length;
    FUZZ_CHECK(catalog.count() == count, QStringLiteral("%1 records, not %2").arg(catalog.count()).arg(count));
    QList<QByteArray> categories;
    for (qint64 n = 1; n <= count; ++n) {
        const QByteArrayView record =
            QByteArrayView(bytes).sliced((n - 1) * ProductRecord::Length, ProductRecord::Length);
        const QString which = QStringLiteral("record %1: ").arg(n) + escaped(record);
        FUZZ_CHECK(catalog.record(n) == record, which);
        FUZZ_CHECK(catalog.name(n) == fieldText(fuzz::fieldOf(record, ProductRecord::ItemName)), which);
        FUZZ_CHECK(catalog.price(n) == fuzz::fieldOf(record, ProductRecord::Price), which);
        FUZZ_CHECK(catalog.highFat(n) == (record.at(ProductRecord::HighFat.offset) == '1'), which);
        FUZZ_CHECK(catalog.highCarb(n) == (record.at(ProductRecord::HighCarb.offset) == '1'), which);
        const QByteArrayView name = fuzz::fieldOf(record, ProductRecord::ItemName);
        for (const qsizetype length : {qsizetype(0), qsizetype(1), qsizetype(7), name.size()})
            FUZZ_CHECK(catalog.nameStartsWith(n, ansiLower(name.first(length))), which);
        const QByteArrayView category = fieldText(fuzz::fieldOf(record, ProductRecord::Category));
        FUZZ_CHECK(catalog.keyOfUpperCategory(ansiUpper(category)) == catalog.categoryKey(n), which);
        if (!category.isEmpty() && !categories.contains(category))
            categories.append(category.toByteArray());
    }
    // Records with the same category, ignoring case, share a key; others do not.
    for (qint64 a = 1; a <= std::min<qint64>(count, 40); ++a) {
        for (qint64 b = a + 1; b <= std::min<qint64>(count, 40); ++b) {
            const bool same = sameIgnoringCase(fieldText(fuzz::fieldOf(catalog.record(a), ProductRecord::Category)),
                                               fieldText(fuzz::fieldOf(catalog.record(b), ProductRecord::Category)));
            FUZZ_CHECK(same == (catalog.categoryKey(a) == catalog.categoryKey(b)),
                       QStringLiteral("records %1 and %2").arg(a).arg(b));
        }
    }
    // Each distinct category once, byte order.
    std::sort(categories.begin(), categories.end(), fuzz::byteLess);
    FUZZ_CHECK(catalog.categories() == categories, QStringLiteral("categories"));

    // Every record once in name order; equal names in file order.
    const std::vector<qint32>& order = catalog.byName();
    FUZZ_CHECK(qint64(order.size()) == count, QStringLiteral("%1 in name order").arg(order.size()));
    std::vector<bool> seen(size_t(count) + 1);
    for (size_t i = 0; i < order.size(); ++i) {
        FUZZ_CHECK(order[i] >= 1 && order[i] <= count && !seen[size_t(order[i])],
                   QStringLiteral("record %1 in name order").arg(order[i]));
        seen[size_t(order[i])] = true;
        if (i == 0)
            continue;
        const QByteArrayView before = catalog.name(order[i - 1]);
        const QByteArrayView here = catalog.name(order[i]);
        FUZZ_CHECK(fuzz::byteLess(before, here) || (before == here && order[i - 1] < order[i]),
                   escaped(before) + QStringLiteral(" before ") + escaped(here));
    }
}

} // namespace

PANTREX_FUZZ_STARTS_QT(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fuzz::Folder folder;
    fuzz::Input input(data, size);
    const int firstRecords = input.byte();
    const QByteArray bytes = input.rest().toByteArray();
    const FileChannels files(folder.path());

    // Read whole.
    folder.write(ProductFile, bytes);
    ProductCatalog whole;
    whole.refresh(files, ProductFile);
    checkAgainstFile(whole, bytes);

    // Read with some records, then again after the rest were appended.
    const qint64 first = std::min<qint64>(firstRecords, bytes.size() / ProductRecord::Length);
    const QByteArray before = bytes.first(first * ProductRecord::Length);
    folder.write(ProductFile, before);
    ProductCatalog grown;
    grown.refresh(files, ProductFile);
    checkAgainstFile(grown, before);
    folder.write(ProductFile, bytes);
    grown.refresh(files, ProductFile);
    checkAgainstFile(grown, bytes);
    return 0;
}
