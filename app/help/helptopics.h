// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace pantrex {

class Dialogs;
class LinePrinter;

// What the help window shows.
enum class HelpTopic { Program, ImportExport, CustomLists };

// The rows of a help topic.
QStringList helpTopicRows(HelpTopic topic);

// Prints a topic: three empty lines, then its rows one a line, in the printer's current font.
// True when the printout went to the printer.
bool printHelpTopic(Dialogs& dialogs, LinePrinter& printer, const QStringList& rows);

} // namespace pantrex
