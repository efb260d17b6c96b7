// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QLabel;
class QMenu;

namespace pantrex {

class CustomListChooser;
class Dialogs;
class FileChooser;
class HoverButton;
class HoverHints;
class LinePrinter;
class ProductView;
class ShoppingListPanel;
class ProductEntryDialog;
class PrintWindows;
class NewListDialog;
class PhoneView;
class Session;

// The main window: the product view on the left, the shopping list on the right, the hint line
// and the menus. It runs the session's start-up at load, rebuilds its views when a dialog or the
// session says what changed, and on Quit remembers the open list or removes an empty one.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows the window and opens the shopping list and product list of the last run.
    void load();
    // Chooses and opens the product list that belongs to the open shopping list.
    void pickProductList();
    // Remembers the open list (or removes an empty one), closes all files and finishes.
    void quit();
    // Ends custom-list mode: the chooser gives the shopping list its place and heading back.
    void leaveCustomMode();
    // The printer every printout goes to (not owned); without one, the system's printer or PDF
    // files in the working folder.
    void setLinePrinter(LinePrinter* printer);
    // Opens the shopping list named by the session on channel 2 and shows it.
    void loadShoppingList();
    // The file-open dialog "Open..." uses; without one the window makes its own.
    void setFileChooser(FileChooser* chooser);

    ProductView* productView() const { return m_productView; }
    ShoppingListPanel* shoppingList() const { return m_shoppingList; }
    CustomListChooser* chooser() const { return m_chooser; }
    // The phone view: its server, stopped until started, and its window.
    PhoneView& phoneView() const { return *m_phoneView; }

Q_SIGNALS:
    // The program has quit: every file is closed and the event loop may end.
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildHints();
    void connectActions();
    // Open, New, Export and Import.
    void connectListFiles();
    void openList();
    void newList();
    void exportProductList();
    void importMergedProducts();
    FileChooser& fileChooser();
    // The Custom lists menu and the chooser.
    void connectCustomLists();
    // Printing, notes, help and the about box.
    void connectPrinting();
    // Another program changed a file behind the lists.
    void connectOutsideChanges();
    void reloadAfterOutsideChange(const QString& fileName);
    QWidget* buildFooter();
    void showNewList();
    // Runs the add operation of the shopping list (F2).
    void addSelectedProducts();
    void rememberRows();
    void changeSelectedProduct();
    void deleteSelectedProducts();
    // Opens the program help (F1).
    void showProgramHelp();
    void openMergeProbe();
    // Quit without closing the window: true once the program has finished.
    bool finishRun();
    // Tells the user that a file could not be used, in the file layer's words.
    void reportFileError(const QString& error);

    Session& m_session;
    Dialogs& m_dialogs;
    QLabel* m_hintLine;
    QLabel* m_basket;
    HoverButton* m_quitButton;

    QAction* m_openAction;
    QAction* m_newAction;
    QAction* m_notesAction;
    QAction* m_exitAction;
    QAction* m_helpAction;
    QAction* m_aboutAction;
    QAction* m_importAction;
    QAction* m_exportAction;
    QAction* m_importHelpAction;
    QMenu* m_customListsMenu;
    QAction* m_noHighFatAction;
    QAction* m_noHighCarbAction;
    ProductView* m_productView;
    ShoppingListPanel* m_shoppingList;
    CustomListChooser* m_chooser;
    HoverHints* m_hints = nullptr;
    ProductEntryDialog* m_entryDialog = nullptr;
    PrintWindows* m_printing = nullptr;
    PhoneView* m_phoneView = nullptr;
    QPointer<NewListDialog> m_newList;
    FileChooser* m_fileChooser = nullptr;
    std::unique_ptr<FileChooser> m_ownFileChooser;
    bool m_finished = false;
    bool m_loaded = false; // once the first load has finished
};

} // namespace pantrex
