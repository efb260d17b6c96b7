#include "shoppinglistpanel.h"

#include "data/filenames.h"
#include "mainwindow/pantmod.h"
#include "platform/hoverbutton.h"
#include "platform/pictures.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedLayout>
#include <QStyle>
#include <QVBoxLayout>

namespace pantrex {

ShoppingListPanel::ShoppingListPanel(PANTMOD& pantmod, QWidget* parent) : QWidget(parent), m_pantmod(pantmod) {
    foodoncmd = new HoverButton(QStringLiteral("foodoncmd"), QStringLiteral("Add {F2} >"), this);
    foodoffcmd = new HoverButton(QStringLiteral("foodoffcmd"), QStringLiteral("< Remove "), this);
    auto* moveButtons = new QVBoxLayout;
    moveButtons->addStretch(1);
    moveButtons->addWidget(foodoncmd);
    moveButtons->addWidget(foodoffcmd);
    moveButtons->addStretch(1);

    shoppinglist = new QGroupBox(QStringLiteral("Shopping List"), this);
    shoppinglist->setObjectName(QStringLiteral("shoppinglist"));
    listlbl = new QLabel(shoppinglist);
    listlbl->setObjectName(QStringLiteral("listlbl"));
    listlbl->setAccessibleDescription(QStringLiteral("Shopping list caption"));
    list2 = new QListWidget(shoppinglist);
    list2->setObjectName(QStringLiteral("list2"));
    list2->setAccessibleName(QStringLiteral("Shopping List"));
    // The footer is a row of its own: a screen reader would otherwise name the empty cost label
    // after the panel around it.
    auto* footerRow = new QWidget(shoppinglist);
    costlbl = new QLabel(footerRow);
    costlbl->setObjectName(QStringLiteral("costlbl"));
    costlbl->setAccessibleDescription(QStringLiteral("Cost of selected item"));
    tabtxt = new QLineEdit(footerRow);
    tabtxt->setObjectName(QStringLiteral("tabtxt"));
    tabtxt->setAccessibleName(QStringLiteral("Total"));
    tabtxt->setReadOnly(true);
    tabtxt->setFocusPolicy(Qt::NoFocus);
    tabtxt->setMaximumWidth(tabtxt->fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")) + 12);
    clearlistcmd = new HoverButton(QStringLiteral("clearlistcmd"), erasePicture(),
                                   QStringLiteral("Erase shopping list"), footerRow);
    printlistcmd = new HoverButton(QStringLiteral("printlistcmd"), printerPicture(),
                                   QStringLiteral("Print shopping list"), footerRow);

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
}

void ShoppingListPanel::fillshoplist() {
    // An empty file leaves the list as it is; the operations that empty it clear it themselves.
    if (m_pantmod.shopcount == 0)
        return;
    // The rows and the running total are built by the shopping list's own procedures (still to
    // come); until then the caption shows the list with its current total.
    setCaptionFromTotal();
}

void ShoppingListPanel::showEmptyList() {
    clearlistcmd->setEnabled(false);
    printlistcmd->setEnabled(false);
    foodoffcmd->setEnabled(false);
    costlbl->clear();
    list2->clear();
    tabtxt->clear();
    setCaptionFromTotal();
}

void ShoppingListPanel::setCaptionFromTotal() {
    listlbl->setText(baseName(m_pantmod.shoppath) + QStringLiteral(" ($") + tabtxt->text().trimmed() +
                     QStringLiteral(")"));
    m_pantmod.savedcaption = listlbl->text();
}

void ShoppingListPanel::showCurrentCost() {
    // The row tables of the shopping list come with its own procedures; no row has a cost yet.
}

void ShoppingListPanel::setChooser(QWidget* chooser) {
    m_chooser = chooser;
    m_stack->addWidget(chooser);
}

void ShoppingListPanel::showChooser(bool shown) {
    m_stack->setCurrentWidget(shown && m_chooser ? m_chooser : m_stack->widget(0));
}

} // namespace pantrex
