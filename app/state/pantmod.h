// SPDX-License-Identifier: MIT
#pragma once

#include "core/session.h"
#include "data/numbertext.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace pantrex {

// The values every window of the program shares for the whole run: the open files and their
// counts, the filters, the mode flags and the tables that tie list rows to records. main() owns
// one; each window gets a reference. Row tables are indexed by list row position (row 0 first).
struct PANTMOD {
    explicit PANTMOD(const QString& workingFolder) : session(workingFolder) {}

    // The open session the windows share.
    Session session;

    // Product view filters: "ALL" or a category in upper case; "1" or empty.
    QString catfilter;
    QString fatfilter;
    QString carbfilter;

    // The product view's rows: the record number of each row. A row's name and price are its
    // record's, so they are read from the catalog rather than kept twice.
    QList<qint64> recmap;
    QByteArray prodname(int row) const { return session.catalog().name(recmap.at(row)).toByteArray(); }
    QByteArray prodprice(int row) const { return formatMoney(session.catalog().price(recmap.at(row))); }
    // Rows of List1 and Combo1 to reselect after a rebuild (-1 or 0: none / "All").
    int prodrow = 0;
    int catrow = 0;
    int catfilling = 0;
    // The distinct categories.
    QList<QByteArray> cattable;

    bool searchfocus = false; // set while the search box has (or was clicked into) the focus
};

} // namespace pantrex
