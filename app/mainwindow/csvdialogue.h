// SPDX-License-Identifier: MIT
#pragma once

namespace pantrex {

class Dialogs;
class FileChooser;
class Session;

// The open product list out to a CSV file and products back in from one, as the Import/export
// menu talks them through with the user.

// Asks where to save and writes the products there.
void exportProductsAsCsv(Session& session, Dialogs& dialogs, FileChooser& chooser);

// Asks for a CSV file, shows what importing it would do and asks before adding the products; tells
// how it went. True when products were added.
bool importProductsFromCsv(Session& session, Dialogs& dialogs, FileChooser& chooser);

} // namespace pantrex
