// SPDX-License-Identifier: MIT
#pragma once

#include "data/filestamp.h"
#include "data/records.h"

#include <QList>
#include <QWidget>

#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QStackedLayout;

namespace pantrex {

class Dialogs;
class HoverButton;
class ProductView;
class RowTextModel;
struct PANTMOD;

// The right half of the main window: the open shopping list with its caption, the selected line's
// cost and the running total, and the buttons that move products on and off the list. The custom
// list chooser takes the list's place while it is in use.
class ShoppingListPanel : public QWidget {
    Q_OBJECT

public:
    ShoppingListPanel(PANTMOD& pantmod, Dialogs& dialogs, const ProductView& products, QWidget* parent = nullptr);

    // Reloads list2, its row tables, the total and the caption from the shopping list file.
    void fillshoplist();
    // Shows an empty list: no rows, no cost, no total, buttons that need rows disabled.
    void showEmptyList();
    // Sets the caption to the list's base name and the trimmed total, and remembers it.
    void setCaptionFromTotal();
    // The current row's formatted cost in costlbl, when there is a current row.
    void list2Click();

    // The add operation: the selected products go on the list (or, from a double-click on a
    // shopping row, that row is changed). How it was started is in PANTMOD's addmode.
    void foodoncmdClick();
    // Removes the current row's item; erases the whole list after asking.
    void foodoffcmdClick();
    void clearlistcmdClick();
    // Remembers what the print dialog prints.
    void printlistcmdClick();

    // Whether the rows still stand for the records of the shopping list file.
    bool listAsShown() const;

    int rowCount() const;
    int currentRow() const;
    void setCurrentRow(int row);

    // Puts the chooser in the list's place (true) or the list back (false).
    void setChooser(QWidget* chooser);
    void showChooser(bool shown);

    QGroupBox* shoppinglist;
    QLabel* listlbl;
    QListView* list2;
    QLabel* costlbl;
    QLineEdit* tabtxt;
    HoverButton* foodoncmd;
    HoverButton* foodoffcmd;
    HoverButton* clearlistcmd;
    HoverButton* printlistcmd;

Q_SIGNALS:
    // An operation found this file changed by another program since the lists were shown, and
    // wrote nothing.
    void changedUnderneath(const QString& fileName);

private:
    void clearRowTables();
    void showTotalAndButtons();
    // Tells the window, when the file is no longer as shown, and returns false.
    bool stillAsShown();
    bool productsAndListAsShown();
    std::optional<QList<Record>> linesForSelection(const QByteArray& quantity);
    void modifyRow();
    void refuseCost(const QByteArray& item, double cost, const QString& consequence, const QString& title);
    bool replaceList(const QList<Record>& records);
    void reportFileError(const QString& error);

    PANTMOD& m_pantmod;
    Dialogs& m_dialogs;
    const ProductView& m_products;
    RowTextModel* m_rows;
    QStackedLayout* m_stack = nullptr;
    QWidget* m_chooser = nullptr;
    // The shopping list file as it was when the rows were built, and its records then.
    FileStamp m_shownFrom;
    QList<Record> m_shownRecords;
    QString m_shownTotal;
};

} // namespace pantrex
