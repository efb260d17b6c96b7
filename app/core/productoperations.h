// SPDX-License-Identifier: MIT
#pragma once

#include "core/notice.h"
#include "data/records.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace pantrex {

class RecordFile;
class Session;

// How a deletion of products ended.
enum class DeletionOutcome {
    Nothing,      // nothing was deleted (no product, nothing selected, a question refused, a failure)
    ProductsLeft, // the product list was rewritten, or no product was chosen in the end; products are left
    ListEmptied,  // the product list is now empty
    FileChanged,  // the file is no longer what the rows were numbered in: nothing was written
};

struct DeletionResult {
    DeletionOutcome outcome = DeletionOutcome::Nothing;
    std::optional<Notice> notice; // a failure to tell the user
};

struct CategoryRenameResult {
    bool renamed = false;      // every matching record now has the new name
    bool filesChanged = false; // a file was written (also when a failure stopped the rest)
    std::optional<Notice> notice;
};

// A product as it was opened for a change: which record of which file, and its bytes then.
struct LoadedProduct {
    qint64 recordNumber = 0;
    QString filePath;
    QByteArray bytes;
};

// What the user typed for a product, as the entry dialog hands it over.
struct ProductEntry {
    QString name;
    QString price;
    bool highFat = false;
    bool highCarb = false;
    QString category;
};

// Product maintenance on the open session: deleting products, renaming a category, saving a new or
// changed product and putting a new one on the shopping list. The operations ask nothing: the
// caller asks the user first and hands the answers over; what the user must be told comes back.
class ProductOperations {
    Q_DECLARE_TR_FUNCTIONS(Products)

public:
    explicit ProductOperations(Session& session);

    // The open product list (channel 1) and shopping list (channel 2). Both are normally kept
    // open; a closed one is opened again under its name. On failure nullptr and the notice.
    RecordFile* productFile(std::optional<Notice>& failure);
    RecordFile* shoppingFile(std::optional<Notice>& failure);

    // Deleting products, in the order the user meets it. Whether there is anything to delete:
    // false with nothing to say when the list is empty, false with a notice when no row is selected.
    bool canDelete(const QList<qint64>& selectedRecords, std::optional<Notice>& refusal) const;
    // Other shopping lists without products of their own share the default list, so the first
    // deletion from it after a list was opened is warned about; asking marks the warning given.
    bool defaultListWarningDue() const;
    void markDefaultListWarned();
    // The number of products the file holds now (the rows on screen may be older), for the
    // questions; nothing, with the notice, when it cannot be opened.
    std::optional<qint64> countProducts(std::optional<Notice>& failure);
    // Deletes the selected records (numbers in the product file's bytes shownContent) after the
    // questions. With confirmEach, each is deleted only when it answers true for the product's name.
    // The kept records are written back byte for byte, in their old order, in one atomic rewrite; a
    // file that no longer holds shownContent is left as it is.
    DeletionResult deleteProducts(const QList<qint64>& selectedRecords, QByteArrayView shownContent,
                                  const std::function<bool(const QString& productName)>& confirmEach = {});

    // Renames a category everywhere it is used: in the open shopping list regardless of case, in the
    // open product list only where it matches exactly. Each file is written anew in one atomic step,
    // its records with only their category changed.
    CategoryRenameResult renameCategory(const QString& oldName, const QString& newName);

    // A product record built afresh from what was typed; the reserved fields stay zero bytes. A
    // category of blanks only is "Miscellaneous"; with trimCategory the category loses its end blanks.
    static Record productRecord(const ProductEntry& entry, bool trimCategory);
    // Appends a product after the last record the file holds, so that nothing is ever written over.
    std::optional<Notice> addProduct(const Record& product);
    // Reads product recordNumber for a change. A record that cannot be read comes back blank, with
    // the notice.
    LoadedProduct loadProduct(qint64 recordNumber, std::optional<Notice>& failure);
    // Whether the loaded product is still what its file holds at its place: if it moved (a deletion,
    // another list opened) or was changed since, writing it would overwrite another product.
    bool isUnchanged(const LoadedProduct& loaded);
    // Writes the changed product over the record it was loaded from, when that is unchanged; loaded
    // then holds the new bytes.
    std::optional<Notice> changeProduct(LoadedProduct& loaded, const Record& product);
    // Puts a product on the shopping list with the quantity given (a number), priced by it;
    // productName is its name as the user sees it, for the message.
    std::optional<Notice> addToShoppingList(const Record& product, const QString& productName, const QString& quantity);

private:
    RecordFile* openChannel(int channel, const QString& name, int recordLength, std::optional<Notice>& failure);
    std::optional<bool> renameFromCatalog(RecordFile& file, const QString& oldName, const QByteArray& newName,
                                          CategoryRenameResult& result);
    // Whether the product file still holds exactly what was shown; else the outcome or notice says why.
    static bool stillHolds(RecordFile& products, QByteArrayView shownContent, DeletionResult& result);

    Session& m_session;
};

} // namespace pantrex
