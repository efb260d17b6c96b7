// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace pantrex {

class Dialogs;
class LinePrinter;

// The rows of a help topic: 2 import and export, 3 custom lists, anything else the program help.
QStringList helpTopicRows(int topic);

// Prints a topic: three empty lines, then its rows one a line, in the printer's current font.
// True when the printout went to the printer.
bool printHelpTopic(Dialogs& dialogs, LinePrinter& printer, const QStringList& rows);

} // namespace pantrex
