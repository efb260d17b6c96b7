// SPDX-License-Identifier: MIT
#pragma once

class QAction;

namespace pantrex {

class Dialogs;
class Session;

// Carrying products between two installations, as the File menu's Export and Import talk it
// through with the user.

// Copies the open product list to its merge file, asks whether to move that file to the diskette
// drive (the folder named by PANTREX_DRIVE_A; the drive is never ready without one) and does so,
// asking again while the drive is not ready. The product list is open on channel 1 again
// afterwards, whatever happened.
void exportProducts(Session& session, Dialogs& dialogs);

// Asks, imports the products of the merge file and tells how it went. importAction is disabled as
// soon as there is no merge file left to import. True when products were added.
bool importProducts(Session& session, Dialogs& dialogs, QAction& importAction);

} // namespace pantrex
