// SPDX-License-Identifier: MIT
#include "categoryrename.h"

#include "core/entrytext.h"
#include "data/ansitext.h"
#include "platform/dialogs.h"
#include "products/productfiles.h"
#include "state/pantmod.h"

#include <QCoreApplication>

namespace pantrex {

namespace {

struct ProductTexts {
    Q_DECLARE_TR_FUNCTIONS(Products)
};

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

// Writes the new name into every record of the file whose trimmed category matches, the file
// written anew in one atomic step. Returns false (after telling the user) when it cannot be; the
// file is then as it was.
bool renameIn(RecordFile& file, Field category, const QString& oldName, const QByteArray& newName,
              Qt::CaseSensitivity matching, Dialogs& dialogs, bool& changed) {
    const std::optional<QByteArray> records = file.readAllBytes();
    if (!records) {
        reportFileError(dialogs, file.errorString());
        return false;
    }
    const int length = file.recordLength();
    const QList<qint64> named = recordsNamed(*records, length, category, oldName, matching);
    if (named.isEmpty())
        return true;
    QByteArray renamed = *records;
    Record withNewName(length);
    withNewName.set(category, newName);
    const QByteArray field = withNewName.raw(category);
    for (const qint64 n : named)
        renamed.replace((n - 1) * length + category.offset, category.width, field);
    if (!file.rewriteBytes(renamed)) {
        reportFileError(dialogs, file.errorString());
        return false;
    }
    changed = true;
    return true;
}

// The same for the product file when the product list in memory is what the file holds: the file is
// written from it, the new name between its runs, and the list follows the change without reading
// the file again. Returns nothing when the list in memory is not the file's content.
std::optional<bool> renameFromCatalog(PANTMOD& pantmod, RecordFile& file, const QString& oldName,
                                      const QByteArray& newName, Dialogs& dialogs, bool& changed) {
    ProductCatalog& catalog = pantmod.session.catalog();
    const Field category = ProductRecord::Category;
    constexpr int length = ProductRecord::Length;
    const QByteArrayView records = catalog.bytes().first(catalog.count() * length);
    if (catalog.stamp().path != file.path() || file.recordLength() != length)
        return std::nullopt;
    const std::optional<bool> current = file.holds(records);
    if (!current || !*current)
        return std::nullopt;
    const QList<qint64> named = recordsNamed(records, length, category, oldName, Qt::CaseSensitive);
    if (named.isEmpty())
        return true;
    Record withNewName(length);
    withNewName.set(category, newName);
    const QByteArray field = withNewName.raw(category);
    QList<QByteArrayView> pieces;
    std::vector<qint32> renamed;
    qsizetype from = 0;
    for (const qint64 n : named) {
        const qsizetype at = qsizetype(n - 1) * length + category.offset;
        pieces << records.sliced(from, at - from) << QByteArrayView(field);
        from = at + category.width;
        renamed.push_back(qint32(n));
    }
    pieces << records.sliced(from);
    if (!file.rewritePieces(pieces)) {
        reportFileError(dialogs, file.errorString());
        return false;
    }
    catalog.followFieldChange(pantmod.session.files(), pantmod.session.productListPath(), renamed, category, field);
    changed = true;
    return true;
}

QString askNewName(Dialogs& dialogs, const QString& comboText) {
    Dialogs::Input box;
    box.prompt = ProductTexts::tr("Type a name to replace %1").arg(comboText);
    box.defaultText = comboText;
    return dialogs.input(box);
}

bool confirmRename(Dialogs& dialogs, const QString& oldName, const QString& newName) {
    Dialogs::Message box;
    box.text = ProductTexts::tr("Change all %1 records to %2?").arg(oldName, newName);
    box.title = ProductTexts::tr("Confirm...");
    box.buttons = Dialogs::Buttons::OkCancel;
    box.icon = Dialogs::Icon::Question;
    return dialogs.message(box) == Dialogs::Answer::Ok;
}

} // namespace

CategoryRename renamecategory(PANTMOD& pantmod, Dialogs& dialogs, const QString& comboText) {
    CategoryRename result;
    const QString oldName = trimBlanks(comboText);
    const QString answer = askNewName(dialogs, comboText);
    // An answer of blanks only would file products under no category at all: it counts as none.
    if (trimBlanks(answer).isEmpty() || answer == oldName)
        return result;
    const QString newName = capwords(answer);
    if (!confirmRename(dialogs, oldName, newName))
        return result;

    RecordFile* shopping = openShoppingFile(pantmod, dialogs);
    if (!shopping)
        return result;
    const QByteArray stored = toAnsi(newName);
    // Shopping list rows match the old name in any case, products only exactly.
    if (!renameIn(*shopping, ShoppingRecord::Category, oldName, stored, Qt::CaseInsensitive, dialogs,
                  result.filesChanged))
        return result;
    RecordFile* products = openProductFile(pantmod, dialogs);
    if (!products)
        return result;
    const std::optional<bool> fromCatalog =
        renameFromCatalog(pantmod, *products, oldName, stored, dialogs, result.filesChanged);
    if (fromCatalog ? !*fromCatalog
                    : !renameIn(*products, ProductRecord::Category, oldName, stored, Qt::CaseSensitive, dialogs,
                                result.filesChanged))
        return result;
    result.renamed = true;
    result.newName = newName;
    return result;
}

} // namespace pantrex
