// SPDX-License-Identifier: MIT
#pragma once

#include "customlists/customlistchooser.h"
#include "mainwindow/mainwindowfixture.h"
#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/hoverbutton.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>

namespace pantrex::testing {

// The boxes the next steps show, in order: "text" is a message answered with its only button,
// "text=Yes" (No, Cancel) one answered so, "?prompt=reply" an input box answered with reply.
inline void script(ScriptedDialogs& dialogs, const QStringList& steps) {
    for (const QString& step : steps) {
        const qsizetype split = step.lastIndexOf(QLatin1Char('='));
        if (step.startsWith(QLatin1Char('?'))) {
            dialogs.expectInput(step.mid(1, split - 1), step.mid(split + 1));
            continue;
        }
        const QString answer = split < 0 ? QString() : step.mid(split + 1);
        const Dialogs::Answer given = answer == QLatin1String("Yes")      ? Dialogs::Answer::Yes
                                      : answer == QLatin1String("No")     ? Dialogs::Answer::No
                                      : answer == QLatin1String("Cancel") ? Dialogs::Answer::Cancel
                                                                          : Dialogs::Answer::Ok;
        dialogs.expectMessage(given == Dialogs::Answer::Ok ? step : step.left(split), given);
    }
}

inline const QString NeverMind = QStringLiteral("Never Mind");

// A list name as the chooser shows it: all 30 characters.
inline QString name30(const char* name) {
    return QString::fromLatin1(name).leftJustified(30);
}

inline QStringList rowsOf(const QAbstractItemView* view) {
    QStringList rows;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        rows << view->model()->index(row, 0).data().toString();
    return rows;
}

// A list's items as the chooser shows them: 40 characters each, then "Never Mind".
inline QStringList itemRows(const QStringList& items) {
    QStringList rows;
    for (const QString& item : items)
        rows << item.leftJustified(40);
    return rows << NeverMind;
}

// Clicks a row with the mouse, where it shows on the screen.
inline void clickRow(QAbstractItemView* view, int row, Qt::KeyboardModifiers modifiers = {}) {
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, view->visualRect(index).center());
}

// The chooser's controls, found as a user's tools find them: by their names.
inline QListView* listNames(const QWidget* chooser) {
    return chooser->findChild<QListView*>(QStringLiteral("List3"));
}
inline QListView* listItems(const QWidget* chooser) {
    return chooser->findChild<QListView*>(QStringLiteral("List4"));
}
inline HoverButton* proceedButton(const QWidget* chooser) {
    return chooser->findChild<HoverButton*>(QStringLiteral("recdelcmd"));
}

inline void triggerMenu(MainWindow& window, const char* item) {
    control<QMenu>(&window, "recipemenu")->findChild<QAction*>(QLatin1String(item))->trigger();
}

// Opens the chooser with a menu item and clicks the row of the named list.
inline void chooseList(MainWindowFixture& f, const char* item, const QString& list) {
    triggerMenu(*f.window, item);
    QListView* names = listNames(f.window->chooser());
    const int row = int(rowsOf(names).indexOf(list.leftJustified(30)));
    QVERIFY2(row > 0, qPrintable(list));
    clickRow(names, row);
}

inline void selectProducts(ProductView* view, const QList<int>& rows) {
    view->productList()->clearSelection();
    for (const int row : rows)
        view->productList()->selectionModel()->select(view->productList()->model()->index(row, 0),
                                                      QItemSelectionModel::Select);
}

// A main window over a folder holding these custom lists (and shopping list and products, when given).
struct CustomListsFixture : MainWindowFixture {
    CustomListChooser* chooser = nullptr;
    QListView* names = nullptr;
    QListView* items = nullptr;
    HoverButton* proceed = nullptr;
    ShoppingListPanel* list = nullptr;
    // The shopping list's heading as the window opened.
    QString caption;

    void open(const QByteArray& lists, const QByteArray& shopping = {}, const QByteArray& products = {}) {
        folder.write("pantrecp.dat", lists);
        folder.write("grocery.lst", shopping);
        folder.write("grocery.dat", products);
        load();
        chooser = window->chooser();
        names = listNames(chooser);
        items = listItems(chooser);
        proceed = proceedButton(chooser);
        list = window->shoppingList();
        caption = list->captionLabel()->text();
    }

    // The heading the shopping list gives itself: its name and the total shown.
    QString listCaption() const {
        return QStringLiteral("grocery ($") + control<QLineEdit>(window.get(), "tabtxt")->text().trimmed() +
               QStringLiteral(")");
    }
};

} // namespace pantrex::testing
