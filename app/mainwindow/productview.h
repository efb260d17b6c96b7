// SPDX-License-Identifier: MIT
#pragma once

#include "data/filestamp.h"

#include <QList>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;

namespace pantrex {

class Dialogs;
class HoverButton;
class RowTextModel;
struct PANTMOD;

// The left half of the main window: the category list, the product search, and the product list
// with its price and selection labels and the product buttons.
class ProductView : public QWidget {
    Q_OBJECT

public:
    ProductView(PANTMOD& pantmod, Dialogs& dialogs, QWidget* parent = nullptr);

    // Rebuilds List1 and its row table from the product file, through the four filters.
    void fillproductlist();
    // Rebuilds Combo1 and the category table from the product file.
    void fillcatlist();
    // Shows no products at all.
    void emptyList();
    // Whether the rows still stand for the records they were built from: the product file has not
    // changed since, neither by this program nor by another.
    bool rowsAreCurrent() const;
    // Builds the view and the category list again from the file as it is now.
    void reload();

    // The filters of the Filters menu; each returns whether its filter is now on.
    bool toggleFatFilter();
    bool toggleCarbFilter();

    // List1's rows: the number shown, the current row (-1 for none) and the selected rows in order.
    int rowCount() const;
    int currentRow() const;
    QList<int> selectedRows() const;
    void setCurrentRow(int row);
    // What a click on List1 shows: the current product's price and the number selected.
    void List1Click();
    // The current product's price field as stored; no current product hides the label.
    void showCurrentPrice();

    QListWidget* Combo1;
    QLineEdit* searchtxt;
    HoverButton* clearsrchcmd;
    HoverButton* allcmd;
    QGroupBox* productlist;
    QListView* List1;
    QLabel* pricelbl;
    QLabel* selectedlbl;
    HoverButton* addfoodcmd;
    HoverButton* editfoodcmd;
    HoverButton* delfoodcmd;
    HoverButton* printmastercmd;

Q_SIGNALS:
    // A double-click on a product: put it on the shopping list.
    void productDoubleClicked();
    // The view was rebuilt; hasRows tells whether it shows any product.
    void rowsShown(bool hasRows);
    // A category was chosen in Combo1 (as shown, in the code page).
    void categoryChosen(const QByteArray& category);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildCategoryPanel();
    QWidget* buildSearchPanel();
    QWidget* buildProductPanel();
    void Combo1Click();
    void allcmdClick();
    void searchChanged();
    void showRows();

    PANTMOD& m_pantmod;
    Dialogs& m_dialogs;
    RowTextModel* m_rows;
    // The product file as it was when the rows were built.
    FileStamp m_shownFrom;
};

} // namespace pantrex
