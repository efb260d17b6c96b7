// SPDX-License-Identifier: MIT
#include "shoppinglistpanel.h"

#include "data/ansitext.h"
#include "data/displaysort.h"
#include "data/filenames.h"
#include "data/numbertext.h"
#include "platform/hoverbutton.h"
#include "platform/pictures.h"
#include "platform/rowtextmodel.h"
#include "state/pantmod.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStackedLayout>
#include <QVBoxLayout>

#include <numeric>

namespace pantrex {

ShoppingListPanel::ShoppingListPanel(PANTMOD& pantmod, Dialogs& dialogs, const ProductView& products, QWidget* parent)
    : QWidget(parent), m_pantmod(pantmod), m_dialogs(dialogs), m_products(products) {
    foodoncmd = new HoverButton(QStringLiteral("foodoncmd"), tr("Add {F2} >"), this);
    foodoffcmd = new HoverButton(QStringLiteral("foodoffcmd"), tr("< Remove "), this);
    auto* moveButtons = new QVBoxLayout;
    moveButtons->addStretch(1);
    moveButtons->addWidget(foodoncmd);
    moveButtons->addWidget(foodoffcmd);
    moveButtons->addStretch(1);

    shoppinglist = new QGroupBox(tr("Shopping List"), this);
    shoppinglist->setObjectName(QStringLiteral("shoppinglist"));
    listlbl = new QLabel(shoppinglist);
    listlbl->setObjectName(QStringLiteral("listlbl"));
    listlbl->setAccessibleDescription(tr("Shopping list caption"));
    list2 = new QListView(shoppinglist);
    list2->setObjectName(QStringLiteral("list2"));
    list2->setAccessibleName(tr("Shopping List"));
    list2->setUniformItemSizes(true);
    list2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A row carries its item text's trailing blanks; they need no scroll bar.
    list2->setTextElideMode(Qt::ElideNone);
    m_rows = new RowTextModel(list2);
    list2->setModel(m_rows);
    // The footer is a row of its own: a screen reader would otherwise name the empty cost label
    // after the panel around it.
    auto* footerRow = new QWidget(shoppinglist);
    costlbl = new QLabel(footerRow);
    costlbl->setObjectName(QStringLiteral("costlbl"));
    costlbl->setAccessibleDescription(tr("Cost of selected item"));
    tabtxt = new QLineEdit(footerRow);
    tabtxt->setObjectName(QStringLiteral("tabtxt"));
    tabtxt->setAccessibleName(tr("Total"));
    tabtxt->setReadOnly(true);
    tabtxt->setFocusPolicy(Qt::NoFocus);
    tabtxt->setMaximumWidth(tabtxt->fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")) + 12);
    clearlistcmd =
        new HoverButton(QStringLiteral("clearlistcmd"), erasePicture(), tr("Erase shopping list"), footerRow);
    printlistcmd =
        new HoverButton(QStringLiteral("printlistcmd"), printerPicture(), tr("Print shopping list"), footerRow);

    m_stack = new QStackedLayout;
    m_stack->addWidget(list2);

    auto* footer = new QHBoxLayout(footerRow);
    footer->setContentsMargins(0, 0, 0, 0);
    footer->addWidget(costlbl);
    footer->addStretch(1);
    footer->addWidget(clearlistcmd);
    footer->addWidget(printlistcmd);
    footer->addWidget(tabtxt);

    auto* panelLayout = new QVBoxLayout(shoppinglist);
    panelLayout->addWidget(listlbl);
    panelLayout->addLayout(m_stack, 1);
    panelLayout->addWidget(footerRow);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(moveButtons);
    layout->addWidget(shoppinglist, 1);

    connect(list2->selectionModel(), &QItemSelectionModel::currentChanged, this, &ShoppingListPanel::list2Click);
    connect(list2, &QListView::doubleClicked, this, [this] {
        m_pantmod.addmode = QStringLiteral("2");
        foodoncmdClick();
    });
    connect(foodoncmd, &QPushButton::clicked, this, [this] {
        m_pantmod.addmode.clear();
        foodoncmdClick();
    });
    connect(foodoffcmd, &QPushButton::clicked, this, &ShoppingListPanel::foodoffcmdClick);
    connect(clearlistcmd, &QPushButton::clicked, this, &ShoppingListPanel::clearlistcmdClick);
    connect(printlistcmd, &QPushButton::clicked, this, &ShoppingListPanel::printlistcmdClick);
}

void ShoppingListPanel::fillshoplist() {
    // The list is shown as the file holds it now: another program may have changed it.
    RecordFile* file = m_pantmod.session.files().file(ShoppingChannel);
    if (file)
        m_pantmod.session.setShoppingCount(file->count());
    const FileStamp now = FileStamp::of(m_pantmod.session.files(), m_pantmod.session.shoppingListPath());
    if (m_pantmod.session.shoppingCount() == 0) {
        // An empty file leaves the list as it is (the operations that empty it clear it themselves),
        // unless rows are still shown for records that are gone.
        if (rowCount() > 0 || !m_pantmod.shoprecnos.isEmpty())
            showEmptyList();
        m_shownFrom = now;
        m_shownRecords.clear();
        return;
    }
    if (now == m_shownFrom && m_shownRecords.size() == m_pantmod.session.shoppingCount() &&
        rowCount() == m_pantmod.session.shoppingCount()) {
        // The rows already show the file as it is: only what else a reload sets is set again.
        showTotalAndButtons();
        return;
    }
    std::optional<QList<Record>> read = file ? file->readFirst(m_pantmod.session.shoppingCount()) : std::nullopt;
    if (!read) {
        reportFileError(file ? file->errorString() : m_pantmod.session.files().errorString());
        return;
    }
    m_shownFrom = now;
    m_shownRecords = std::move(*read);
    const QList<Record>& records = m_shownRecords;

    QByteArray total;
    std::vector<qint64> order(size_t(records.size()));
    std::iota(order.begin(), order.end(), 1);
    for (const Record& record : std::as_const(records))
        total = formatMoney(numberValue(total) + numberValue(record.text(ShoppingRecord::LineCost)));
    displaySort(order, [&records](qint64 n) { return QByteArrayView(records.at(n - 1).bytes()).first(40); });

    clearRowTables();
    for (const qint64 n : order) {
        const Record& record = records.at(n - 1);
        const QByteArray quantity = record.text(ShoppingRecord::Quantity);
        m_pantmod.shopnames.append(record.raw(ShoppingRecord::ItemText));
        m_pantmod.shopcats.append(record.raw(ShoppingRecord::Category));
        m_pantmod.shopcosts.append(formatMoney(record.text(ShoppingRecord::LineCost)));
        m_pantmod.shoprecnos.append(n);
        m_pantmod.shopprefix.append(numberValue(quantity) == 1 ? QByteArray(5, ' ') : "(" + quantity + ") ");
    }
    const PANTMOD& pantmod = m_pantmod;
    m_rows->reset(int(order.size()), [&pantmod](int row) {
        return fromAnsi(pantmod.shopprefix.at(row) + pantmod.shopnames.at(row)).replace(QChar(0), QLatin1Char(' '));
    });
    m_shownTotal = fromAnsi(total);
    showTotalAndButtons();
}

void ShoppingListPanel::showTotalAndButtons() {
    tabtxt->setText(m_shownTotal);
    setCaptionFromTotal();
    clearlistcmd->setEnabled(true);
    printlistcmd->setEnabled(true);
    foodoffcmd->setEnabled(true);
}

void ShoppingListPanel::showEmptyList() {
    clearlistcmd->setEnabled(false);
    printlistcmd->setEnabled(false);
    foodoffcmd->setEnabled(false);
    costlbl->clear();
    clearRowTables();
    m_rows->reset(0, {});
    tabtxt->clear();
    setCaptionFromTotal();
    m_shownFrom = FileStamp::of(m_pantmod.session.files(), m_pantmod.session.shoppingListPath());
    m_shownRecords.clear();
}

void ShoppingListPanel::clearRowTables() {
    m_pantmod.shopnames.clear();
    m_pantmod.shopcats.clear();
    m_pantmod.shopcosts.clear();
    m_pantmod.shoprecnos.clear();
    m_pantmod.shopprefix.clear();
}

// The list on screen still stands for the file: nothing changed it since it was shown, or nothing
// is shown and the file holds nothing.
bool ShoppingListPanel::listAsShown() const {
    if (FileStamp::of(m_pantmod.session.files(), m_pantmod.session.shoppingListPath()) == m_shownFrom)
        return true;
    const RecordFile* file = m_pantmod.session.files().file(ShoppingChannel);
    return rowCount() == 0 && m_shownRecords.isEmpty() && file && file->count() == 0;
}

void ShoppingListPanel::setCaptionFromTotal() {
    listlbl->setText(baseName(m_pantmod.session.shoppingListPath()) + QStringLiteral(" ($") + tabtxt->text().trimmed() +
                     QStringLiteral(")"));
    m_pantmod.savedcaption = listlbl->text();
}

void ShoppingListPanel::list2Click() {
    const int row = currentRow();
    if (row < 0 || row >= m_pantmod.shopcosts.size())
        return;
    costlbl->setText(fromAnsi(m_pantmod.shopcosts.at(row)));
    foodoffcmd->setEnabled(true);
}

int ShoppingListPanel::rowCount() const {
    return m_rows->rowCount();
}

int ShoppingListPanel::currentRow() const {
    const QModelIndex current = list2->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ShoppingListPanel::setCurrentRow(int row) {
    list2->selectionModel()->setCurrentIndex(m_rows->index(row), QItemSelectionModel::ClearAndSelect);
    list2Click();
}

void ShoppingListPanel::setChooser(QWidget* chooser) {
    m_chooser = chooser;
    m_stack->addWidget(chooser);
}

void ShoppingListPanel::showChooser(bool shown) {
    m_stack->setCurrentWidget(shown && m_chooser ? m_chooser : list2);
}

} // namespace pantrex
