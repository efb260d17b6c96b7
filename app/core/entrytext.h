// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pantrex {

// Rules for what the user types into the product entry dialog and its questions.

// Capitalises typed names: the first character and every character after a blank are made
// capitals, all others are left as typed. "low fat MILK" gives "Low Fat MILK". A capital that
// the data files could not store (outside Windows-1252) is not used: the character stays.
QString capwords(const QString& text);

// Removes blanks (and only blanks) from both ends, as the data files' fields are trimmed.
QString trimBlanks(const QString& text);

// A price as typed is accepted when it holds nothing but digits, blanks and at most one ".".
bool priceEntryAccepted(const QString& entry);
// An accepted price in the display pattern "###.00": "5" gives "5.00", ".5" gives ".50",
// "0" gives ".00", " 12 " gives "12.00".
QString formatPriceEntry(const QString& entry);

// A quantity for the shopping list is a number when it is an accepted price entry that holds at
// least one digit: "2", "1.5" and " 3 " are, "abc", "-2", "2kg" and "." are not.
bool quantityIsNumber(const QString& answer);

} // namespace pantrex
