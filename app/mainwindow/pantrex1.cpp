// SPDX-License-Identifier: MIT
#include "pantrex1.h"

#include "core/session.h"
#include "customlists/customlistchooser.h"
#include "mainwindow/hoverhints.h"
#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/dialogs.h"
#include "platform/filechooser.h"
#include "platform/hoverbutton.h"
#include "platform/pictures.h"
#include "platform/qtdialogs.h"
#include "products/deleteproducts.h"
#include "products/productentrydialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QVBoxLayout>

namespace pantrex {

namespace {

QAction* addItem(QMenu* menu, const QString& objectName, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    return action;
}

} // namespace

pantrex1::pantrex1(Session& session, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("pantrex1"));
    setWindowTitle(QString());
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(background);
    setAutoFillBackground(true);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("background"));
    m_productView = new ProductView(m_session, m_dialogs, central);
    m_shoppingList = new ShoppingListPanel(m_session, m_dialogs, *m_productView, central);
    m_chooser = new CustomListChooser(m_session, m_dialogs, central);
    m_entryDialog = new ProductEntryDialog(m_session, m_dialogs, this);
    m_shoppingList->setChooser(m_chooser);

    auto* panels = new QHBoxLayout;
    panels->addWidget(m_productView, 1);
    panels->addWidget(m_shoppingList, 1);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(panels, 1);
    layout->addWidget(buildFooter());
    setCentralWidget(central);

    buildMenus();
    buildHints();
    connectActions();
    connectListFiles();
    connectCustomLists();
    connectPrinting();
    connectOutsideChanges();
    qApp->installEventFilter(this);
    resize(800, 600);
    keepTitleEmpty(*this, windowTitle());
}

pantrex1::~pantrex1() {
    qApp->removeEventFilter(this);
}

QWidget* pantrex1::buildFooter() {
    auto* footer = new QWidget(centralWidget());
    footer->setObjectName(QStringLiteral("footer"));
    Image1 = new QLabel(footer);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(tr("Pantrex"));
    Image1->setPixmap(basketPicture().pixmap(QSize(32, 32), devicePixelRatio()));
    infolbl = new QLabel(footer);
    infolbl->setObjectName(QStringLiteral("infolbl"));
    infolbl->setAccessibleDescription(tr("Hint"));
    infolbl->setMinimumWidth(200);
    quitcmd = new HoverButton(QStringLiteral("quitcmd"), tr("&Quit"), footer);

    auto* layout = new QHBoxLayout(footer);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);
    layout->addWidget(infolbl, 1);
    layout->addWidget(quitcmd);
    return footer;
}

void pantrex1::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("File"));
    file->setObjectName(QStringLiteral("filemenu"));
    openfilecmd = addItem(file, QStringLiteral("openfilecmd"), tr("Open..."));
    newfilecmd = addItem(file, QStringLiteral("newfilecmd"), tr("New..."));
    notescmd = addItem(file, QStringLiteral("notescmd"), tr("Notes"));
    exitcmd = addItem(file, QStringLiteral("exitcmd"), tr("Exit program"));

    QMenu* help = menuBar()->addMenu(tr("Help"));
    help->setObjectName(QStringLiteral("helpmenu"));
    helpcmd = addItem(help, QStringLiteral("helpcmd"), tr("Program help"));
    aboutcmd = addItem(help, QStringLiteral("aboutcmd"), tr("About"));

    QMenu* merge = menuBar()->addMenu(tr("&Import/export "));
    merge->setObjectName(QStringLiteral("mergemenu"));
    mergecmd = addItem(merge, QStringLiteral("mergecmd"), tr("Import"));
    mergecmd->setEnabled(false);
    exportcmd = addItem(merge, QStringLiteral("exportcmd"), tr("Export"));
    mergehelpcmd = addItem(merge, QStringLiteral("mergehelpcmd"), tr("Help"));

    recipemenu = menuBar()->addMenu(tr("&Custom lists"));
    recipemenu->setObjectName(QStringLiteral("recipemenu"));
    addItem(recipemenu, QStringLiteral("recmakecmd"), tr("CREATE a list"));
    addItem(recipemenu, QStringLiteral("recaddcmd"), tr("ADD to a list"));
    addItem(recipemenu, QStringLiteral("receditcmd"), tr("REMOVE item(s) from a list"));
    addItem(recipemenu, QStringLiteral("recpreview"), tr("PREVIEW a list"));
    addItem(recipemenu, QStringLiteral("recgetcmd"), tr("GET custom item(s) for shopping list"));
    addItem(recipemenu, QStringLiteral("recdelete"), tr("DELETE a list"));
    addItem(recipemenu, QStringLiteral("saveshopcmd"), tr("SAVE current shopping list as custom"));
    addItem(recipemenu, QStringLiteral("rechelpcmd"), tr("Help"));

    QMenu* filters = menuBar()->addMenu(tr("Filters"));
    filters->setObjectName(QStringLiteral("filtersmenu"));
    lofatcmd = addItem(filters, QStringLiteral("lofatcmd"), tr("Fats"));
    lofatcmd->setCheckable(true);
    locarbcmd = addItem(filters, QStringLiteral("locarbcmd"), tr("Carbohydrates"));
    locarbcmd->setCheckable(true);
}

void pantrex1::connectActions() {
    connect(quitcmd, &QPushButton::clicked, this, &pantrex1::quit);
    connect(exitcmd, &QAction::triggered, this, &pantrex1::quit);
    connect(m_productView, &ProductView::rowsShown, m_shoppingList->addButton(), &QWidget::setEnabled);
    connect(m_productView, &ProductView::productDoubleClicked, m_shoppingList,
            &ShoppingListPanel::addSelectedProductsAskingQuantity);
    ProductView* view = m_productView;
    connect(view->addfoodcmd, &QPushButton::clicked, this, [this] {
        rememberRows();
        m_entryDialog->openToAdd();
    });
    connect(view->editfoodcmd, &QPushButton::clicked, this, &pantrex1::changeSelectedProduct);
    connect(view, &ProductView::categoryChosen, m_entryDialog, &ProductEntryDialog::setChosenCategory);
    connect(m_entryDialog, &ProductEntryDialog::productSaved, this, [this] {
        m_productView->fillcatlist();
        m_productView->fillproductlist();
        m_shoppingList->reloadShoppingList();
    });
    connect(view->delfoodcmd, &QPushButton::clicked, this, &pantrex1::deleteSelectedProducts);
    connect(lofatcmd, &QAction::triggered, this, [this] { lofatcmd->setChecked(m_productView->toggleFatFilter()); });
    connect(locarbcmd, &QAction::triggered, this, [this] { locarbcmd->setChecked(m_productView->toggleCarbFilter()); });
}

void pantrex1::buildHints() {
    ProductView* view = m_productView;
    ShoppingListPanel* list = m_shoppingList;
    m_hints = new HoverHints(infolbl, this);
    m_hints->addButton(quitcmd, tr("Close the program."), true,
                       {view->addfoodcmd, view->delfoodcmd, view->editfoodcmd});
    m_hints->addButton(view->addfoodcmd, tr("Add a new item to the product list above."), true,
                       {view->delfoodcmd, view->editfoodcmd});
    m_hints->addButton(view->editfoodcmd, tr("Make changes to the product selected on the above list."), true,
                       {view->addfoodcmd, view->delfoodcmd, view->printmastercmd});
    m_hints->addButton(view->delfoodcmd, tr("Delete the selected product or products above."), true,
                       {view->addfoodcmd, view->editfoodcmd, view->printmastercmd});
    m_hints->addButton(view->allcmd, tr("Returns product window to the full list of products."), true);
    m_hints->addButton(list->addButton(), tr("Add the selected product(s) to shopping list."), true,
                       {list->removeButton()});
    m_hints->addButton(list->removeButton(), tr("Remove the selected item from the shopping list."), true,
                       {list->addButton()});
    m_hints->addButton(list->eraseButton(), tr("Erase your shopping list."));
    m_hints->addButton(list->printButton(), tr("Print your shopping list."));
    m_hints->addButton(m_chooser->proceedButton(), tr("Perform the chosen action on the selected items above."));
    for (QWidget* quiet :
         std::initializer_list<QWidget*>{view->Combo1, view->List1, Image1, list->rowsView(), list->costLabel(),
                                         view->pricelbl, m_chooser->listNamesView(), m_chooser->itemsView()})
        m_hints->addQuiet(quiet);
    QWidget* footer = centralWidget()->findChild<QWidget*>(QStringLiteral("footer"));
    for (QWidget* background :
         std::initializer_list<QWidget*>{centralWidget(), view, list, view->productlist, list->frame(), footer})
        m_hints->addBackground(background);
    m_hints->setBackgroundButtons({view->addfoodcmd, view->delfoodcmd, view->editfoodcmd, quitcmd, list->addButton(),
                                   list->removeButton(), view->allcmd, view->printmastercmd});
}

// The window sees key presses before its controls: F1 opens the help, F2 adds the selected
// products and lets the control have the key too, Esc quits.
bool pantrex1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QMainWindow::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    // A key travels up from the focus widget through its parents; act on its first delivery only.
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    if (widget != target || widget->window() != this || !isEnabled())
        return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_F1:
        showProgramHelp();
        return true;
    case Qt::Key_F2:
        addSelectedProducts();
        return false;
    case Qt::Key_Escape:
        quit();
        return true;
    default:
        return false;
    }
}

// Any close request (the close box, the window menu, the session ending) runs Quit instead, so
// the open list is always remembered; Quit then closes the window for good.
void pantrex1::closeEvent(QCloseEvent* event) {
    if (!m_finished)
        finishRun();
    event->setAccepted(m_finished);
}

// The rows to show again when the window comes back from the product entry dialog.
void pantrex1::rememberRows() {
    m_productView->rememberRows();
}

void pantrex1::changeSelectedProduct() {
    if (m_session.productCount() == 0)
        return;
    const int row = m_productView->currentRow();
    if (row < 0 || row >= m_productView->rowCount() || !m_productView->selectedRows().contains(row)) {
        Dialogs::Message box;
        box.text = tr("Select an item.");
        box.title = tr("Inventory");
        m_dialogs.message(box);
        return;
    }
    if (!m_productView->rowsAreCurrent()) {
        reloadAfterOutsideChange(m_session.productListPath());
        return;
    }
    rememberRows();
    m_entryDialog->openToChange(m_productView->recordAt(row));
}

void pantrex1::deleteSelectedProducts() {
    if (m_session.productCount() > 0 && !m_productView->rowsAreCurrent()) {
        reloadAfterOutsideChange(m_session.productListPath());
        return;
    }
    switch (deleteProducts(m_session, m_dialogs, m_productView->selectedRecords(), m_session.catalog().bytes())) {
    case DeletionOutcome::Nothing:
        break;
    case DeletionOutcome::ProductsLeft:
        m_productView->fillproductlist();
        break;
    case DeletionOutcome::ListEmptied:
        m_productView->emptyList();
        m_productView->pricelbl->clear();
        break;
    case DeletionOutcome::FileChanged:
        reloadAfterOutsideChange(m_session.productListPath());
        break;
    }
}

void pantrex1::addSelectedProducts() {
    m_shoppingList->addSelectedProducts();
}

} // namespace pantrex
