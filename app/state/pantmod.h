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

    // The shopping list's rows in display order: item text (40 characters), category, formatted
    // line cost, record number in the shopping list file and quantity prefix.
    QList<QByteArray> shopnames;
    QList<QByteArray> shopcats;
    QList<QByteArray> shopcosts;
    QList<qint64> shoprecnos;
    QList<QByteArray> shopprefix;
    // What the print dialog prints: the number of shopping list rows and the running total.
    int printrows = 0;
    QString printtotal;
    int printdone = 0; // 1 once a shopping list printout has been started in this run

    // The last caption given to the shopping list heading, restored after others borrow it.
    QString savedcaption;
    bool searchfocus = false; // set while the search box has (or was clicked into) the focus
    QString addmode;          // "", "1" (product double-click) or "2" (shopping row double-click)
};

} // namespace pantrex
