#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace pantrex {

class HoverButton;
struct PANTMOD;

// The left half of the main window: the category list, the product search, and the product list
// with its price and selection labels and the product buttons.
class ProductView : public QWidget {
    Q_OBJECT

public:
    ProductView(PANTMOD& pantmod, QWidget* parent = nullptr);

    // Rebuilds List1 and its row tables from the product file.
    void fillproductlist();
    // Rebuilds Combo1 and the category table from the product file.
    void fillcatlist();
    // The price field of the current row's product, as stored; hides pricelbl without a row.
    void showCurrentPrice();

    QListWidget* Combo1;
    QLineEdit* searchtxt;
    HoverButton* clearsrchcmd;
    HoverButton* allcmd;
    QGroupBox* productlist;
    QListWidget* List1;
    QLabel* pricelbl;
    QLabel* selectedlbl;
    HoverButton* addfoodcmd;
    HoverButton* editfoodcmd;
    HoverButton* delfoodcmd;
    HoverButton* printmastercmd;

private:
    QWidget* buildCategoryPanel();
    QWidget* buildSearchPanel();
    QWidget* buildProductPanel();

    PANTMOD& m_pantmod;
};

} // namespace pantrex
