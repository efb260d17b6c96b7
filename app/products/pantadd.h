// SPDX-License-Identifier: MIT
#pragma once

#include "data/records.h"

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
class RecordFile;
struct PANTMOD;

// The product entry dialog: adds products to the open product list, or changes one, and can put
// a new product on the shopping list at once. It is modeless. When it returns it leaves addflag
// or editflag set, hides and activates the main window, whose activation rebuilds its views.
//
// The dialog keeps its own mode from opening until it returns: the main window's activation
// clears the flags whenever the user goes back to it, and the dialog must still save what the
// user asked for when the user comes back and presses a save button.
class pantadd : public QDialog {
    Q_OBJECT

public:
    pantadd(PANTMOD& pantmod, Dialogs& dialogs, QWidget* mainWindow);

    enum class Mode { Closed, Adding, Changing };
    Mode mode() const { return m_mode; }

    // Opens the dialog afresh to add products (the main window's "New").
    void openToAdd();
    // Opens the dialog afresh to change product recordNumber of the product list ("Edit").
    void openToChange(qint64 recordNumber);

    QLabel* Label1;
    QLineEdit* itemtxt;
    QLabel* Label3;
    QLineEdit* pricetxt;
    QLabel* Label2;
    QComboBox* Combo1;
    HoverButton* categorycmd;
    QLabel* Label4;
    QCheckBox* fatchk;
    QCheckBox* carbchk;
    QFrame* Panel3D1;
    HoverButton* savecmd;
    HoverButton* addmorecmd;
    HoverButton* quitcmd;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Esc returns as "Return with no save" does.
    void reject() override;

private:
    void buildControls();
    void buildLayout();
    void openAfresh(Mode mode);
    void loadproduct();
    void fillcategories();
    void enableSaveButtons();
    void disableSaveButtons();

    // What happens when a field is left for another control of the dialog. Returns false when
    // the price was refused (the focus is back in the price box).
    bool leaveField(QWidget* field);
    bool leaveFocusedField();
    bool checkPrice();
    void tidyItemName();
    void tidyCategory();

    // The buttons (pantaddsave.cpp).
    void savecmdClick();
    void addmorecmdClick();
    void quitcmdClick();
    void categorycmdClick();
    bool entriesComplete();
    Record buildRecord(bool trimCategory) const;
    bool appendProduct(const Record& record);
    bool changeProduct(const Record& record);
    bool productUnchangedSinceLoad(RecordFile& products);
    void offerShoppingList(const Record& product, int defaultButton);
    void returnToMainWindow(bool refresh);

    PANTMOD& m_pantmod;
    Dialogs& m_dialogs;
    QPointer<QWidget> m_mainWindow;
    Mode m_mode = Mode::Closed;
    // The product being changed: its number, the file it is in and its bytes when loaded.
    qint64 m_recordNumber = 0;
    QString m_productFilePath;
    QByteArray m_loadedBytes;
    // Set once something was written while the dialog was open, so that leaving it with
    // "Return with no save" still lets the main window show it.
    bool m_wroteFiles = false;
    // The categories in the category box, in its order.
    QList<QByteArray> m_categories;
};

} // namespace pantrex
