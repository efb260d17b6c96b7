// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pantrex {

class Dialogs;
class LinePrinter;

// Prints the notes on a page of their own under a title and the date: the text as stored, line
// breaks and trailing blanks included. True when the printout went to the printer.
bool printNotes(Dialogs& dialogs, LinePrinter& printer, const QString& storedText);

} // namespace pantrex
