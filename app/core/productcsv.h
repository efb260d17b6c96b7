// SPDX-License-Identifier: MIT
#pragma once

#include "core/notice.h"
#include "data/records.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

namespace pantrex {

class ProductCatalog;
class Session;

// The open product list as comma-separated values, for spreadsheets and other programs, and back.

// The header and one row per product in file order: name, price as shown ("2.49"), category and
// the two flags as yes or no. UTF-8 with CRLF line ends.
QByteArray productsAsCsv(const ProductCatalog& catalog);

// Writes the open product list as CSV to a file anywhere the user chose, replacing it whole once the
// new content is on disk; nothing when it worked, else what went wrong.
std::optional<Notice> exportProductsCsv(Session& session, const QString& path);

// A line of the file that cannot become a product, and why.
struct CsvRefusal {
    qint64 line = 0;
    QString reason;
};

// What an import of a CSV file would do: the products it adds (in the file's order, made as the
// entry dialog makes them), how many it finds already there, and the lines it refuses. Made first,
// so that the user can be asked; nothing is written until it is committed.
struct CsvImportPlan {
    Q_DECLARE_TR_FUNCTIONS(ProductCsv)

public:
    // A file that cannot be imported at all (unreadable, no name or price column): nothing else holds.
    std::optional<Notice> refused;
    QList<Record> additions;
    qint64 alreadyThere = 0;
    QList<CsvRefusal> refusals;
    // The product file the plan was made against, and its bytes then.
    QString productFile;
    QByteArray basis;

    enum class Tense { Planned, Done };
    // "Added 212 products; 31 were already there; 2 lines were refused (line 14: price "abc" is not
    // a number; line 90: the name is empty)." or, planned, "Would add 212 products; ...".
    QString summary(Tense tense) const;
};

// Plans the import of CSV bytes into the open product list. Names are matched as the merge import
// matches them; a name the file holds twice is added once and counted as already there after that.
CsvImportPlan planCsvImport(Session& session, QByteArrayView csv);
// The same, reading the file at path first.
CsvImportPlan planCsvImportFile(Session& session, const QString& path);

// Adds the planned products in one atomic rewrite of the product file: all of them or, on any
// failure, none. A product file that changed since the plan is left as it is. Tells what shows the
// products once it has written.
std::optional<Notice> commitCsvImport(Session& session, const CsvImportPlan& plan);

} // namespace pantrex
