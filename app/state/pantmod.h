// SPDX-License-Identifier: MIT
#pragma once

#include "core/session.h"
#include "data/numbertext.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace pantrex {

// What the custom list chooser is choosing a list for.
enum class CustomMode { None, Delete, Preview, Add, Remove, Get };

// The values every window of the program shares for the whole run: the open files and their
// counts, the filters, the mode flags and the tables that tie list rows to records. main() owns
// one; each window gets a reference. Row tables are indexed by list row position (row 0 first).
struct PANTMOD {
    explicit PANTMOD(const QString& workingFolder) : session(workingFolder) {}

    // The open session the windows share.
    Session session;

    int loaded = 0;      // 1 once the first load of the main window has finished
    int newlistflag = 0; // 1 after a new list was created, until the next activation
    int addflag = 0;     // 1 while the product entry dialog adds a product
    int editflag = 0;    // 1 while the product entry dialog changes a product

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
    // The distinct categories, and the category last chosen in Combo1 as shown.
    QList<QByteArray> cattable;
    QByteArray curcategory;

    // The record number of the product the entry dialog is changing.
    qint64 editrecno = 0;

    int hoverflag = 0;        // 1 while some button has the hover look
    bool searchfocus = false; // set while the search box has (or was clicked into) the focus
    int helptopic = 1;        // 1 program help, 2 import/export help, 3 custom lists help

    // What the custom list chooser is choosing for.
    CustomMode custommode = CustomMode::None;
    // The text of the list row clicked last, in the code page: a list name as shown (all 30 bytes,
    // any zero bytes as blanks) or "Never Mind".
    QByteArray chosenlist;
    // The chooser's rows: the distinct list names while a list is chosen (name i is the row after
    // the prompt row), then the chosen list's item texts (40 bytes each) in row order, with the
    // record number in "pantrecp.dat" behind each item row.
    QList<QByteArray> choosertext;
    QList<qint64> itemrecnos;
};

} // namespace pantrex
