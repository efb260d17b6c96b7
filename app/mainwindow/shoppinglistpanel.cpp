// SPDX-License-Identifier: MIT
#include "shoppinglistpanel.h"

#include "core/session.h"
#include "data/ansitext.h"
#include "mainwindow/productview.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "platform/messages.h"
#include "platform/pictures.h"
#include "platform/rowtextmodel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace pantrex {

namespace {

// A stored field as the user sees it: zero bytes, which no box can show, as blanks.
QString shownText(const QByteArray& field) {
    return fromAnsi(field).replace(QChar(0), QLatin1Char(' '));
}

} // namespace

ShoppingListPanel::ShoppingListPanel(Session& session, Dialogs& dialogs, const ProductView& products, QWidget* parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs), m_products(products), m_list(session.shoppingList()) {
    buildControls();
    buildLayout();

    connect(&m_session, &Session::shoppingListChanged, this, &ShoppingListPanel::showRows);
    connect(&m_session, &Session::shoppingListChanged, this, &ShoppingListPanel::showTotalOfChange);
    connect(&m_session.ticks(), &ShoppingTicks::ticksChanged, m_rows, &RowTextModel::restyle);
    connect(m_rowsView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ShoppingListPanel::showCurrentCost);
    connect(m_rowsView, &QListView::doubleClicked, this, [this] { add(AddMode::ChangeRow); });
    connect(m_addButton, &QPushButton::clicked, this, &ShoppingListPanel::addSelectedProducts);
    connect(m_removeButton, &QPushButton::clicked, this, &ShoppingListPanel::removeRow);
    connect(m_eraseButton, &QPushButton::clicked, this, &ShoppingListPanel::eraseList);
}

void ShoppingListPanel::buildControls() {
    m_addButton = new HoverButton(QStringLiteral("foodoncmd"), tr("Add {F2} >"), this);
    m_removeButton = new HoverButton(QStringLiteral("foodoffcmd"), tr("< Remove "), this);

    m_frame = new QGroupBox(tr("Shopping List"), this);
    m_frame->setObjectName(QStringLiteral("shoppinglist"));
    m_captionLabel = new QLabel(m_frame);
    m_captionLabel->setObjectName(QStringLiteral("listlbl"));
    m_captionLabel->setAccessibleDescription(tr("Shopping list caption"));
    m_rowsView = new QListView(m_frame);
    m_rowsView->setObjectName(QStringLiteral("list2"));
    m_rowsView->setAccessibleName(tr("Shopping List"));
    m_rowsView->setUniformItemSizes(true);
    m_rowsView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A row carries its item text's trailing blanks; they need no scroll bar.
    m_rowsView->setTextElideMode(Qt::ElideNone);
    m_rows = new RowTextModel(m_rowsView);
    // Items ticked off (in the trolley, on the phone) show struck out.
    m_rows->setStruckOut([this](int row) { return m_session.ticks().isTicked(m_list.rows().at(row).recordNumber); });
    m_rowsView->setModel(m_rows);
    // The footer is a row of its own: a screen reader would otherwise name the empty cost label
    // after the panel around it.
    m_footer = new QWidget(m_frame);
    m_costLabel = new QLabel(m_footer);
    m_costLabel->setObjectName(QStringLiteral("costlbl"));
    m_costLabel->setAccessibleDescription(tr("Cost of selected item"));
    m_totalBox = new QLineEdit(m_footer);
    m_totalBox->setObjectName(QStringLiteral("tabtxt"));
    m_totalBox->setAccessibleName(tr("Total"));
    m_totalBox->setReadOnly(true);
    m_totalBox->setFocusPolicy(Qt::NoFocus);
    m_totalBox->setMaximumWidth(m_totalBox->fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")) + 12);
    m_eraseButton =
        new HoverButton(QStringLiteral("clearlistcmd"), erasePicture(), tr("Erase shopping list"), m_footer);
    m_printButton =
        new HoverButton(QStringLiteral("printlistcmd"), printerPicture(), tr("Print shopping list"), m_footer);
}

void ShoppingListPanel::buildLayout() {
    auto* moveButtons = new QVBoxLayout;
    moveButtons->addStretch(1);
    moveButtons->addWidget(m_addButton);
    moveButtons->addWidget(m_removeButton);
    moveButtons->addStretch(1);

    m_stack = new QStackedLayout;
    m_stack->addWidget(m_rowsView);

    auto* footer = new QHBoxLayout(m_footer);
    footer->setContentsMargins(0, 0, 0, 0);
    footer->addWidget(m_costLabel);
    footer->addStretch(1);
    footer->addWidget(m_eraseButton);
    footer->addWidget(m_printButton);
    footer->addWidget(m_totalBox);

    auto* panelLayout = new QVBoxLayout(m_frame);
    panelLayout->addWidget(m_captionLabel);
    panelLayout->addLayout(m_stack, 1);
    panelLayout->addWidget(m_footer);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(moveButtons);
    layout->addWidget(m_frame, 1);
}

void ShoppingListPanel::reloadShoppingList() {
    const bool hadRows = rowCount() > 0;
    if (const std::optional<Notice> failure = m_list.reload()) {
        report(m_dialogs, *failure);
        return;
    }
    if (m_session.shoppingCount() == 0) {
        // An empty file leaves the list as it is (the operations that empty it clear it themselves),
        // unless rows were still shown for records that are gone.
        if (hadRows)
            showEmptyList();
        return;
    }
    showTotalAndButtons();
}

// The view follows the core's rows whenever they change.
void ShoppingListPanel::showRows() {
    const ShoppingList* list = &m_list;
    m_rows->reset(int(m_list.rows().size()), [list](int row) { return list->rows().at(row).shownText(); });
}

// The list may change without this window doing anything (from the phone view): its total and
// caption follow; a heading the custom list chooser shows in the caption's place stays.
void ShoppingListPanel::showTotalOfChange() {
    const bool hasRows = !m_list.rows().isEmpty();
    m_totalBox->setText(m_list.total());
    m_caption = m_list.caption(m_list.total());
    if (m_stack->currentWidget() == m_rowsView)
        m_captionLabel->setText(m_caption);
    m_eraseButton->setEnabled(hasRows);
    m_printButton->setEnabled(hasRows);
    m_removeButton->setEnabled(hasRows);
    if (!hasRows)
        m_costLabel->clear();
}

void ShoppingListPanel::showTotalAndButtons() {
    m_totalBox->setText(m_list.total());
    setCaptionFromTotal();
    m_eraseButton->setEnabled(true);
    m_printButton->setEnabled(true);
    m_removeButton->setEnabled(true);
}

void ShoppingListPanel::showEmptyList() {
    m_eraseButton->setEnabled(false);
    m_printButton->setEnabled(false);
    m_removeButton->setEnabled(false);
    m_costLabel->clear();
    m_list.clear();
    m_totalBox->clear();
    setCaptionFromTotal();
}

void ShoppingListPanel::setCaptionFromTotal() {
    setCaption(m_list.caption(m_totalBox->text()));
}

void ShoppingListPanel::setCaption(const QString& caption) {
    m_caption = caption;
    m_captionLabel->setText(caption);
}

void ShoppingListPanel::showHeading(const QString& heading) {
    m_captionLabel->setText(heading.isEmpty() ? m_caption : heading);
}

void ShoppingListPanel::showCurrentCost() {
    const int row = currentRow();
    if (row < 0 || row >= m_list.rows().size())
        return;
    m_costLabel->setText(fromAnsi(m_list.rows().at(row).cost));
    m_removeButton->setEnabled(true);
}

int ShoppingListPanel::rowCount() const {
    return m_rows->rowCount();
}

int ShoppingListPanel::currentRow() const {
    const QModelIndex current = m_rowsView->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ShoppingListPanel::setCurrentRow(int row) {
    m_rowsView->selectionModel()->setCurrentIndex(m_rows->index(row), QItemSelectionModel::ClearAndSelect);
    showCurrentCost();
}

void ShoppingListPanel::setChooser(QWidget* chooser) {
    m_chooser = chooser;
    m_stack->addWidget(chooser);
}

void ShoppingListPanel::showChooser(bool shown) {
    m_stack->setCurrentWidget(shown && m_chooser ? m_chooser : m_rowsView);
}

void ShoppingListPanel::addSelectedProducts() {
    add(AddMode::Once);
}

void ShoppingListPanel::addSelectedProductsAskingQuantity() {
    add(AddMode::AskQuantity);
}

void ShoppingListPanel::add(AddMode mode) {
    if (mode == AddMode::ChangeRow) {
        changeRow();
        return;
    }
    if (m_products.currentRow() < 0) {
        inform(m_dialogs, tr("Select an item!"), tr("Add..."));
        return;
    }
    if (!productsAndListAsShown())
        return;
    QByteArray quantity = "1";
    if (mode == AddMode::AskQuantity) {
        Dialogs::Input box;
        box.prompt = tr("Enter a quantity...");
        box.defaultText = QStringLiteral("2");
        quantity = toAnsi(m_dialogs.input(box));
        // Another program may have written while the question was open.
        if (quantity.isEmpty() || !productsAndListAsShown())
            return;
    }
    if (tell(m_list.add(m_products.selectedRecords(), quantity)))
        reloadShoppingList();
}

// What goes on the list must be the products shown, and the list must be the one shown.
bool ShoppingListPanel::productsAndListAsShown() {
    if (m_products.rowsAreCurrent())
        return stillAsShown();
    Q_EMIT changedUnderneath(m_session.productListPath());
    return false;
}

// Changes the quantity and text of the double-clicked row; the cost keeps its unit price.
void ShoppingListPanel::changeRow() {
    const int row = currentRow();
    if (!tell(m_list.checkChange(row)))
        return;
    const ShoppingRow shown = m_list.rows().at(row);
    Dialogs::Input askQuantity;
    askQuantity.prompt = tr("Enter a NEW quantity for %1").arg(shownText(shown.itemText));
    askQuantity.defaultText = shownText(shown.quantity);
    const QByteArray quantity = toAnsi(m_dialogs.input(askQuantity));
    if (quantity.isEmpty() || !tell(m_list.checkQuantity(row, quantity)))
        return;

    const QString itemText = fromAnsi(fieldText(shown.itemText));
    Dialogs::Input askText;
    askText.prompt = tr("Modify the item information for %1").arg(itemText);
    askText.defaultText = itemText;
    const QByteArray newText = toAnsi(m_dialogs.input(askText));
    if (tell(m_list.changeItem(row, quantity, newText)))
        reloadShoppingList();
}

void ShoppingListPanel::removeRow() {
    const int row = currentRow();
    if (row < 0) {
        inform(m_dialogs, tr("Select an item"), tr("Remove..."));
        return;
    }
    const bool lastRow = rowCount() == 1;
    if (!tell(m_list.remove(row)))
        return;
    if (lastRow) {
        showEmptyList();
        return;
    }
    reloadShoppingList();
    setCurrentRow(row < rowCount() ? row : 0);
}

void ShoppingListPanel::eraseList() {
    if (ask(m_dialogs, tr("Erase the contents of this Shopping List? This is an irreversable move!  Are you sure?"),
            tr("Confirm"), Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    if (tell(m_list.erase()))
        showEmptyList();
}

bool ShoppingListPanel::tell(const ShoppingListResult& result) {
    if (result.status == ShoppingListResult::Status::ChangedUnderneath) {
        Q_EMIT changedUnderneath(result.changedFile);
        return false;
    }
    if (result.notice)
        report(m_dialogs, *result.notice);
    return result.status == ShoppingListResult::Status::Done;
}

bool ShoppingListPanel::stillAsShown() {
    return tell(m_list.checkAsShown());
}

} // namespace pantrex
