// SPDX-License-Identifier: MIT
#pragma once

#include "customlists/customlistcatalog.h"

#include <QList>
#include <QWidget>

#include <functional>

class QListView;
class QStackedLayout;

namespace pantrex {

class Dialogs;
class HoverButton;
class RowTextModel;
enum class CustomMode;
struct PANTMOD;

// The custom list chooser: the stored list names (List3), a chosen list's items (List4) and the
// button that acts on the selected items (recdelcmd). It takes the shopping list's place while a
// custom-list command runs, and borrows its heading.
class CustomListChooser : public QWidget {
    Q_OBJECT

public:
    CustomListChooser(PANTMOD& pantmod, Dialogs& dialogs, QWidget* parent = nullptr);

    // Where the products to add to a list come from: their record numbers, in row order.
    void setProductSelection(std::function<QList<qint64>()> selection);

    // A chooser command of the Custom lists menu: sets the mode and shows the list names.
    void choose(CustomMode mode);
    // Fills List3 with the prompt row of the mode, the distinct list names and "Never Mind".
    void showlistnames();
    // Fills List4 with the items of chosenlist and "Never Mind".
    void showlistitems();
    // Gives the shopping list its place and heading back.
    void closechooser();
    // Ends custom-list mode, as when another shopping list is opened or created.
    void leavecustommode();

    // What a click (or Enter or Space) on a row does.
    void List3Click(int row);
    void List4Click(int row);
    void recdelcmdClick();

    // The lists as last read, for the operations that show and check names.
    CustomListCatalog& catalog() { return m_catalog; }

    bool choosingList() const { return m_page == Page::Names; }
    bool choosingItems() const { return m_page == Page::Items; }

    QListView* List3;
    QListView* List4;
    HoverButton* recdelcmd;

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

    void showPage(Page page);
    void showInstructions(const QString& verb);
    void forgetItems();
    QList<ListItem> chosenItems() const;
    bool rowKey(QListView* list, int key, Qt::KeyboardModifiers modifiers);

    PANTMOD& m_pantmod;
    Dialogs& m_dialogs;
    std::function<QList<qint64>()> m_productSelection;
    RowTextModel* m_names;
    RowTextModel* m_itemRows;
    QStackedLayout* m_pages;
    QWidget* m_itemsPage;
    Page m_page = Page::Closed;
    CustomListCatalog m_catalog;
    // The chosen list's records behind the List4 rows, as they were read.
    QList<ListItem> m_items;
};

} // namespace pantrex
