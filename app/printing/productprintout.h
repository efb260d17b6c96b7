// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pantrex {

class Dialogs;
class LinePrinter;
struct PANTMOD;

// Prints the products the product view shows, in its order, after asking. categoryText is the
// category chooser's text ("All" or a category). True when the printout went to the printer.
bool printProductList(PANTMOD& pantmod, Dialogs& dialogs, LinePrinter& printer, const QString& categoryText);

} // namespace pantrex
