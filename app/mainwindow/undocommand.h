// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace pantrex {

class Dialogs;
class Session;

// The Edit menu's "Undo": its caption names the change it takes back ("Undo Erase list") and follows
// the history; choosing it puts the files back and tells the user what could not be.
class UndoCommand : public QObject {
    Q_OBJECT

public:
    UndoCommand(Session& session, Dialogs& dialogs, QAction& action);

    void undo();

Q_SIGNALS:
    // Files were put back: what shows the product list and the shopping list must be rebuilt.
    void filesRestored();

private:
    void showCaption();

    Session& m_session;
    Dialogs& m_dialogs;
    QAction& m_action;
};

} // namespace pantrex
