#include "categoryrename.h"

#include "data/ansitext.h"
#include "platform/dialogs.h"
#include "products/entrytext.h"
#include "products/productfiles.h"
#include "state/pantmod.h"

namespace pantrex {

namespace {

// Writes the new name into every record of the file whose trimmed category matches. Returns
// false (after telling the user) when a record cannot be written; records before it keep the
// new name.
bool renameIn(RecordFile& file, Field category, const QString& oldName, const QByteArray& newName,
              Qt::CaseSensitivity matching, Dialogs& dialogs, bool& changed) {
    std::optional<QList<Record>> records = file.readAll();
    if (!records) {
        reportFileError(dialogs, file.errorString());
        return false;
    }
    for (qint64 n = 1; n <= records->size(); ++n) {
        Record& record = (*records)[n - 1];
        if (fromAnsi(record.text(category)).compare(oldName, matching) != 0)
            continue;
        record.set(category, newName);
        if (!file.write(n, record)) {
            reportFileError(dialogs, file.errorString());
            return false;
        }
        changed = true;
    }
    return true;
}

QString askNewName(Dialogs& dialogs, const QString& comboText) {
    Dialogs::Input box;
    box.prompt = QStringLiteral("Type a name to replace ") + comboText;
    box.defaultText = comboText;
    return dialogs.input(box);
}

bool confirmRename(Dialogs& dialogs, const QString& oldName, const QString& newName) {
    Dialogs::Message box;
    box.text = QStringLiteral("Change all ") + oldName + QStringLiteral(" records to ") + newName + QStringLiteral("?");
    box.title = QStringLiteral("Confirm...");
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
