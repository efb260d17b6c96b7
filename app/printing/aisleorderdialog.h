// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QPoint>

class QDialogButtonBox;
class QLabel;
class QListWidget;

namespace pantrex {

class Dialogs;
class HoverButton;
class Session;

// The order in which the user walks the aisles of the store the open shopping list is for: the
// categories of the open product list, the saved order's first, which the user moves up and down
// (with the buttons, Ctrl+Up and Ctrl+Down, or by dragging them: a category pressed on moves along
// with the pointer, as the list shows at once). OK keeps the order beside the
// list; Cancel leaves everything as it was. A save that fails is told and the dialog stays open with
// the order as the user made it.
class AisleOrderDialog : public QDialog {
    Q_OBJECT

public:
    AisleOrderDialog(Session& session, Dialogs& dialogs, QWidget* parent);

    // Opens a new dialog over parent, which goes when it closes.
    static AisleOrderDialog* openOver(Session& session, Dialogs& dialogs, QWidget* parent);

    // The categories as the list shows them now, from the top.
    QList<QByteArray> categories() const;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void fillCategories();
    void moveSelected(int step);
    void moveTo(int row);
    int rowUnder(QPoint position) const;
    bool dragEvent(QEvent* event);
    void followSelection();

    Session& m_session;
    Dialogs& m_dialogs;
    QLabel* m_heading;
    QListWidget* m_list;
    HoverButton* m_upButton;
    HoverButton* m_downButton;
    QDialogButtonBox* m_buttons;
    bool m_dragging = false;
};

} // namespace pantrex
