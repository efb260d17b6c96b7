#include "categoryrename.h"

#include "data/ansitext.h"
#include "platform/dialogs.h"
#include "products/entrytext.h"
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
QList<qint64> recordsNamed(const QByteArray& records, int length, Field category, const QString& oldName,
                           Qt::CaseSensitivity matching) {
    const QByteArray stored = toAnsi(oldName);
    // A name the file could not hold is in no record.
    const bool storable = fromAnsi(stored) == oldName;
    QList<qint64> found;
    for (qint64 n = 1; n <= records.size() / length; ++n) {
        const QByteArrayView field =
            fieldText(QByteArrayView(records).sliced((n - 1) * length + category.offset, category.width));
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
    if (!products ||
        !renameIn(*products, ProductRecord::Category, oldName, stored, Qt::CaseSensitive, dialogs, result.filesChanged))
        return result;
    result.renamed = true;
    result.newName = newName;
    return result;
}

} // namespace pantrex
