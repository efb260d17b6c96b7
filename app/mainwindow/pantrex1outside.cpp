// SPDX-License-Identifier: MIT
// The main window when another program changes its files while they are shown (a sync tool, a second
// copy of Pantrex, the user's file manager): the operation that notices writes nothing, the window
// shows the files as they are now, and the user is told.
#include "pantrex1.h"

#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/dialogs.h"

namespace pantrex {

void pantrex1::connectOutsideChanges() {
    connect(m_shoppingList, &ShoppingListPanel::changedUnderneath, this, &pantrex1::reloadAfterOutsideChange);
}

void pantrex1::reloadAfterOutsideChange(const QString& fileName) {
    m_productView->reload();
    m_shoppingList->reloadShoppingList();
    Dialogs::Message box;
    box.text = tr("%1 was changed by another program.  Nothing was changed here; the lists have been "
                  "reloaded, so please look them over and try again.")
                   .arg(fileName);
    box.icon = Dialogs::Icon::Exclamation;
    m_dialogs.message(box);
}

} // namespace pantrex
