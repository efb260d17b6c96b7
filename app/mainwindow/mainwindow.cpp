// SPDX-License-Identifier: MIT
// The main window: its panels, menus and keys; the start-up and quit; the list files it opens;
// what it opens for custom lists, printing and help; and what it does when another program
// changed a file behind its views.
#include "mainwindow.h"

#include "core/entrytext.h"
#include "core/session.h"
#include "customlists/customlistchooser.h"
#include "customlists/customlistops.h"
#include "data/ansitext.h"
#include "data/filenames.h"
#include "data/safefile.h"
#include "mainwindow/csvdialogue.h"
#include "mainwindow/hoverhints.h"
#include "mainwindow/listclipboard.h"
#include "mainwindow/mergedialogue.h"
#include "mainwindow/newlistdialog.h"
#include "mainwindow/printwindows.h"
#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "mainwindow/undocommand.h"
#include "phone/phoneview.h"
#include "platform/dialogs.h"
#include "platform/filechooser.h"
#include "platform/hoverbutton.h"
#include "platform/messages.h"
#include "platform/pictures.h"
#include "platform/qtdialogs.h"
#include "platform/qtfilechooser.h"
#include "printing/aisleorderdialog.h"
#include "products/deleteproducts.h"
#include "products/productentrydialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QVBoxLayout>
#include <memory>

namespace pantrex {

namespace {

QAction* addItem(QMenu* menu, const QString& objectName, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    return action;
}

} // namespace

MainWindow::MainWindow(Session& session, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("MainWindow"));
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

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

QWidget* MainWindow::buildFooter() {
    auto* footer = new QWidget(centralWidget());
    footer->setObjectName(QStringLiteral("footer"));
    m_basket = new QLabel(footer);
    m_basket->setObjectName(QStringLiteral("Image1"));
    m_basket->setAccessibleName(tr("Pantrex"));
    m_basket->setPixmap(basketPicture().pixmap(QSize(32, 32), devicePixelRatio()));
    m_hintLine = new QLabel(footer);
    m_hintLine->setObjectName(QStringLiteral("infolbl"));
    m_hintLine->setAccessibleDescription(tr("Hint"));
    m_hintLine->setMinimumWidth(200);
    m_quitButton = new HoverButton(QStringLiteral("quitcmd"), tr("&Quit"), footer);

    auto* layout = new QHBoxLayout(footer);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_basket);
    layout->addWidget(m_hintLine, 1);
    layout->addWidget(m_quitButton);
    return footer;
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("File"));
    file->setObjectName(QStringLiteral("filemenu"));
    m_openAction = addItem(file, QStringLiteral("openfilecmd"), tr("Open..."));
    m_newAction = addItem(file, QStringLiteral("newfilecmd"), tr("New..."));
    m_notesAction = addItem(file, QStringLiteral("notescmd"), tr("Notes"));
    // The open list on the phone's browser; nothing listens until the user starts it.
    m_phoneView = new PhoneView(m_session, this);
    connect(addItem(file, QStringLiteral("phoneviewcmd"), tr("Phone view...")), &QAction::triggered, m_phoneView,
            &PhoneView::showWindow);
    connect(addItem(file, QStringLiteral("aisleordercmd"), tr("Aisle order...")), &QAction::triggered, this,
            [this] { AisleOrderDialog::openOver(m_session, m_dialogs, this); });
    m_exitAction = addItem(file, QStringLiteral("exitcmd"), tr("Exit program"));

    QMenu* help = menuBar()->addMenu(tr("Help"));
    help->setObjectName(QStringLiteral("helpmenu"));
    m_helpAction = addItem(help, QStringLiteral("helpcmd"), tr("Program help"));
    m_aboutAction = addItem(help, QStringLiteral("aboutcmd"), tr("About"));

    QMenu* merge = menuBar()->addMenu(tr("&Import/export "));
    merge->setObjectName(QStringLiteral("mergemenu"));
    m_importAction = addItem(merge, QStringLiteral("mergecmd"), tr("Import"));
    m_importAction->setEnabled(false);
    m_exportAction = addItem(merge, QStringLiteral("exportcmd"), tr("Export"));
    // Products to and from spreadsheets and other programs.
    connect(addItem(merge, QStringLiteral("csvexportcmd"), tr("Export products as CSV...")), &QAction::triggered, this,
            [this] { exportProductsAsCsv(m_session, m_dialogs, fileChooser()); });
    connect(addItem(merge, QStringLiteral("csvimportcmd"), tr("Import products from CSV...")), &QAction::triggered,
            this, [this] {
                if (importProductsFromCsv(m_session, m_dialogs, fileChooser())) {
                    m_productView->fillProductList();
                    m_productView->fillCategoryList();
                }
            });
    m_importHelpAction = addItem(merge, QStringLiteral("mergehelpcmd"), tr("Help"));

    m_customListsMenu = menuBar()->addMenu(tr("&Custom lists"));
    m_customListsMenu->setObjectName(QStringLiteral("recipemenu"));
    addItem(m_customListsMenu, QStringLiteral("recmakecmd"), tr("CREATE a list"));
    addItem(m_customListsMenu, QStringLiteral("recaddcmd"), tr("ADD to a list"));
    addItem(m_customListsMenu, QStringLiteral("receditcmd"), tr("REMOVE item(s) from a list"));
    addItem(m_customListsMenu, QStringLiteral("recpreview"), tr("PREVIEW a list"));
    addItem(m_customListsMenu, QStringLiteral("recgetcmd"), tr("GET custom item(s) for shopping list"));
    addItem(m_customListsMenu, QStringLiteral("recdelete"), tr("DELETE a list"));
    addItem(m_customListsMenu, QStringLiteral("saveshopcmd"), tr("SAVE current shopping list as custom"));
    addItem(m_customListsMenu, QStringLiteral("rechelpcmd"), tr("Help"));

    QMenu* filters = menuBar()->addMenu(tr("Filters"));
    filters->setObjectName(QStringLiteral("filtersmenu"));
    m_noHighFatAction = addItem(filters, QStringLiteral("lofatcmd"), tr("Fats"));
    m_noHighFatAction->setCheckable(true);
    m_noHighCarbAction = addItem(filters, QStringLiteral("locarbcmd"), tr("Carbohydrates"));
    m_noHighCarbAction->setCheckable(true);

    // Last, so that the menus keep the places and keys they always had.
    QMenu* edit = menuBar()->addMenu(tr("Edit"));
    edit->setObjectName(QStringLiteral("editmenu"));
    auto* undo = new UndoCommand(m_session, m_dialogs, *addItem(edit, QStringLiteral("undocmd"), tr("Undo")));
    connect(undo, &UndoCommand::filesRestored, this, [this] {
        m_productView->fillCategoryList();
        m_productView->fillProductList();
        m_shoppingList->reloadShoppingList();
    });
}

void MainWindow::connectActions() {
    auto* clipboard = new ListClipboard(m_session, m_dialogs, *m_shoppingList->rowsView());
    connect(clipboard, &ListClipboard::productsAdded, this, [this] {
        m_productView->fillCategoryList();
        m_productView->fillProductList();
    });
    connect(clipboard, &ListClipboard::itemsAdded, m_shoppingList, &ShoppingListPanel::reloadShoppingList);
    connect(m_quitButton, &QPushButton::clicked, this, &MainWindow::quit);
    connect(m_exitAction, &QAction::triggered, this, &MainWindow::quit);
    connect(m_productView, &ProductView::rowsShown, m_shoppingList->addButton(), &QWidget::setEnabled);
    connect(m_productView, &ProductView::productDoubleClicked, m_shoppingList,
            &ShoppingListPanel::addSelectedProductsAskingQuantity);
    ProductView* view = m_productView;
    connect(view->newButton(), &QPushButton::clicked, this, [this] {
        rememberRows();
        m_entryDialog->openToAdd();
    });
    connect(view->editButton(), &QPushButton::clicked, this, &MainWindow::changeSelectedProduct);
    connect(view, &ProductView::categoryChosen, m_entryDialog, &ProductEntryDialog::setChosenCategory);
    connect(m_entryDialog, &ProductEntryDialog::productSaved, this, [this] {
        m_productView->fillCategoryList();
        m_productView->fillProductList();
        m_shoppingList->reloadShoppingList();
    });
    connect(view->deleteButton(), &QPushButton::clicked, this, &MainWindow::deleteSelectedProducts);
    connect(m_noHighFatAction, &QAction::triggered, this,
            [this] { m_noHighFatAction->setChecked(m_productView->toggleFatFilter()); });
    connect(m_noHighCarbAction, &QAction::triggered, this,
            [this] { m_noHighCarbAction->setChecked(m_productView->toggleCarbFilter()); });
}

void MainWindow::buildHints() {
    ProductView* view = m_productView;
    ShoppingListPanel* list = m_shoppingList;
    m_hints = new HoverHints(m_hintLine, this);
    m_hints->addButton(m_quitButton, tr("Close the program."), true,
                       {view->newButton(), view->deleteButton(), view->editButton()});
    m_hints->addButton(view->newButton(), tr("Add a new item to the product list above."), true,
                       {view->deleteButton(), view->editButton()});
    m_hints->addButton(view->editButton(), tr("Make changes to the product selected on the above list."), true,
                       {view->newButton(), view->deleteButton(), view->printButton()});
    m_hints->addButton(view->deleteButton(), tr("Delete the selected product or products above."), true,
                       {view->newButton(), view->editButton(), view->printButton()});
    m_hints->addButton(view->allButton(), tr("Returns product window to the full list of products."), true);
    m_hints->addButton(list->addButton(), tr("Add the selected product(s) to shopping list."), true,
                       {list->removeButton()});
    m_hints->addButton(list->removeButton(), tr("Remove the selected item from the shopping list."), true,
                       {list->addButton()});
    m_hints->addButton(list->eraseButton(), tr("Erase your shopping list."));
    m_hints->addButton(list->printButton(), tr("Print your shopping list."));
    m_hints->addButton(m_chooser->proceedButton(), tr("Perform the chosen action on the selected items above."));
    for (QWidget* quiet : std::initializer_list<QWidget*>{view->categoryList(), view->productList(), m_basket,
                                                          list->rowsView(), list->costLabel(), view->priceLabel(),
                                                          m_chooser->listNamesView(), m_chooser->itemsView()})
        m_hints->addQuiet(quiet);
    QWidget* footer = centralWidget()->findChild<QWidget*>(QStringLiteral("footer"));
    for (QWidget* background :
         std::initializer_list<QWidget*>{centralWidget(), view, list, view->productFrame(), list->frame(), footer})
        m_hints->addBackground(background);
    m_hints->setBackgroundButtons({view->newButton(), view->deleteButton(), view->editButton(), m_quitButton,
                                   list->addButton(), list->removeButton(), view->allButton(), view->printButton()});
}

// The window sees key presses before its controls: F1 opens the help, F2 adds the selected
// products and lets the control have the key too, Esc quits.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
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
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_finished)
        finishRun();
    event->setAccepted(m_finished);
}

// The rows to show again when the window comes back from the product entry dialog.
void MainWindow::rememberRows() {
    m_productView->rememberRows();
}

void MainWindow::changeSelectedProduct() {
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

void MainWindow::deleteSelectedProducts() {
    if (m_session.productCount() > 0 && !m_productView->rowsAreCurrent()) {
        reloadAfterOutsideChange(m_session.productListPath());
        return;
    }
    switch (deleteProducts(m_session, m_dialogs, m_productView->selectedRecords(), m_session.catalog().bytes())) {
    case DeletionOutcome::Nothing:
        break;
    case DeletionOutcome::ProductsLeft:
        m_productView->fillProductList();
        break;
    case DeletionOutcome::ListEmptied:
        m_productView->emptyList();
        m_productView->priceLabel()->clear();
        break;
    case DeletionOutcome::FileChanged:
        reloadAfterOutsideChange(m_session.productListPath());
        break;
    }
}

void MainWindow::addSelectedProducts() {
    m_shoppingList->addSelectedProducts();
}

void MainWindow::load() {
    show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    Session& session = m_session;
    report(m_dialogs, session.openDefaultProducts(!m_loaded));
    if (!m_loaded)
        report(m_dialogs, session.takeOverOldList());

    report(m_dialogs, session.openShoppingList());
    pickProductList();
    m_shoppingList->setCaptionFromTotal();
    openMergeProbe();

    if (!m_loaded) {
        m_productView->showAllCategories();
        m_productView->allButton()->setEnabled(false);
    }
    if (m_session.productCount() > 0)
        m_productView->fillProductList();
    if (m_session.shoppingCount() == 0)
        m_shoppingList->showEmptyList();
    else
        m_shoppingList->reloadShoppingList();
    if (m_session.productCount() > 0)
        m_productView->fillCategoryList();
    if (m_session.productCount() != 0)
        m_productView->showCurrentPrice();
    if (m_session.shoppingCount() != 0 && m_shoppingList->currentRow() >= 0)
        m_shoppingList->showCurrentCost();
    m_loaded = true;
}

void MainWindow::pickProductList() {
    report(m_dialogs, m_session.chooseProductList());
    m_productView->fillProductList();
    m_productView->fillCategoryList();
}

// Import is offered only while a merge file with products lies beside the product list.
void MainWindow::openMergeProbe() {
    report(m_dialogs, m_session.probeMergeFile());
    m_importAction->setEnabled(m_session.importOffered());
}

// A list just created is empty; its product list is opened (and, when it is its own, made).
void MainWindow::showNewList() {
    m_shoppingList->showEmptyList();
    m_shoppingList->setCaption(baseName(m_session.shoppingListPath()) + QStringLiteral(" ($0.00)"));
    leaveCustomMode();
    if (!m_session.openProductList(m_session.productListPath()))
        reportFileError(m_session.files().errorString());
    m_productView->emptyList();
    m_productView->fillCategoryList();
    m_productView->fillProductList();
    m_shoppingList->reloadShoppingList();
    openMergeProbe();
}

void MainWindow::quit() {
    if (!m_finished && finishRun())
        close();
}

bool MainWindow::finishRun() {
    Session& session = m_session;
    const bool rowsShown = m_productView->rowCount() > 0 || m_shoppingList->rowCount() > 0;
    if (session.listToEliminate(rowsShown)) {
        // The user may still keep the empty list by cancelling.
        if (ask(m_dialogs, tr("%1 is empty and will be eliminated.").arg(session.shoppingListPath()), QString(),
                Dialogs::Buttons::OkCancel, Dialogs::Icon::Exclamation) != Dialogs::Answer::Ok)
            return false;
        report(m_dialogs, session.eliminateEmptyList());
    } else {
        report(m_dialogs, session.rememberListName());
    }
    m_phoneView->stop();
    session.files().closeAll();
    m_finished = true;
    Q_EMIT finished();
    return true;
}

void MainWindow::reportFileError(const QString& error) {
    showFileError(m_dialogs, error);
}

void MainWindow::connectListFiles() {
    connect(m_openAction, &QAction::triggered, this, &MainWindow::openList);
    connect(m_newAction, &QAction::triggered, this, &MainWindow::newList);
    connect(m_exportAction, &QAction::triggered, this, &MainWindow::exportProductList);
    connect(m_importAction, &QAction::triggered, this, &MainWindow::importMergedProducts);
}

void MainWindow::setFileChooser(FileChooser* chooser) {
    m_fileChooser = chooser;
}

FileChooser& MainWindow::fileChooser() {
    if (!m_fileChooser) {
        m_ownFileChooser = std::make_unique<QtFileChooser>(this);
        m_fileChooser = m_ownFileChooser.get();
    }
    return *m_fileChooser;
}

void MainWindow::openList() {
    FileChooser::Request request;
    request.title = tr("Open a Shopping List");
    request.filter = tr("Pantrex Lists (*.lst)");
    request.folder = m_session.files().folder().absolutePath();
    const QString chosen = fileChooser().openFile(request);
    if (chosen.isEmpty())
        return;
    // Lists are always opened by their bare names in the working folder. Only shopping lists are
    // opened as one: a product list or another data file taken for a list would be written over.
    const QString name = QFileInfo(chosen).fileName();
    if (!isShoppingListName(name)) {
        inform(m_dialogs, tr("%1 is not a shopping list.  Shopping lists end in .lst.").arg(name));
        return;
    }
    // A list that cannot be opened (or, when missing, created) leaves the open one as it was.
    RecordFile probe(m_session.files().pathOf(name), ShoppingRecord::Length);
    if (!probe.open()) {
        reportFileError(probe.errorString());
        return;
    }
    probe.close();

    m_session.setDefaultListWarned(false);
    leaveCustomMode();
    m_session.setShoppingListPath(name);
    // Nothing of the last product list stays in view, even when the new one turns out empty.
    m_productView->emptyList();
    pickProductList();
    loadShoppingList();
    m_productView->fillProductList();
    m_productView->fillCategoryList();
    openMergeProbe();
}

void MainWindow::loadShoppingList() {
    report(m_dialogs, m_session.openShoppingList());
    if (m_session.shoppingCount() == 0) {
        m_shoppingList->showEmptyList();
        return;
    }
    m_productView->showAllCategories();
    m_productView->searchEdit()->clear();
    m_shoppingList->reloadShoppingList();
}

void MainWindow::newList() {
    delete m_newList;
    m_newList = new NewListDialog(m_session, m_dialogs, this);
    connect(m_newList, &NewListDialog::listCreated, this, &MainWindow::showNewList);
    m_newList->show();
    m_newList->raise();
    m_newList->activateWindow();
}

void MainWindow::exportProductList() {
    exportProducts(m_session, m_dialogs);
}

void MainWindow::importMergedProducts() {
    if (importProducts(m_session, m_dialogs, *m_importAction)) {
        m_productView->fillProductList();
        m_productView->fillCategoryList();
    }
}

void MainWindow::connectCustomLists() {
    CustomListChooser* chooser = m_chooser;
    ShoppingListPanel* list = m_shoppingList;
    chooser->setProductSelection([this] { return m_productView->selectedRecords(); });
    connect(chooser, &CustomListChooser::placeRequested, list, &ShoppingListPanel::showChooser);
    connect(chooser, &CustomListChooser::headingRequested, list, &ShoppingListPanel::showHeading);
    connect(chooser, &CustomListChooser::shoppingListChanged, list, &ShoppingListPanel::reloadShoppingList);

    auto onItem = [this](const char* name, auto handler) {
        if (QAction* item = m_customListsMenu->findChild<QAction*>(QLatin1String(name)))
            connect(item, &QAction::triggered, this, handler);
    };
    using Mode = CustomListChooser::Mode;
    onItem("recmakecmd", [this] { createList(m_chooser->lists(), m_dialogs, m_productView->selectedRecords()); });
    onItem("recaddcmd", [chooser] { chooser->choose(Mode::Add); });
    onItem("receditcmd", [chooser] { chooser->choose(Mode::Remove); });
    onItem("recpreview", [chooser] { chooser->choose(Mode::Preview); });
    onItem("recgetcmd", [chooser] { chooser->choose(Mode::Get); });
    onItem("recdelete", [chooser] { chooser->choose(Mode::Delete); });
    onItem("saveshopcmd", [this] { saveShoppingList(m_chooser->lists(), m_dialogs); });
}

void MainWindow::leaveCustomMode() {
    m_chooser->leaveCustomMode();
}

void MainWindow::connectOutsideChanges() {
    connect(m_shoppingList, &ShoppingListPanel::changedUnderneath, this, &MainWindow::reloadAfterOutsideChange);
}

void MainWindow::reloadAfterOutsideChange(const QString& fileName) {
    m_productView->reload();
    m_shoppingList->reloadShoppingList();
    Dialogs::Message box;
    box.text = tr("%1 was changed by another program.  Nothing was changed here; the lists have been "
                  "reloaded, so please look them over and try again.")
                   .arg(fileName);
    box.icon = Dialogs::Icon::Exclamation;
    m_dialogs.message(box);
}

void MainWindow::setLinePrinter(LinePrinter* printer) {
    m_printing->setPrinter(printer);
}

void MainWindow::showProgramHelp() {
    m_printing->openHelp(HelpTopic::Program);
}

void MainWindow::connectPrinting() {
    m_printing = new PrintWindows(m_session, m_dialogs, this, m_hints);
    connect(m_shoppingList->printButton(), &QPushButton::clicked, m_printing, &PrintWindows::openPrintDialog);
    connect(m_productView->printButton(), &QPushButton::clicked, m_printing,
            [this] { m_printing->printProducts(*m_productView); });
    connect(m_notesAction, &QAction::triggered, m_printing, &PrintWindows::openNotes);
    connect(m_helpAction, &QAction::triggered, this, &MainWindow::showProgramHelp);
    connect(m_importHelpAction, &QAction::triggered, m_printing,
            [this] { m_printing->openHelp(HelpTopic::ImportExport); });
    for (QAction* item : m_customListsMenu->actions()) {
        if (item->objectName() == QLatin1String("rechelpcmd"))
            connect(item, &QAction::triggered, m_printing, [this] { m_printing->openHelp(HelpTopic::CustomLists); });
    }
    connect(m_aboutAction, &QAction::triggered, m_printing, &PrintWindows::openAbout);

    ProductView* view = m_productView;
    m_hints->addButton(view->printButton(), tr("Print the product list shown above."), true,
                       {view->newButton(), view->deleteButton()});
}

} // namespace pantrex
