// SPDX-License-Identifier: MIT
#pragma once

#include "core/notice.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>

namespace pantrex {

class ProductCatalog;
class Session;

// The names of a product list as an import matches them: without surrounding blanks, ignoring case.
class ProductNames {
public:
    // The catalogue's names, with room for more to be taken in.
    explicit ProductNames(const ProductCatalog& catalog, qsizetype more = 0);
    // Takes a name in (as stored, or as it would be stored): false when the list holds it already.
    bool takeNew(QByteArrayView name);

private:
    QSet<QByteArray> m_names;
};

// Carrying products between two installations: the open product list is exported to its merge
// file (its base name followed by ".mrg"), and a merge file placed beside it is imported.

// Copies the open product list to its merge file, with the product list's channel closed; open it
// again with reopenProductList() afterwards, whatever happened. A file error comes back on failure.
Notices exportToMergeFile(Session& session);
// Moves the merge file to the diskette drive (the folder driveFolder; empty when the machine has
// none). False when the drive is not ready: not there, not writable or full.
bool moveMergeFileToDrive(Session& session, const QString& driveFolder);
Notices reopenProductList(Session& session);

struct ImportResult {
    enum class Outcome {
        NotFound, // no merge file, or one without a whole record: nothing was changed
        Imported, // every product of the merge file was looked at
        Stopped,  // a file could not be read or written: see error and added
    };
    Outcome outcome = Outcome::NotFound;
    // Products appended to the product list.
    qint64 added = 0;
    // Records of the merge file that were passed over because they name no product.
    qint64 leftOut = 0;
    // True once the merge file has been kept as "grocery.old" and removed.
    bool mergeFileGone = false;
    // What went wrong, in the file layer's words; with Imported, what went wrong after the products
    // were added (keeping the merge file).
    QString error;
};

// Appends to the open product list, in the merge file's order, every product of the merge file
// whose name (without surrounding blanks, ignoring case) the list does not hold yet; a name the
// merge file holds twice is added once. Existing products are never changed. Afterwards the merge
// file is kept as "grocery.old" and removed. When a write fails midway, every product written so
// far stays whole, the rest is not written and the merge file stays.
ImportResult importMergeFile(Session& session);

} // namespace pantrex
