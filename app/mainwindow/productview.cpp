// SPDX-License-Identifier: MIT
#include "productview.h"

#include "core/session.h"
#include "data/ansitext.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "platform/rowtextmodel.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QVBoxLayout>

#include <utility>

namespace pantrex {

namespace {

const QString All = QStringLiteral("ALL");

// A label whose text is its accessible name, described for screen readers by its role.
QLabel* makeInfoLabel(const QString& objectName, const QString& description, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setAccessibleDescription(description);
    return label;
}

// Categories are matched ignoring case, in the code page's own upper case.
QString upperCategory(const QString& category) {
    return fromAnsi(ansiUpper(toAnsi(category)));
}

} // namespace

ProductView::ProductView(Session& session, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs) {
    auto* left = new QVBoxLayout;
    left->addWidget(buildCategoryPanel(), 1);
    left->addWidget(buildSearchPanel());

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left, 2);
    layout->addWidget(buildProductPanel(), 3);

    connect(Combo1, &QListWidget::currentRowChanged, this, &ProductView::chooseCategory);
    connect(allcmd, &QPushButton::clicked, this, &ProductView::showAllProducts);
    connect(searchtxt, &QLineEdit::textChanged, this, &ProductView::searchChanged);
    connect(clearsrchcmd, &QPushButton::clicked, searchtxt, &QLineEdit::clear);
    connect(List1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ProductView::showCurrentSelection);
    connect(List1->selectionModel(), &QItemSelectionModel::currentChanged, this, &ProductView::showCurrentSelection);
    connect(List1, &QListView::doubleClicked, this, &ProductView::productDoubleClicked);
}

QWidget* ProductView::buildCategoryPanel() {
    auto* panel = new QGroupBox(tr("Category"), this);
    panel->setObjectName(QStringLiteral("categorypanel"));
    Combo1 = new QListWidget(panel);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setAccessibleName(tr("Category"));
    Combo1->addItem(tr("All"));
    Combo1->setCurrentRow(0);
    allcmd = new HoverButton(QStringLiteral("allcmd"), tr("ALL"), panel);
    allcmd->setEnabled(false);

    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(Combo1, 1);
    layout->addWidget(allcmd);
    return panel;
}

QWidget* ProductView::buildSearchPanel() {
    auto* panel = new QGroupBox(tr("Product Search"), this);
    panel->setObjectName(QStringLiteral("searchpanel"));
    searchtxt = new QLineEdit(panel);
    searchtxt->setObjectName(QStringLiteral("searchtxt"));
    searchtxt->setAccessibleName(tr("Product Search"));
    searchtxt->setMaxLength(30);
    clearsrchcmd = new HoverButton(QStringLiteral("clearsrchcmd"), tr("Clear"), panel);

    auto* layout = new QHBoxLayout(panel);
    layout->addWidget(searchtxt, 1);
    layout->addWidget(clearsrchcmd);
    return panel;
}

QWidget* ProductView::buildProductPanel() {
    productlist = new QGroupBox(tr("Product List"), this);
    productlist->setObjectName(QStringLiteral("productlist"));
    List1 = new QListView(productlist);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(tr("Products"));
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List1->setUniformItemSizes(true);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rows = new RowTextModel(List1);
    List1->setModel(m_rows);
    // The labels sit in a row of their own: a screen reader would otherwise name an empty label
    // after the panel around it.
    auto* labelRow = new QWidget(productlist);
    pricelbl = makeInfoLabel(QStringLiteral("pricelbl"), tr("Price of selected product"), labelRow);
    selectedlbl = makeInfoLabel(QStringLiteral("selectedlbl"), tr("Selected products"), labelRow);

    addfoodcmd = new HoverButton(QStringLiteral("addfoodcmd"), tr("&New"), productlist);
    editfoodcmd = new HoverButton(QStringLiteral("editfoodcmd"), tr("&Edit"), productlist);
    delfoodcmd = new HoverButton(QStringLiteral("delfoodcmd"), tr("&Delete"), productlist);
    printmastercmd = new HoverButton(QStringLiteral("printmastercmd"), tr("&Print"), productlist);
    printmastercmd->setAccessibleName(tr("Print product list"));
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

void ProductView::fillProductList() {
    m_session.openProductList(m_session.productListPath());
    m_session.catalog().refresh(m_session.files(), m_session.productListPath());
    m_shownFrom = m_session.catalog().stamp();
    if (m_session.productCount() == 0) {
        // No row may stay tied to a product that is gone; the caption and buttons stay as they are.
        emptyList();
        return;
    }

    const QByteArray search = ansiLower(toAnsi(searchtxt->text().trimmed()));
    if (!search.isEmpty())
        searchtxt->setFocus();
    const bool allCategories = m_categoryFilter == All;
    const int categoryKey =
        allCategories ? -1 : m_session.catalog().keyOfUpperCategory(toAnsi(upperCategory(m_categoryFilter)));
    m_rowRecords.clear();
    if (allCategories || categoryKey >= 0) {
        ProductCatalog::Filter filter;
        filter.lowerPrefix = search;
        filter.noHighFat = m_noHighFat;
        filter.noHighCarb = m_noHighCarb;
        filter.categoryKey = categoryKey;
        // The file may have grown past the count taken when it was opened; show what was counted.
        filter.most = m_session.productCount();
        m_session.catalog().select(filter, m_rowRecords);
    }
    showRows();
}

bool ProductView::rowsAreCurrent() const {
    return m_shownFrom == m_session.catalog().stamp() &&
           m_shownFrom == FileStamp::of(m_session.files(), m_session.productListPath());
}

// The rows are built again from the file as it is now. They may stand for other products than
// before, so none stays current; the category chosen stays chosen while it still has products.
void ProductView::reload() {
    const QString chosen = Combo1->currentItem() ? Combo1->currentItem()->text() : QString();
    const int prodrow = std::exchange(m_productRowToShow, -1);
    const int catrow = std::exchange(m_categoryRowToShow, 0);
    fillProductList();
    fillCategoryList();
    const QList<QListWidgetItem*> same = Combo1->findItems(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!same.isEmpty()) {
        m_fillingCategories = true;
        Combo1->setCurrentItem(same.constFirst());
        m_fillingCategories = false;
    } else if (m_categoryFilter != All) {
        m_categoryFilter = All;
        fillProductList();
    }
    m_productRowToShow = prodrow;
    m_categoryRowToShow = catrow;
    showCurrentSelection();
    showCurrentPrice();
}

void ProductView::showRows() {
    const ProductCatalog& catalog = m_session.catalog();
    const QList<qint64>& recmap = m_rowRecords;
    // The row texts are read when the view paints; a catalog that changed before the next rebuild
    // gives blank rows rather than reading past its end.
    m_rows->reset(int(recmap.size()), [&catalog, &recmap](int row) {
        const bool valid = row < recmap.size() && recmap.at(row) <= catalog.count();
        return valid ? fromAnsi(catalog.name(recmap.at(row))) : QString();
    });

    const QString count = QString::number(recmap.size());
    if (m_categoryFilter == All) {
        productlist->setTitle(tr("Product List (%1)").arg(count));
        allcmd->setEnabled(false);
    } else {
        productlist->setTitle(m_categoryFilter + QStringLiteral(" (") + count + QStringLiteral(")"));
        allcmd->setEnabled(true);
    }
    const bool hasRows = !recmap.isEmpty();
    editfoodcmd->setEnabled(hasRows);
    delfoodcmd->setEnabled(hasRows);
    Q_EMIT rowsShown(hasRows);
    if (m_productRowToShow > -1 && m_productRowToShow < recmap.size()) {
        setCurrentRow(m_productRowToShow);
        List1->setFocus();
        showCurrentSelection();
    }
}

void ProductView::emptyList() {
    m_rowRecords.clear();
    m_rows->reset(0, {});
    pricelbl->clear();
    selectedlbl->clear();
}

void ProductView::fillCategoryList() {
    m_fillingCategories = true;
    Combo1->clear();
    m_categories.clear();
    Combo1->addItem(tr("All"));
    if (m_session.productCount() > 0) {
        m_session.catalog().refresh(m_session.files(), m_session.productListPath());
        m_categories = m_session.catalog().categories();
        QStringList rows;
        rows.reserve(m_categories.size());
        for (const QByteArray& category : std::as_const(m_categories))
            rows.append(fromAnsi(category));
        Combo1->addItems(rows);
    }
    Combo1->setCurrentRow(m_categoryRowToShow > 0 && m_categoryRowToShow < Combo1->count() ? m_categoryRowToShow : 0);
    m_fillingCategories = false;
}

void ProductView::chooseCategory() {
    if (m_fillingCategories || !Combo1->currentItem())
        return;
    // The first row, whatever language it shows, is all the categories.
    const QString chosen = Combo1->currentRow() == 0 ? QStringLiteral("All") : Combo1->currentItem()->text();
    m_categoryFilter = upperCategory(chosen);
    if (m_categoryFilter != All) {
        Q_EMIT categoryChosen(toAnsi(chosen));
        m_session.catalog().refresh(m_session.files(), m_session.productListPath());
        if (m_session.catalog().keyOfUpperCategory(toAnsi(m_categoryFilter)) < 0) {
            fillCategoryList();
            Dialogs::Message box;
            box.text = tr("Empty category.  List updated.");
            m_dialogs.message(box);
            m_categoryFilter = All;
        }
    }
    fillProductList();
    if (rowCount() > 0)
        setCurrentRow(0);
}

void ProductView::showAllProducts() {
    if (m_session.productCount() == 0)
        return;
    m_categoryFilter = All;
    fillProductList();
    m_fillingCategories = true;
    Combo1->setCurrentRow(0);
    m_fillingCategories = false;
    Combo1->scrollToTop();
    if (rowCount() > 0)
        setCurrentRow(0);
    allcmd->setEnabled(false);
}

void ProductView::searchChanged() {
    fillProductList();
    searchtxt->setFocus();
}

bool ProductView::toggleFatFilter() {
    m_noHighFat = !m_noHighFat;
    fillProductList();
    return m_noHighFat;
}

bool ProductView::toggleCarbFilter() {
    m_noHighCarb = !m_noHighCarb;
    fillProductList();
    return m_noHighCarb;
}

int ProductView::rowCount() const {
    return m_rows->rowCount();
}

int ProductView::currentRow() const {
    const QModelIndex current = List1->currentIndex();
    return current.isValid() ? current.row() : -1;
}

QList<int> ProductView::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : List1->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The row becomes current and the only one selected, whatever keys are held at the moment.
void ProductView::setCurrentRow(int row) {
    List1->selectionModel()->setCurrentIndex(m_rows->index(row), QItemSelectionModel::ClearAndSelect);
}

void ProductView::showCurrentPrice() {
    const int row = currentRow();
    if (row < 0 || row >= m_rowRecords.size()) {
        pricelbl->hide();
        return;
    }
    const qint64 record = m_rowRecords.at(row);
    QString price = record <= m_session.catalog().count() ? fromAnsi(m_session.catalog().price(record)) : QString();
    pricelbl->setText(price.replace(QChar(0), QLatin1Char(' ')));
    pricelbl->show();
}

void ProductView::showCurrentSelection() {
    if (currentRow() >= 0)
        showCurrentPrice();
    const qsizetype selected = List1->selectionModel()->selectedIndexes().size();
    selectedlbl->setText(selected > 0 ? tr(" %1 selected").arg(selected) : QString());
}

QList<qint64> ProductView::selectedRecords() const {
    QList<qint64> records;
    for (const int row : selectedRows())
        records.append(m_rowRecords.at(row));
    return records;
}

qint64 ProductView::recordAt(int row) const {
    return row >= 0 && row < m_rowRecords.size() ? m_rowRecords.at(row) : 0;
}

void ProductView::rememberRows() {
    m_productRowToShow = currentRow();
    m_categoryRowToShow = Combo1->currentRow();
}

void ProductView::showAllCategories() {
    m_categoryFilter = All;
}

} // namespace pantrex
