// SPDX-License-Identifier: MIT
#include "csvdialogue.h"

#include "core/productcsv.h"
#include "core/session.h"
#include "data/filenames.h"
#include "platform/filechooser.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QDir>

namespace pantrex {

namespace {

struct CsvTexts {
    Q_DECLARE_TR_FUNCTIONS(Import)
};

FileChooser::Request csvRequest(const QString& title) {
    FileChooser::Request request;
    request.title = title;
    request.filter = CsvTexts::tr("CSV files (*.csv *.txt);;All files (*)");
    request.folder = QDir::homePath();
    request.keepToFolder = false;
    return request;
}

} // namespace

void exportProductsAsCsv(Session& session, Dialogs& dialogs, FileChooser& chooser) {
    FileChooser::Request request = csvRequest(CsvTexts::tr("Export products as CSV"));
    request.name = baseName(session.productListPath()) + QStringLiteral(".csv");
    const QString path = chooser.saveFile(request);
    if (path.isEmpty())
        return;
    if (const std::optional<Notice> failed = exportProductsCsv(session, path)) {
        report(dialogs, *failed);
        return;
    }
    const qint64 count = session.catalog().count();
    inform(dialogs, (count == 1 ? CsvTexts::tr("1 product was written to %2.")
                                : CsvTexts::tr("%1 products were written to %2.").arg(count))
                        .arg(QDir::toNativeSeparators(path)));
}

bool importProductsFromCsv(Session& session, Dialogs& dialogs, FileChooser& chooser) {
    const QString path = chooser.openFile(csvRequest(CsvTexts::tr("Import products from CSV")));
    if (path.isEmpty())
        return false;
    const CsvImportPlan plan = planCsvImportFile(session, path);
    if (plan.refused) {
        report(dialogs, *plan.refused);
        return false;
    }
    const QString planned = plan.summary(CsvImportPlan::Tense::Planned);
    if (plan.additions.isEmpty()) {
        inform(dialogs, planned, CsvTexts::tr("Import products from CSV"));
        return false;
    }
    if (ask(dialogs, planned + QStringLiteral("\n\n") + CsvTexts::tr("Add them to %1?").arg(session.productListPath()),
            CsvTexts::tr("Import products from CSV"), Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return false;
    if (const std::optional<Notice> failed = commitCsvImport(session, plan)) {
        report(dialogs, *failed);
        return false;
    }
    inform(dialogs, plan.summary(CsvImportPlan::Tense::Done), CsvTexts::tr("Import products from CSV"));
    return true;
}

} // namespace pantrex
