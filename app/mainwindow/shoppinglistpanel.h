#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QStackedLayout;

namespace pantrex {

class HoverButton;
struct PANTMOD;

// The right half of the main window: the open shopping list with its caption, the selected line's
// cost and the running total, and the buttons that move products on and off the list. The custom
// list chooser takes the list's place while it is in use.
class ShoppingListPanel : public QWidget {
    Q_OBJECT

public:
    ShoppingListPanel(PANTMOD& pantmod, QWidget* parent = nullptr);

    // Reloads list2, its row tables, the total and the caption from the shopping list file.
    void fillshoplist();
    // Shows an empty list: no rows, no cost, no total, buttons that need rows disabled.
    void showEmptyList();
    // Sets the caption to the list's base name and the trimmed total, and remembers it.
    void setCaptionFromTotal();
    // The current row's formatted cost in costlbl, when there is a current row.
    void showCurrentCost();

    // Puts the chooser in the list's place (true) or the list back (false).
    void setChooser(QWidget* chooser);
    void showChooser(bool shown);

    QGroupBox* shoppinglist;
    QLabel* listlbl;
    QListWidget* list2;
    QLabel* costlbl;
    QLineEdit* tabtxt;
    HoverButton* foodoncmd;
    HoverButton* foodoffcmd;
    HoverButton* clearlistcmd;
    HoverButton* printlistcmd;

private:
    PANTMOD& m_pantmod;
    QStackedLayout* m_stack = nullptr;
    QWidget* m_chooser = nullptr;
};

} // namespace pantrex
