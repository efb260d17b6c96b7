// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

namespace pantrex {

class Dialogs;
class LinePrinter;
class ProductCatalog;

// Prints the products the product view shows (the records of its rows, in its order), after
// asking. categoryText is the category chooser's text ("All" or a category). True when the
// printout went to the printer.
bool printProductList(const ProductCatalog& catalog, const QList<qint32>& rows, Dialogs& dialogs, LinePrinter& printer,
                      const QString& categoryText);

} // namespace pantrex
