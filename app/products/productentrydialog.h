// SPDX-License-Identifier: MIT
#pragma once

#include "core/productoperations.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace pantrex {

class Dialogs;
class HoverButton;
class Session;

// The product entry dialog: adds products to the open product list, or changes one, and can put
// a new product on the shopping list at once. It is modeless. Whenever it has written the files it
// says so (productSaved), for the main window to show them anew; returning after a save hides it
// and activates the main window.
//
// The dialog keeps its own mode from opening until it returns, so that it still saves what the
// user asked for when the user went to the main window and comes back to press a save button.
class ProductEntryDialog : public QDialog {
    Q_OBJECT

public:
    ProductEntryDialog(Session& session, Dialogs& dialogs, QWidget* mainWindow);

    enum class Mode { Closed, Adding, Changing };
    Mode mode() const { return m_mode; }

    // Opens the dialog afresh to add products (the main window's "New").
    void openToAdd();
    // Opens the dialog afresh to change product recordNumber of the product list ("Edit").
    void openToChange(qint64 recordNumber);
    // The category the user chose in the product view (as shown, in the code page): a new
    // product starts in it.
    void setChosenCategory(const QByteArray& category);

Q_SIGNALS:
    // Products, the shopping list or a category's name were written.
    void productSaved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Esc returns as "Return with no save" does.
    void reject() override;

private:
    void buildControls();
    void buildLayout();
    void openAfresh(Mode mode);
    void loadProduct();
    void fillCategories();
    void enableSaveButtons();
    void disableSaveButtons();

    // What happens when a field is left for another control of the dialog. Returns false when
    // the price was refused (the focus is back in the price box).
    bool leaveField(QWidget* field);
    bool leaveFocusedField();
    bool checkPrice();
    void tidyItemName();
    void tidyCategory();

    // The buttons.
    void saveAndReturn();
    void saveAndAddAnother();
    void returnWithoutSave();
    void renameCategory();
    bool entriesComplete();
    Record buildRecord(bool trimCategory) const;
    bool appendProduct(const Record& record);
    bool changeProduct(const Record& record);
    void offerShoppingList(const Record& product, int defaultButton);
    QString askQuantity();
    void returnToMainWindow(bool refresh);

    Session& m_session;
    Dialogs& m_dialogs;
    ProductOperations m_products;
    QPointer<QWidget> m_mainWindow;
    Mode m_mode = Mode::Closed;
    // The product being changed: its number, the file it is in and its bytes when loaded.
    LoadedProduct m_loaded;
    // Set once something was written while the dialog was open, so that leaving it with
    // "Return with no save" still activates the main window.
    bool m_wroteFiles = false;
    // The categories in the category box, in its order.
    QList<QByteArray> m_categories;
    // The category last chosen in the product view, or of the product last opened for a change.
    QByteArray m_currentCategory;

    QLabel* m_nameLabel;
    QLineEdit* m_nameEdit;
    QLabel* m_priceLabel;
    QLineEdit* m_priceEdit;
    QLabel* m_categoryLabel;
    QComboBox* m_categoryBox;
    HoverButton* m_renameCategoryButton;
    QLabel* m_marksLabel;
    QCheckBox* m_highFatCheck;
    QCheckBox* m_highCarbCheck;
    QFrame* m_buttonPanel;
    HoverButton* m_saveButton;
    HoverButton* m_addAnotherButton;
    HoverButton* m_returnButton;
};

} // namespace pantrex
