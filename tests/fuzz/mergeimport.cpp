// SPDX-License-Identifier: MIT
// The import of a merge file from any product and merge file bytes: the products already there stay
// byte for byte, only whole records are appended, each new name once and in the merge file's order,
// and the merge file is kept as "grocery.old".
#include "fuzzsupport.h"

#include "data/ansitext.h"
#include "core/mergefiles.h"
#include "core/session.h"

#include <QSet>

#include <algorithm>

using namespace pantrex;
using pantrex::fuzz::escaped;

namespace {

const QString ImportedCopy = QStringLiteral("grocery.old");
constexpr int Length = ProductRecord::Length;

QByteArrayView recordAt(QByteArrayView bytes, qint64 n) {
    return bytes.sliced((n - 1) * Length, Length);
}

QString nameKey(QByteArrayView record) {
    return fromAnsi(fieldText(record.sliced(ProductRecord::ItemName.offset, ProductRecord::ItemName.width)))
        .toCaseFolded();
}

// A merge record names a product when its name is there and holds no control bytes.
bool namesAProduct(QByteArrayView record) {
    const QByteArrayView name = fieldText(record.sliced(ProductRecord::ItemName.offset, ProductRecord::ItemName.width));
    return !name.isEmpty() && std::none_of(name.begin(), name.end(),
                                           [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

struct Expected {
    QList<QByteArray> added;
    qint64 leftOut = 0;
};

// What an import of the merge bytes into the product bytes appends.
Expected expectedImport(QByteArrayView products, QByteArrayView merge) {
    QSet<QString> names;
    for (qint64 n = 1; n <= products.size() / Length; ++n)
        names.insert(nameKey(recordAt(products, n)));
    Expected expected;
    for (qint64 m = 1; m <= merge.size() / Length; ++m) {
        const QByteArrayView record = recordAt(merge, m);
        if (!namesAProduct(record)) {
            ++expected.leftOut;
            continue;
        }
        if (names.contains(nameKey(record)))
            continue;
        names.insert(nameKey(record));
        // The first reserved field is never taken over.
        QByteArray product = record.toByteArray();
        product.replace(ProductRecord::Reserved1.offset, ProductRecord::Reserved1.width,
                        QByteArray(ProductRecord::Reserved1.width, '\0'));
        expected.added.append(product);
    }
    return expected;
}

} // namespace

PANTREX_FUZZ_STARTS_QT(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fuzz::Folder folder;
    folder.clear();
    fuzz::Input input(data, size);
    // Choices: the list's own product file or the default one; a merge file there or not; the
    // products already in memory before the import or not; an older "grocery.old" or none.
    const int choices = input.byte();
    const QString productFile = choices & 1 ? QStringLiteral("party.dat") : QStringLiteral("grocery.dat");
    const QString mergeFile = choices & 1 ? QStringLiteral("party.mrg") : QStringLiteral("grocery.mrg");
    const bool mergeThere = !(choices & 2);
    const qsizetype productBytes = input.byte() | (input.byte() << 8);
    const QByteArray products = input.take(productBytes).toByteArray();
    const QByteArray merge = input.rest().toByteArray();
    const QByteArray olderCopy = "an older import";
    folder.write(productFile, products);
    if (mergeThere)
        folder.write(mergeFile, merge);
    if (choices & 8)
        folder.write(ImportedCopy, olderCopy);

    Session session(folder.path());
    session.setProductListPath(productFile);
    RecordFile* open = session.files().open(ProductChannel, productFile, Length);
    FUZZ_CHECK(open, session.files().errorString());
    session.setProductCount(open->count());
    if (choices & 4)
        session.catalog().refresh(session.files(), productFile);

    const ImportResult result = importMergeFile(session);
    session.files().closeAll();

    FUZZ_CHECK(result.outcome != ImportResult::Outcome::Stopped, result.error);
    const QByteArray after = folder.read(productFile);
    const qint64 oldCount = products.size() / Length;
    FUZZ_CHECK(after.startsWith(products.first(oldCount * Length)), QStringLiteral("products changed"));
    FUZZ_CHECK(session.productCount() == after.size() / Length,
               QStringLiteral("prodcount %1").arg(session.productCount()));
    const QStringList expectedFiles = [&] {
        QStringList files{productFile};
        if (choices & 8 || result.mergeFileGone)
            files.append(ImportedCopy);
        return files;
    }();

    const qint64 mergeRecords = merge.size() / Length;
    if (!mergeThere || mergeRecords == 0) {
        // Nothing to import: nothing changes, and an empty merge file goes as the probe's would.
        FUZZ_CHECK(result.outcome == ImportResult::Outcome::NotFound && result.added == 0, result.error);
        FUZZ_CHECK(after == products, QStringLiteral("products changed"));
        FUZZ_CHECK(folder.exists(mergeFile) == (mergeThere && !merge.isEmpty()), mergeFile);
        if (choices & 8)
            FUZZ_CHECK(folder.read(ImportedCopy) == olderCopy, ImportedCopy);
        QStringList files = expectedFiles;
        if (folder.exists(mergeFile))
            files.append(mergeFile);
        files.sort();
        FUZZ_CHECK(folder.files() == files, folder.files().join(QLatin1Char(' ')));
        return 0;
    }

    // Each new name once, whole records in the merge file's order, after the records that were there.
    const Expected expected = expectedImport(products, merge);
    FUZZ_CHECK(result.outcome == ImportResult::Outcome::Imported, result.error);
    FUZZ_CHECK(result.added == expected.added.size() && result.leftOut == expected.leftOut,
               QStringLiteral("%1 added, %2 left out; expected %3 and %4")
                   .arg(result.added)
                   .arg(result.leftOut)
                   .arg(expected.added.size())
                   .arg(expected.leftOut));
    if (expected.added.isEmpty()) {
        FUZZ_CHECK(after == products, QStringLiteral("products changed without a new one"));
    } else {
        FUZZ_CHECK(after.size() == (oldCount + expected.added.size()) * Length,
                   QStringLiteral("%1 bytes after the import").arg(after.size()));
        for (qsizetype i = 0; i < expected.added.size(); ++i)
            FUZZ_CHECK(recordAt(after, oldCount + 1 + i) == expected.added.at(i),
                       QStringLiteral("new record %1: ").arg(i + 1) + escaped(recordAt(after, oldCount + 1 + i)));
    }
    // The merge file is kept whole as the last import, and goes.
    FUZZ_CHECK(result.mergeFileGone && result.error.isEmpty(), result.error);
    FUZZ_CHECK(!folder.exists(mergeFile) && folder.read(ImportedCopy) == merge, ImportedCopy);
    QStringList files = expectedFiles;
    files.sort();
    FUZZ_CHECK(folder.files() == files, folder.files().join(QLatin1Char(' ')));
    return 0;
}
