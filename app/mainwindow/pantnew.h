// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pantrex {

class Dialogs;
struct PANTMOD;

// The New list dialog: asks for the name of a new shopping list and whether it gets a product
// list of its own. It is modeless. Once it has made the new list the open one it sets newlistflag,
// hides and activates the main window, whose activation shows the new list.
class pantnew : public QDialog {
    Q_OBJECT

public:
    pantnew(PANTMOD& pantmod, Dialogs& dialogs, QWidget* mainWindow);

    QLabel* Label1;
    QLineEdit* fnametxt;
    QPushButton* createcmd;
    QPushButton* cancelcmd;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createcmdClick();
    // The typed name as a list file name ("party" gives "party.lst"); "" after telling the user
    // why the name cannot be used.
    QString listFileName();
    // True when the list file holds anything; looked at without creating it.
    bool listTaken(const QString& name);
    // Makes the list file the open shopping list on channel 2. On failure the user is told, and
    // the list that was open stays open.
    bool openNewList(const QString& name);
    void oops(const QString& text, const QString& title);

    PANTMOD& m_pantmod;
    Dialogs& m_dialogs;
    QPointer<QWidget> m_mainWindow;
};

} // namespace pantrex
