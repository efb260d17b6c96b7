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
class Session;

// The left half of the main window: the category list, the product search, and the product list
// with its price and selection labels and the product buttons.
class ProductView : public QWidget {
    Q_OBJECT

public:
    ProductView(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

    // Rebuilds m_productList and its row table from the product file, through the four filters.
    void fillProductList();
    // Rebuilds the category list and the category table from the product file.
    void fillCategoryList();
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

    // m_productList's rows: the number shown, the current row (-1 for none) and the selected rows in order.
    int rowCount() const;
    int currentRow() const;
    QList<int> selectedRows() const;
    // The record numbers in the product file of the selected rows, in row order; of a row (0 for
    // none); of every row shown, in row order.
    QList<qint64> selectedRecords() const;
    qint64 recordAt(int row) const;
    const QList<qint32>& rowRecords() const { return m_rowRecords; }
    // The current product and category to show again after the next rebuild.
    void rememberRows();
    // The next rebuild shows every category.
    void showAllCategories();
    void setCurrentRow(int row);
    // What a click on m_productList shows: the current product's price and the number selected.
    void showCurrentSelection();
    // The current product's price field as stored; no current product hides the label.
    void showCurrentPrice();

    // The controls, for the main window's hint line, keys and printouts.
    QListWidget* categoryList() const { return m_categoryList; }
    QLineEdit* searchEdit() const { return m_searchEdit; }
    HoverButton* clearSearchButton() const { return m_clearSearchButton; }
    HoverButton* allButton() const { return m_allButton; }
    QGroupBox* productFrame() const { return m_productFrame; }
    QListView* productList() const { return m_productList; }
    QLabel* priceLabel() const { return m_priceLabel; }
    QLabel* selectedLabel() const { return m_selectedLabel; }
    HoverButton* newButton() const { return m_newButton; }
    HoverButton* editButton() const { return m_editButton; }
    HoverButton* deleteButton() const { return m_deleteButton; }
    HoverButton* printButton() const { return m_printButton; }

Q_SIGNALS:
    // A double-click on a product: put it on the shopping list.
    void productDoubleClicked();
    // The view was rebuilt; hasRows tells whether it shows any product.
    void rowsShown(bool hasRows);
    // A category was chosen in the category list (as shown, in the code page).
    void categoryChosen(const QByteArray& category);

private:
    QWidget* buildCategoryPanel();
    QWidget* buildSearchPanel();
    QWidget* buildProductPanel();
    void chooseCategory();
    void showAllProducts();
    void searchChanged();
    void showRows();

    Session& m_session;
    Dialogs& m_dialogs;
    QListWidget* m_categoryList;
    QLineEdit* m_searchEdit;
    HoverButton* m_clearSearchButton;
    HoverButton* m_allButton;
    QGroupBox* m_productFrame;
    QListView* m_productList;
    QLabel* m_priceLabel;
    QLabel* m_selectedLabel;
    HoverButton* m_newButton;
    HoverButton* m_editButton;
    HoverButton* m_deleteButton;
    HoverButton* m_printButton;
    // The category shown: "ALL" or a category in upper case; the diet filters.
    QString m_categoryFilter;
    bool m_noHighFat = false;
    bool m_noHighCarb = false;
    // The record number of each row: a row's name and price are its record's.
    QList<qint32> m_rowRecords;
    // The distinct categories, in the order of the category list after "All".
    QList<QByteArray> m_categories;
    bool m_fillingCategories = false;
    // Rows of the product and category lists to reselect after a rebuild (-1 or 0: none / "All").
    int m_productRowToShow = 0;
    int m_categoryRowToShow = 0;
    RowTextModel* m_rows;
    // The product file as it was when the rows were built.
    FileStamp m_shownFrom;
};

} // namespace pantrex
