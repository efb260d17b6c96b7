// SPDX-License-Identifier: MIT
#include "productview.h"

#include "core/session.h"
#include "data/ansitext.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "platform/largelistview.h"
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

    connect(m_categoryList, &QListWidget::currentRowChanged, this, &ProductView::chooseCategory);
    connect(m_allButton, &QPushButton::clicked, this, &ProductView::showAllProducts);
    connect(m_searchEdit, &QLineEdit::textChanged, this, &ProductView::searchChanged);
    connect(m_clearSearchButton, &QPushButton::clicked, m_searchEdit, &QLineEdit::clear);
    connect(m_productList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ProductView::showCurrentSelection);
    connect(m_productList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ProductView::showCurrentSelection);
    connect(m_productList, &QListView::doubleClicked, this, &ProductView::productDoubleClicked);
}

QWidget* ProductView::buildCategoryPanel() {
    auto* panel = new QGroupBox(tr("Category"), this);
    panel->setObjectName(QStringLiteral("categorypanel"));
    m_categoryList = new QListWidget(panel);
    m_categoryList->setObjectName(QStringLiteral("Combo1"));
    m_categoryList->setAccessibleName(tr("Category"));
    m_categoryList->addItem(tr("All"));
    m_categoryList->setCurrentRow(0);
    m_allButton = new HoverButton(QStringLiteral("allcmd"), tr("ALL"), panel);
    m_allButton->setEnabled(false);

    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(m_categoryList, 1);
    layout->addWidget(m_allButton);
    return panel;
}

QWidget* ProductView::buildSearchPanel() {
    auto* panel = new QGroupBox(tr("Product Search"), this);
    panel->setObjectName(QStringLiteral("searchpanel"));
    m_searchEdit = new QLineEdit(panel);
    m_searchEdit->setObjectName(QStringLiteral("searchtxt"));
    m_searchEdit->setAccessibleName(tr("Product Search"));
    m_searchEdit->setMaxLength(30);
    m_clearSearchButton = new HoverButton(QStringLiteral("clearsrchcmd"), tr("Clear"), panel);

    auto* layout = new QHBoxLayout(panel);
    layout->addWidget(m_searchEdit, 1);
    layout->addWidget(m_clearSearchButton);
    return panel;
}

QWidget* ProductView::buildProductPanel() {
    m_productFrame = new QGroupBox(tr("Product List"), this);
    m_productFrame->setObjectName(QStringLiteral("productlist"));
    m_productList = new LargeListView(m_productFrame);
    m_productList->setObjectName(QStringLiteral("List1"));
    m_productList->setAccessibleName(tr("Products"));
    m_productList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_productList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rows = new RowTextModel(m_productList);
    m_productList->setModel(m_rows);
    // The labels sit in a row of their own: a screen reader would otherwise name an empty label
    // after the panel around it.
    auto* labelRow = new QWidget(m_productFrame);
    m_priceLabel = makeInfoLabel(QStringLiteral("pricelbl"), tr("Price of selected product"), labelRow);
    m_selectedLabel = makeInfoLabel(QStringLiteral("selectedlbl"), tr("Selected products"), labelRow);

    m_newButton = new HoverButton(QStringLiteral("addfoodcmd"), tr("&New"), m_productFrame);
    m_editButton = new HoverButton(QStringLiteral("editfoodcmd"), tr("&Edit"), m_productFrame);
    m_deleteButton = new HoverButton(QStringLiteral("delfoodcmd"), tr("&Delete"), m_productFrame);
    m_printButton = new HoverButton(QStringLiteral("printmastercmd"), tr("&Print"), m_productFrame);
    m_printButton->setAccessibleName(tr("Print product list"));
    // Until the view holds rows there is nothing to change, delete or add to the list.
    m_editButton->setEnabled(false);
    m_deleteButton->setEnabled(false);

    auto* labels = new QHBoxLayout(labelRow);
    labels->setContentsMargins(0, 0, 0, 0);
    labels->addWidget(m_priceLabel);
    labels->addStretch(1);
    labels->addWidget(m_selectedLabel);

    auto* buttons = new QGridLayout;
    buttons->addWidget(m_newButton, 0, 0);
    buttons->addWidget(m_editButton, 0, 1);
    buttons->addWidget(m_deleteButton, 1, 0);
    buttons->addWidget(m_printButton, 1, 1);

    auto* layout = new QVBoxLayout(m_productFrame);
    layout->addWidget(m_productList, 1);
    layout->addWidget(labelRow);
    layout->addLayout(buttons);
    return m_productFrame;
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

    const QByteArray search = ansiLower(toAnsi(m_searchEdit->text().trimmed()));
    if (!search.isEmpty())
        m_searchEdit->setFocus();
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
    const QString chosen = m_categoryList->currentItem() ? m_categoryList->currentItem()->text() : QString();
    const int prodrow = std::exchange(m_productRowToShow, -1);
    const int catrow = std::exchange(m_categoryRowToShow, 0);
    fillProductList();
    fillCategoryList();
    const QList<QListWidgetItem*> same = m_categoryList->findItems(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!same.isEmpty()) {
        m_fillingCategories = true;
        m_categoryList->setCurrentItem(same.constFirst());
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
    const QList<qint32>& recmap = m_rowRecords;
    // The row texts are read when the view paints; a catalog that changed before the next rebuild
    // gives blank rows rather than reading past its end.
    m_rows->reset(int(recmap.size()), [&catalog, &recmap](int row) {
        const bool valid = row < recmap.size() && recmap.at(row) <= catalog.count();
        return valid ? fromAnsi(catalog.name(recmap.at(row))) : QString();
    });

    const QString count = QString::number(recmap.size());
    if (m_categoryFilter == All) {
        m_productFrame->setTitle(tr("Product List (%1)").arg(count));
        m_allButton->setEnabled(false);
    } else {
        m_productFrame->setTitle(m_categoryFilter + QStringLiteral(" (") + count + QStringLiteral(")"));
        m_allButton->setEnabled(true);
    }
    const bool hasRows = !recmap.isEmpty();
    m_editButton->setEnabled(hasRows);
    m_deleteButton->setEnabled(hasRows);
    Q_EMIT rowsShown(hasRows);
    if (m_productRowToShow > -1 && m_productRowToShow < recmap.size()) {
        setCurrentRow(m_productRowToShow);
        m_productList->setFocus();
        showCurrentSelection();
    }
}

void ProductView::emptyList() {
    m_rowRecords.clear();
    m_rows->reset(0, {});
    m_priceLabel->clear();
    m_selectedLabel->clear();
}

void ProductView::fillCategoryList() {
    m_fillingCategories = true;
    m_categoryList->clear();
    m_categories.clear();
    m_categoryList->addItem(tr("All"));
    if (m_session.productCount() > 0) {
        m_session.catalog().refresh(m_session.files(), m_session.productListPath());
        m_categories = m_session.catalog().categories();
        QStringList rows;
        rows.reserve(m_categories.size());
        for (const QByteArray& category : std::as_const(m_categories))
            rows.append(fromAnsi(category));
        m_categoryList->addItems(rows);
    }
    m_categoryList->setCurrentRow(
        m_categoryRowToShow > 0 && m_categoryRowToShow < m_categoryList->count() ? m_categoryRowToShow : 0);
    m_fillingCategories = false;
}

void ProductView::chooseCategory() {
    if (m_fillingCategories || !m_categoryList->currentItem())
        return;
    // The first row, whatever language it shows, is all the categories.
    const QString chosen =
        m_categoryList->currentRow() == 0 ? QStringLiteral("All") : m_categoryList->currentItem()->text();
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
    m_categoryList->setCurrentRow(0);
    m_fillingCategories = false;
    m_categoryList->scrollToTop();
    if (rowCount() > 0)
        setCurrentRow(0);
    m_allButton->setEnabled(false);
}

void ProductView::searchChanged() {
    fillProductList();
    m_searchEdit->setFocus();
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
    const QModelIndex current = m_productList->currentIndex();
    return current.isValid() ? current.row() : -1;
}

QList<int> ProductView::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : m_productList->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The row becomes current and the only one selected, whatever keys are held at the moment.
void ProductView::setCurrentRow(int row) {
    m_productList->selectionModel()->setCurrentIndex(m_rows->index(row), QItemSelectionModel::ClearAndSelect);
}

void ProductView::showCurrentPrice() {
    const int row = currentRow();
    if (row < 0 || row >= m_rowRecords.size()) {
        m_priceLabel->hide();
        return;
    }
    const qint64 record = m_rowRecords.at(row);
    QString price = record <= m_session.catalog().count() ? fromAnsi(m_session.catalog().price(record)) : QString();
    m_priceLabel->setText(price.replace(QChar(0), QLatin1Char(' ')));
    m_priceLabel->show();
}

void ProductView::showCurrentSelection() {
    if (currentRow() >= 0)
        showCurrentPrice();
    const qsizetype selected = m_productList->selectionModel()->selectedIndexes().size();
    m_selectedLabel->setText(selected > 0 ? tr(" %1 selected").arg(selected) : QString());
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
    m_categoryRowToShow = m_categoryList->currentRow();
}

void ProductView::showAllCategories() {
    m_categoryFilter = All;
}

} // namespace pantrex
