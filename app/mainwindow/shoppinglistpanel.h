// SPDX-License-Identifier: MIT
#pragma once

#include "core/shoppinglist.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QStackedLayout;

namespace pantrex {

class Dialogs;
class HoverButton;
class ProductView;
class Session;
class RowTextModel;

// The right half of the main window: the open shopping list with its caption, the selected line's
// cost and the running total, and the buttons that move products on and off the list. The custom
// list chooser takes the list's place while it is in use. The rows are the session's ShoppingList;
// the panel asks the user's questions and shows what the operations answer.
class ShoppingListPanel : public QWidget {
    Q_OBJECT

public:
    ShoppingListPanel(Session& session, Dialogs& dialogs, const ProductView& products, QWidget* parent = nullptr);

    // Shows the shopping list file as it is now: its rows, the total and the caption.
    void reloadShoppingList();
    // Shows an empty list: no rows, no cost, no total, buttons that need rows disabled.
    void showEmptyList();
    // Gives the list the caption of its name and the total shown.
    void setCaptionFromTotal();
    // Gives the list its caption, the one the heading goes back to after others borrowed it.
    void setCaption(const QString& caption);
    // Borrows the heading for another text; an empty one gives the list's own caption back.
    void showHeading(const QString& heading);

    // The selected products go on the list once each (the Add button, F2), or after asking for
    // a quantity (a double-click on a product).
    void addSelectedProducts();
    void addSelectedProductsAskingQuantity();

    // The current row's cost beside the total, when there is a current row.
    void showCurrentCost();

    int rowCount() const;
    int currentRow() const;
    void setCurrentRow(int row);

    // Puts the chooser in the list's place (true) or the list back (false).
    void setChooser(QWidget* chooser);
    void showChooser(bool shown);

    // The controls the main window gives hints for.
    HoverButton* addButton() const { return m_addButton; }
    HoverButton* removeButton() const { return m_removeButton; }
    HoverButton* eraseButton() const { return m_eraseButton; }
    HoverButton* printButton() const { return m_printButton; }
    QGroupBox* frame() const { return m_frame; }
    QListView* rowsView() const { return m_rowsView; }
    QLabel* costLabel() const { return m_costLabel; }
    QLabel* captionLabel() const { return m_captionLabel; }

Q_SIGNALS:
    // An operation found this file changed by another program since the lists were shown, and
    // wrote nothing.
    void changedUnderneath(const QString& fileName);

private:
    // How an add was started: which rows it works on, and whether it asks for a quantity.
    enum class AddMode { Once, AskQuantity, ChangeRow };

    void buildControls();
    void buildLayout();
    void showRows();
    void showTotalOfChange();
    void showTotalAndButtons();
    void add(AddMode mode);
    void changeRow();
    void removeRow();
    void eraseList();
    // Shows what an operation came to; false when it wrote nothing.
    bool tell(const ShoppingListResult& result);
    // Tells the window, when the file is no longer as shown, and returns false.
    bool stillAsShown();
    bool productsAndListAsShown();

    Session& m_session;
    Dialogs& m_dialogs;
    const ProductView& m_products;
    ShoppingList& m_list;
    QString m_caption;

    QGroupBox* m_frame = nullptr;
    QLabel* m_captionLabel = nullptr;
    QListView* m_rowsView = nullptr;
    RowTextModel* m_rows = nullptr;
    QLabel* m_costLabel = nullptr;
    QLineEdit* m_totalBox = nullptr;
    HoverButton* m_addButton = nullptr;
    HoverButton* m_removeButton = nullptr;
    HoverButton* m_eraseButton = nullptr;
    HoverButton* m_printButton = nullptr;
    QWidget* m_footer = nullptr;
    QStackedLayout* m_stack = nullptr;
    QWidget* m_chooser = nullptr;
};

} // namespace pantrex
