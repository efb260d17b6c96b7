// SPDX-License-Identifier: MIT
#pragma once

#include "core/customlists.h"

#include <QByteArray>
#include <QList>
#include <QWidget>

#include <functional>

class QListView;
class QStackedLayout;

namespace pantrex {

class Dialogs;
class HoverButton;
class RowTextModel;
class Session;

// The custom list chooser: the stored list names (List3), a chosen list's items (List4) and the
// button that acts on the selected items (recdelcmd). It takes the shopping list's place while a
// custom-list command runs, and borrows its heading.
class CustomListChooser : public QWidget {
    Q_OBJECT

public:
    // What the chooser is choosing a list for.
    enum class Mode { None, Delete, Preview, Add, Remove, Get };

    CustomListChooser(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

    // Where the products to add to a list come from: their record numbers, in row order.
    void setProductSelection(std::function<QList<qint64>()> selection);

    // A chooser command of the Custom lists menu: sets the mode and shows the list names.
    void choose(Mode mode);
    // Shows the items of the named list (as stored) for the mode's work on them.
    void showListItems(const QByteArray& listName);
    // Ends custom-list mode, as when another shopping list is opened or created.
    void leaveCustomMode();

    // The custom lists, for the commands that work on them without the chooser.
    CustomLists& lists() { return m_lists; }

    QListView* listNamesView() const { return m_listNamesView; }
    QListView* itemsView() const { return m_itemsView; }
    HoverButton* proceedButton() const { return m_proceedButton; }

Q_SIGNALS:
    // Take the shopping list's place (true) or give it back (false).
    void placeRequested(bool shown);
    // The caption the shopping list's heading is to show (empty: the list's own caption again).
    void headingRequested(const QString& caption);
    // Items went onto the shopping list: it is to be reloaded.
    void shoppingListChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Page { Closed, Names, Items };

    void showListNames();
    void fillItems();
    void closeChooser();
    void listNameClicked(int row);
    void itemClicked(int row);
    void proceed();
    void showPage(Page page);
    void showInstructions(const QString& verb);
    void forgetItems();
    QList<ListItem> chosenItems() const;
    bool rowKey(QListView* list, int key, Qt::KeyboardModifiers modifiers);

    Session& m_session;
    Dialogs& m_dialogs;
    CustomLists m_lists;
    std::function<QList<qint64>()> m_productSelection;
    QListView* m_listNamesView;
    QListView* m_itemsView;
    HoverButton* m_proceedButton;
    RowTextModel* m_nameRows;
    RowTextModel* m_itemRows;
    QStackedLayout* m_pages;
    QWidget* m_itemsPage;
    Page m_page = Page::Closed;
    Mode m_mode = Mode::None;
    // The list the last click chose, as stored (all 30 bytes, zero bytes as blanks).
    QByteArray m_chosenList;
    // The distinct list names behind the List3 rows: name i is the row after the prompt row.
    QList<QByteArray> m_listNames;
    // The chosen list's records behind the List4 rows, as they were read.
    QList<ListItem> m_items;
};

} // namespace pantrex
