#include "productview.h"

#include "data/ansitext.h"
#include "mainwindow/pantmod.h"
#include "platform/hoverbutton.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace pantrex {

namespace {

// A label whose text is its accessible name, described for screen readers by its role.
QLabel* makeInfoLabel(const QString& objectName, const QString& description, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setAccessibleDescription(description);
    return label;
}

} // namespace

ProductView::ProductView(PANTMOD& pantmod, QWidget* parent) : QWidget(parent), m_pantmod(pantmod) {
    auto* left = new QVBoxLayout;
    left->addWidget(buildCategoryPanel(), 1);
    left->addWidget(buildSearchPanel());

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left, 2);
    layout->addWidget(buildProductPanel(), 3);
}

QWidget* ProductView::buildCategoryPanel() {
    auto* panel = new QGroupBox(QStringLiteral("Category"), this);
    panel->setObjectName(QStringLiteral("categorypanel"));
    Combo1 = new QListWidget(panel);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setAccessibleName(QStringLiteral("Category"));
    Combo1->addItem(QStringLiteral("All"));
    Combo1->setCurrentRow(0);
    allcmd = new HoverButton(QStringLiteral("allcmd"), QStringLiteral("ALL"), panel);
    allcmd->setEnabled(false);

    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(Combo1, 1);
    layout->addWidget(allcmd);
    return panel;
}

QWidget* ProductView::buildSearchPanel() {
    auto* panel = new QGroupBox(QStringLiteral("Product Search"), this);
    panel->setObjectName(QStringLiteral("searchpanel"));
    searchtxt = new QLineEdit(panel);
    searchtxt->setObjectName(QStringLiteral("searchtxt"));
    searchtxt->setAccessibleName(QStringLiteral("Product Search"));
    searchtxt->setMaxLength(30);
    clearsrchcmd = new HoverButton(QStringLiteral("clearsrchcmd"), QStringLiteral("Clear"), panel);

    auto* layout = new QHBoxLayout(panel);
    layout->addWidget(searchtxt, 1);
    layout->addWidget(clearsrchcmd);
    return panel;
}

QWidget* ProductView::buildProductPanel() {
    productlist = new QGroupBox(QStringLiteral("Product List"), this);
    productlist->setObjectName(QStringLiteral("productlist"));
    List1 = new QListWidget(productlist);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Products"));
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The labels sit in a row of their own: a screen reader would otherwise name an empty label
    // after the panel around it.
    auto* labelRow = new QWidget(productlist);
    pricelbl = makeInfoLabel(QStringLiteral("pricelbl"), QStringLiteral("Price of selected product"), labelRow);
    selectedlbl = makeInfoLabel(QStringLiteral("selectedlbl"), QStringLiteral("Selected products"), labelRow);

    addfoodcmd = new HoverButton(QStringLiteral("addfoodcmd"), QStringLiteral("&New"), productlist);
    editfoodcmd = new HoverButton(QStringLiteral("editfoodcmd"), QStringLiteral("&Edit"), productlist);
    delfoodcmd = new HoverButton(QStringLiteral("delfoodcmd"), QStringLiteral("&Delete"), productlist);
    printmastercmd = new HoverButton(QStringLiteral("printmastercmd"), QStringLiteral("&Print"), productlist);
    printmastercmd->setAccessibleName(QStringLiteral("Print product list"));
    // Until the view holds rows there is nothing to change, delete or add to the list.
    editfoodcmd->setEnabled(false);
    delfoodcmd->setEnabled(false);

    auto* labels = new QHBoxLayout(labelRow);
    labels->setContentsMargins(0, 0, 0, 0);
    labels->addWidget(pricelbl);
    labels->addStretch(1);
    labels->addWidget(selectedlbl);

    auto* buttons = new QGridLayout;
    buttons->addWidget(addfoodcmd, 0, 0);
    buttons->addWidget(editfoodcmd, 0, 1);
    buttons->addWidget(delfoodcmd, 1, 0);
    buttons->addWidget(printmastercmd, 1, 1);

    auto* layout = new QVBoxLayout(productlist);
    layout->addWidget(List1, 1);
    layout->addWidget(labelRow);
    layout->addLayout(buttons);
    return productlist;
}

void ProductView::fillproductlist() {
    // The filtered, sorted view is built by the product view's own procedures (still to come).
}

void ProductView::fillcatlist() {
    // The category list is built by the product view's own procedures (still to come).
}

void ProductView::showCurrentPrice() {
    const int row = List1->currentRow();
    if (row < 0 || row >= m_pantmod.recmap.size()) {
        pricelbl->hide();
        return;
    }
    RecordFile* products = m_pantmod.files.file(ProductChannel);
    const Record record = products ? products->read(m_pantmod.recmap[row]) : Record(ProductRecord::Length);
    pricelbl->setText(fromAnsi(record.raw(ProductRecord::Price)));
    pricelbl->show();
}

} // namespace pantrex
