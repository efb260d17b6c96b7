// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QPointer>

class QLineEdit;

namespace pantrex {

class Dialogs;
class Session;

// The New list dialog: asks for the name of a new shopping list and whether it gets a product
// list of its own. It is modeless. Once the session has made the new list the open one, the dialog
// hides, brings the main window forward and says so.
class NewListDialog : public QDialog {
    Q_OBJECT

public:
    NewListDialog(Session& session, Dialogs& dialogs, QWidget* mainWindow);

Q_SIGNALS:
    // The new list is the open shopping list now, with its product list chosen.
    void listCreated();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void create();
    // The typed name as a list file name ("party" gives "party.lst"); "" after telling the user
    // why the name cannot be used.
    QString listFileName();
    void oops(const QString& text, const QString& title);

    Session& m_session;
    Dialogs& m_dialogs;
    QPointer<QWidget> m_mainWindow;
    QLineEdit* m_nameEdit;
};

} // namespace pantrex
