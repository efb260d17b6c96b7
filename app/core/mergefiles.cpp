// SPDX-License-Identifier: MIT
#include "mergefiles.h"

#include "core/session.h"
#include "data/ansitext.h"
#include "data/filenames.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace pantrex {

namespace {

bool reopenProducts(Session& session) {
    session.setProductCount(0);
    RecordFile* products = session.files().open(ProductChannel, session.productListPath(), ProductRecord::Length);
    if (products)
        session.setProductCount(products->count());
    return products;
}

// A record the import can take: its name is there and is text, not blanks, zero bytes or the
// control bytes of a damaged file.
bool namesAProduct(QByteArrayView name) {
    return !name.isEmpty() && std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

Record newProduct(const Record& merged) {
    // The first reserved field is never taken over: it stays zero bytes, as in every new product.
    Record product(ProductRecord::Length);
    for (const Field field : {ProductRecord::ItemName, ProductRecord::Price, ProductRecord::HighFat,
                              ProductRecord::HighCarb, ProductRecord::Reserved2, ProductRecord::Category})
        product.setRaw(field, merged.raw(field));
    return product;
}

// The merge file of the open product list: its records, none when it is missing or holds no whole
// record (an empty file is removed, as the start-up probe does), or an error.
std::optional<QList<Record>> readMergeFile(Session& session, ImportResult& result) {
    FileChannels& files = session.files();
    if (!files.exists(session.mergePath()))
        return QList<Record>();
    RecordFile* merge = files.open(MergeChannel, session.mergePath(), ProductRecord::Length);
    std::optional<QList<Record>> records = merge ? merge->readAll() : std::nullopt;
    if (!records)
        result.error = merge ? merge->errorString() : files.errorString();
    files.close(MergeChannel);
    if (records && records->isEmpty() && files.size(session.mergePath()) == 0)
        (void)files.remove(session.mergePath());
    return records;
}

} // namespace

ProductNames::ProductNames(const ProductCatalog& catalog, qsizetype more) {
    m_names.reserve(catalog.count() + more);
    for (qint64 n = 1; n <= catalog.count(); ++n)
        m_names.insert(ansiUpper(catalog.name(n)));
}

bool ProductNames::takeNew(QByteArrayView name) {
    const qsizetype known = m_names.size();
    m_names.insert(ansiUpper(fieldText(name)));
    return m_names.size() > known;
}

Notices exportToMergeFile(Session& session) {
    FileChannels& files = session.files();
    files.close(ProductChannel);
    files.close(MergeChannel);
    session.setMergePath(mergeFileOf(session.productListPath()));
    if (!files.copy(session.productListPath(), session.mergePath()))
        return {Notice::fileError(files.errorString())};
    return {};
}

// Copies the merge file to the drive and removes it here. A drive that is not there, may not be
// written or is full fails the copy, and the merge file stays.
bool moveMergeFileToDrive(Session& session, const QString& driveFolder) {
    FileChannels& files = session.files();
    const QString& mergeFile = session.mergePath();
    if (driveFolder.isEmpty() || !QFileInfo(driveFolder).isDir())
        return false;
    const QString target = QDir(driveFolder).filePath(mergeFile);
    // A drive that is the working folder already holds the file; removing it would lose it.
    if (QFileInfo(target) == QFileInfo(files.pathOf(mergeFile)))
        return true;
    return files.copyOut(mergeFile, target) && files.remove(mergeFile);
}

Notices reopenProductList(Session& session) {
    if (!reopenProducts(session))
        return {Notice::fileError(session.files().errorString())};
    return {};
}

ImportResult importMergeFile(Session& session) {
    ImportResult result;
    FileChannels& files = session.files();
    // The merge file always follows the product list that is open now.
    session.setMergePath(mergeFileOf(session.productListPath()));
    const std::optional<QList<Record>> merged = readMergeFile(session, result);
    if (!merged) {
        result.outcome = ImportResult::Outcome::Stopped;
        return result;
    }
    if (merged->isEmpty())
        return result;
    const UndoStep undo(session.undoHistory(), UndoCaptions::tr("Import products"),
                        {session.productListPath(), session.mergePath(), DataFile::ImportedCopy});

    RecordFile* products = files.open(ProductChannel, session.productListPath(), ProductRecord::Length);
    if (!products) {
        result.outcome = ImportResult::Outcome::Stopped;
        result.error = files.errorString();
        return result;
    }
    // Every name is looked up in one set of the product list's names, kept up to date as products
    // are added, so that a name the merge file holds twice is added once.
    ProductCatalog& catalog = session.catalog();
    catalog.refresh(files, session.productListPath());
    ProductNames names(catalog, merged->size());

    QList<Record> added;
    for (const Record& record : *merged) {
        const QByteArray name = record.text(ProductRecord::ItemName);
        if (!namesAProduct(name)) {
            ++result.leftOut;
            continue;
        }
        if (names.takeNew(name))
            added.append(newProduct(record));
    }
    // The new products go on in the merge file's order; a failure midway leaves those written
    // before it whole, and the merge file stays for another try.
    const bool written = added.isEmpty() || products->appendAll(added, result.added);
    session.setProductCount(products->count());
    if (!written) {
        result.outcome = ImportResult::Outcome::Stopped;
        result.error = products->errorString();
        return result;
    }
    result.outcome = ImportResult::Outcome::Imported;
    if (!files.copy(session.mergePath(), DataFile::ImportedCopy) || !files.remove(session.mergePath()))
        result.error = files.errorString();
    else
        result.mergeFileGone = true;
    return result;
}

} // namespace pantrex
