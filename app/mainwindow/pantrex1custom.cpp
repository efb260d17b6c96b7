// SPDX-License-Identifier: MIT
// The main window's Custom lists menu: the chooser in the shopping list's place and the operations.
#include "pantrex1.h"

#include "core/session.h"
#include "customlists/customlistchooser.h"
#include "customlists/customlistops.h"
#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"

#include <QAction>
#include <QMenu>

namespace pantrex {

void pantrex1::connectCustomLists() {
    CustomListChooser* chooser = m_chooser;
    ShoppingListPanel* list = m_shoppingList;
    chooser->setProductSelection([this] { return m_productView->selectedRecords(); });
    connect(chooser, &CustomListChooser::placeRequested, list, &ShoppingListPanel::showChooser);
    connect(chooser, &CustomListChooser::headingRequested, list, &ShoppingListPanel::showHeading);
    connect(chooser, &CustomListChooser::shoppingListChanged, list, &ShoppingListPanel::reloadShoppingList);

    auto onItem = [this](const char* name, auto handler) {
        if (QAction* item = recipemenu->findChild<QAction*>(QLatin1String(name)))
            connect(item, &QAction::triggered, this, handler);
    };
    using Mode = CustomListChooser::Mode;
    onItem("recmakecmd", [this] { createList(m_chooser->lists(), m_dialogs, m_productView->selectedRecords()); });
    onItem("recaddcmd", [chooser] { chooser->choose(Mode::Add); });
    onItem("receditcmd", [chooser] { chooser->choose(Mode::Remove); });
    onItem("recpreview", [chooser] { chooser->choose(Mode::Preview); });
    onItem("recgetcmd", [chooser] { chooser->choose(Mode::Get); });
    onItem("recdelete", [chooser] { chooser->choose(Mode::Delete); });
    onItem("saveshopcmd", [this] { saveShoppingList(m_chooser->lists(), m_dialogs); });
}

void pantrex1::leavecustommode() {
    m_chooser->leaveCustomMode();
}

} // namespace pantrex
