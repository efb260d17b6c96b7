// SPDX-License-Identifier: MIT
#include "productoperations.h"

#include "core/entrytext.h"
#include "core/session.h"
#include "data/ansitext.h"
#include "data/numbertext.h"

#include <QSet>

#include <vector>

namespace pantrex {

namespace {

// The numbers of the records whose category, trimmed, is the old name. Where case counts the names
// are compared as stored, so that a long product list costs no conversions.
QList<qint64> recordsNamed(QByteArrayView records, int length, Field category, const QString& oldName,
                           Qt::CaseSensitivity matching) {
    const QByteArray stored = toAnsi(oldName);
    // A name the file could not hold is in no record.
    const bool storable = fromAnsi(stored) == oldName;
    QList<qint64> found;
    for (qint64 n = 1; n <= records.size() / length; ++n) {
        const QByteArrayView field = fieldText(records.sliced((n - 1) * length + category.offset, category.width));
        const bool matches = matching == Qt::CaseSensitive ? storable && field == stored
                                                           : fromAnsi(field).compare(oldName, matching) == 0;
        if (matches)
            found.append(n);
    }
    return found;
}

QByteArray categoryField(int length, Field category, const QByteArray& name) {
    Record withName(length);
    withName.set(category, name);
    return withName.raw(category);
}

// Writes the new name into every record of the file whose trimmed category matches, the file
// written anew in one atomic step. Returns false (with the notice) when it cannot be; the file is
// then as it was.
bool renameIn(RecordFile& file, Field category, const QString& oldName, const QByteArray& newName,
              Qt::CaseSensitivity matching, CategoryRenameResult& result) {
    const std::optional<QByteArray> records = file.readAllBytes();
    if (!records) {
        result.notice = Notice::fileError(file.errorString());
        return false;
    }
    const int length = file.recordLength();
    const QList<qint64> named = recordsNamed(*records, length, category, oldName, matching);
    if (named.isEmpty())
        return true;
    QByteArray renamed = *records;
    const QByteArray field = categoryField(length, category, newName);
    for (const qint64 n : named)
        renamed.replace((n - 1) * length + category.offset, category.width, field);
    if (!file.rewriteBytes(renamed)) {
        result.notice = Notice::fileError(file.errorString());
        return false;
    }
    result.filesChanged = true;
    return true;
}

} // namespace

ProductOperations::ProductOperations(Session& session) : m_session(session) {}

RecordFile* ProductOperations::openChannel(int channel, const QString& name, int recordLength,
                                           std::optional<Notice>& failure) {
    if (RecordFile* file = m_session.files().file(channel))
        return file;
    RecordFile* file = m_session.files().open(channel, name, recordLength);
    if (!file)
        failure = Notice::fileError(m_session.files().errorString());
    return file;
}

RecordFile* ProductOperations::productFile(std::optional<Notice>& failure) {
    return openChannel(ProductChannel, m_session.productListPath(), ProductRecord::Length, failure);
}

RecordFile* ProductOperations::shoppingFile(std::optional<Notice>& failure) {
    return openChannel(ShoppingChannel, m_session.shoppingListPath(), ShoppingRecord::Length, failure);
}

bool ProductOperations::canDelete(const QList<qint64>& selectedRecords, std::optional<Notice>& refusal) const {
    if (m_session.productCount() == 0)
        return false;
    if (selectedRecords.isEmpty()) {
        refusal = Notice{tr("No item selected."), tr("Oops!")};
        return false;
    }
    return true;
}

bool ProductOperations::defaultListWarningDue() const {
    return !m_session.defaultListWarned() &&
           m_session.productListPath().compare(DataFile::DefaultProducts, Qt::CaseInsensitive) == 0;
}

void ProductOperations::markDefaultListWarned() {
    m_session.setDefaultListWarned(true);
}

std::optional<qint64> ProductOperations::countProducts(std::optional<Notice>& failure) {
    if (RecordFile* products = productFile(failure))
        return products->count();
    return std::nullopt;
}

bool ProductOperations::stillHolds(RecordFile& products, QByteArrayView shownContent, DeletionResult& result) {
    const std::optional<bool> unchanged = products.holds(shownContent);
    if (!unchanged)
        result.notice = Notice::fileError(products.errorString());
    else if (!*unchanged)
        result.outcome = DeletionOutcome::FileChanged;
    return unchanged.value_or(false);
}

DeletionResult ProductOperations::deleteProducts(const QList<qint64>& selectedRecords, QByteArrayView shownContent,
                                                 const std::function<bool(const QString& productName)>& confirmEach) {
    const UndoStep undo(m_session.undoHistory(), UndoCaptions::tr("Delete products"), {m_session.productListPath()},
                        UndoHistory::Writes::NewFiles);
    DeletionResult result;
    RecordFile* products = productFile(result.notice);
    if (!products)
        return result;
    // The record numbers are those of the rows the user chose from: if the file holds anything else,
    // they may name other products. Before the user is asked of each product the file is compared
    // at once; else while the new content is written.
    if (confirmEach && !stillHolds(*products, shownContent, result))
        return result;
    const qint64 count = products->count();
    std::vector<bool> selected(size_t(count) + 1, false);
    for (const qint64 n : QSet<qint64>(selectedRecords.cbegin(), selectedRecords.cend())) {
        if (n >= 1 && n <= count)
            selected[size_t(n)] = true;
    }
    // Kept records go back exactly as they are in the file, reserved fields included: in runs,
    // between the dropped ones, straight from the bytes shown (which the file holds).
    auto recordsFrom = [shownContent](qint64 first, qint64 last) {
        return shownContent.sliced((first - 1) * ProductRecord::Length, (last - first + 1) * ProductRecord::Length);
    };
    auto confirmed = [&](qint64 n) {
        if (!confirmEach)
            return true;
        const QByteArrayView record = recordsFrom(n, n);
        return confirmEach(
            fromAnsi(fieldText(record.sliced(ProductRecord::ItemName.offset, ProductRecord::ItemName.width))));
    };
    QList<QByteArrayView> kept;
    std::vector<qint32> removed;
    qint64 runStart = 1;
    for (qint64 n = 1; n <= count; ++n) {
        if (!selected[size_t(n)] || !confirmed(n))
            continue;
        kept.append(recordsFrom(runStart, n - 1));
        removed.push_back(qint32(n));
        runStart = n + 1;
    }
    kept.append(recordsFrom(runStart, count));
    if (removed.empty()) {
        m_session.setProductCount(count);
        result.outcome = DeletionOutcome::ProductsLeft;
        return result;
    }
    // The product list in memory may be the content shown: it then follows the deletion rather than
    // reading the whole file again.
    ProductCatalog& catalog = m_session.catalog();
    const bool shownFromCatalog = catalog.stamp().path == products->path() &&
                                  catalog.bytes().data() == shownContent.data() &&
                                  catalog.bytes().size() == shownContent.size();
    std::function<void()> follow;
    if (shownFromCatalog)
        follow = [&catalog, &removed] { catalog.closeUp(removed); };
    switch (products->rewritePiecesIfHolds(shownContent, kept, follow)) {
    case RecordFile::GuardedRewrite::Done:
        break;
    case RecordFile::GuardedRewrite::Differs:
        result.outcome = DeletionOutcome::FileChanged;
        return result;
    case RecordFile::GuardedRewrite::ReadFailed:
    case RecordFile::GuardedRewrite::WriteFailed:
        // The list in memory may have followed a deletion that did not reach the disk.
        if (shownFromCatalog) {
            catalog.invalidate();
            catalog.refresh(m_session.files(), m_session.productListPath());
        }
        result.notice = Notice::fileError(products->errorString());
        return result;
    }
    if (shownFromCatalog)
        catalog.restamp(m_session.files(), m_session.productListPath());
    m_session.setProductCount(products->count());
    m_session.notifyProductsChanged();
    result.outcome = m_session.productCount() == 0 ? DeletionOutcome::ListEmptied : DeletionOutcome::ProductsLeft;
    return result;
}

// The same as renameIn for the product file when the product list in memory is what the file
// holds: the file is written from it, the new name between its runs, and the list follows the
// change without reading the file again. Returns nothing when the list in memory is not the file's
// content.
std::optional<bool> ProductOperations::renameFromCatalog(RecordFile& file, const QString& oldName,
                                                         const QByteArray& newName, CategoryRenameResult& result) {
    ProductCatalog& catalog = m_session.catalog();
    const Field category = ProductRecord::Category;
    constexpr int length = ProductRecord::Length;
    const QByteArrayView records = catalog.bytes().first(catalog.count() * length);
    if (catalog.stamp().path != file.path() || file.recordLength() != length)
        return std::nullopt;
    // The list in memory knows each record's category: no need to go through the records.
    const QByteArray stored = toAnsi(oldName);
    const std::vector<qint32> named =
        fromAnsi(stored) == oldName ? catalog.recordsOfCategory(stored) : std::vector<qint32>();
    if (named.empty()) {
        const std::optional<bool> current = file.holds(records);
        return current && *current ? std::optional<bool>(true) : std::nullopt;
    }
    const QByteArray field = categoryField(length, category, newName);
    QList<QByteArrayView> pieces;
    qsizetype from = 0;
    for (const qint32 n : named) {
        const qsizetype at = qsizetype(n - 1) * length + category.offset;
        pieces << records.sliced(from, at - from) << QByteArrayView(field);
        from = at + category.width;
    }
    pieces << records.sliced(from);
    // A file that holds anything else is renamed from what it holds.
    switch (file.rewritePiecesIfHolds(records, pieces)) {
    case RecordFile::GuardedRewrite::Done:
        break;
    case RecordFile::GuardedRewrite::Differs:
    case RecordFile::GuardedRewrite::ReadFailed:
        return std::nullopt;
    case RecordFile::GuardedRewrite::WriteFailed:
        result.notice = Notice::fileError(file.errorString());
        return false;
    }
    catalog.followFieldChange(m_session.files(), m_session.productListPath(), named, category, field);
    result.filesChanged = true;
    return true;
}

CategoryRenameResult ProductOperations::renameCategory(const QString& oldName, const QString& newName) {
    const UndoStep undo(m_session.undoHistory(), UndoCaptions::tr("Rename category"),
                        {m_session.productListPath(), m_session.shoppingListPath()}, UndoHistory::Writes::NewFiles);
    CategoryRenameResult result;
    RecordFile* shopping = shoppingFile(result.notice);
    if (!shopping)
        return result;
    const QByteArray stored = toAnsi(newName);
    // Shopping list rows match the old name in any case, products only exactly.
    const bool shoppingDone =
        renameIn(*shopping, ShoppingRecord::Category, oldName, stored, Qt::CaseInsensitive, result);
    if (result.filesChanged)
        m_session.notifyShoppingListChanged();
    if (!shoppingDone)
        return result;
    RecordFile* products = productFile(result.notice);
    if (!products)
        return result;
    const bool shoppingChanged = result.filesChanged;
    result.filesChanged = false;
    const std::optional<bool> fromCatalog = renameFromCatalog(*products, oldName, stored, result);
    const bool productsDone =
        fromCatalog ? *fromCatalog
                    : renameIn(*products, ProductRecord::Category, oldName, stored, Qt::CaseSensitive, result);
    if (result.filesChanged)
        m_session.notifyProductsChanged();
    result.filesChanged = result.filesChanged || shoppingChanged;
    result.renamed = productsDone;
    return result;
}

Record ProductOperations::productRecord(const ProductEntry& entry, bool trimCategory) {
    Record record(ProductRecord::Length);
    record.set(ProductRecord::ItemName, toAnsi(trimBlanks(entry.name)));
    record.set(ProductRecord::Price, toAnsi(entry.price));
    record.set(ProductRecord::HighFat, entry.highFat ? "1" : " ");
    record.set(ProductRecord::HighCarb, entry.highCarb ? "1" : " ");
    const QString category = trimCategory ? trimBlanks(entry.category) : entry.category;
    const QByteArray stored = trimBlanks(category).isEmpty() ? QByteArray("Miscellaneous") : toAnsi(category);
    record.set(ProductRecord::Category, stored);
    return record;
}

std::optional<Notice> ProductOperations::addProduct(const Record& product) {
    std::optional<Notice> notice;
    RecordFile* products = productFile(notice);
    if (!products)
        return notice;
    if (!products->append(product))
        return Notice::fileError(products->errorString());
    m_session.setProductCount(products->count());
    m_session.notifyProductsChanged();
    return std::nullopt;
}

LoadedProduct ProductOperations::loadProduct(qint64 recordNumber, std::optional<Notice>& failure) {
    LoadedProduct loaded;
    loaded.recordNumber = recordNumber;
    Record record(ProductRecord::Length);
    if (RecordFile* products = productFile(failure)) {
        if (std::optional<Record> read = products->read(recordNumber))
            record = *read;
        else
            failure = Notice::fileError(products->errorString());
        loaded.filePath = products->path();
    }
    loaded.bytes = record.bytes();
    return loaded;
}

bool ProductOperations::isUnchanged(const LoadedProduct& loaded) {
    std::optional<Notice> ignored;
    RecordFile* products = productFile(ignored);
    if (!products || loaded.filePath.isEmpty() || products->path() != loaded.filePath || loaded.recordNumber < 1 ||
        loaded.recordNumber > products->count())
        return false;
    const std::optional<Record> record = products->read(loaded.recordNumber);
    return record && record->bytes() == loaded.bytes;
}

std::optional<Notice> ProductOperations::changeProduct(LoadedProduct& loaded, const Record& product) {
    const UndoStep undo(m_session.undoHistory(), UndoCaptions::tr("Change product"), {m_session.productListPath()});
    std::optional<Notice> notice;
    RecordFile* products = productFile(notice);
    if (!products)
        return notice;
    if (!isUnchanged(loaded))
        return Notice{tr("This product was changed or deleted in the product list while it was open here, "
                         "so it was not saved.  Return and open it again to make your changes."),
                      tr("Error"), Notice::Kind::Warning};
    if (!products->write(loaded.recordNumber, product))
        return Notice::fileError(products->errorString());
    loaded.bytes = product.bytes();
    m_session.notifyProductsChanged();
    return std::nullopt;
}

std::optional<Notice> ProductOperations::addToShoppingList(const Record& product, const QString& productName,
                                                           const QString& quantity) {
    std::optional<Notice> notice;
    RecordFile* shopping = shoppingFile(notice);
    if (!shopping)
        return notice;
    const double cost = numberValue(product.text(ProductRecord::Price)) * numberValue(toAnsi(quantity));
    // The line cost may lose decimals in its six characters, never whole digits.
    const std::optional<QByteArray> costField = fitNumberField(formatMoney(cost), ShoppingRecord::LineCost.width);
    if (!costField)
        return Notice{tr("The cost of %1, %2, is too large for the shopping list.  The product "
                         "was saved but not put on the list.")
                          .arg(productName, fromAnsi(formatMoney(cost))),
                      tr("Error")};
    Record line(ShoppingRecord::Length);
    line.setRaw(ShoppingRecord::ItemText, product.raw(ProductRecord::ItemName));
    line.set(ShoppingRecord::LineCost, *costField);
    line.set(ShoppingRecord::Quantity, toAnsi(quantity));
    line.setRaw(ShoppingRecord::Category, product.raw(ProductRecord::Category));
    if (!shopping->append(line))
        return Notice::fileError(shopping->errorString());
    m_session.setShoppingCount(shopping->count());
    m_session.notifyShoppingListChanged();
    return std::nullopt;
}

} // namespace pantrex
