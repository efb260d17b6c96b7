// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QAbstractItemView;
class QAction;
class QMenu;
class QMainWindow;
class QWidget;

// What the tour does with Pantrex's windows: find controls by their names, click and type as a
// user does, answer the message and input boxes, and photograph windows off the screen with
// ImageMagick's `import`, cropped to their frames.
namespace tour {

// Stops the tour with a message when a control it needs is not there.
[[noreturn]] void lost(const QString& what);

QWidget* control(QWidget* window, const QString& name);
template <class T> T* control(QWidget* window, const QString& name) {
    auto* found = dynamic_cast<T*>(control(window, name));
    if (!found)
        lost(name + QStringLiteral(" is not of the kind expected"));
    return found;
}
// The top-level window of this name (a dialog made on demand, say).
QWidget* window(const QString& name);

// Lets the window system and the program catch up.
void settle(int milliseconds = 300);
void click(QWidget* widget);
void type(QWidget* widget, const QString& text);
// Clicks the row showing this text; with `more` it is added to the selection (Ctrl+click).
void clickRow(QAbstractItemView* view, const QString& text, bool more = false);
void doubleClickRow(QAbstractItemView* view, const QString& text);
// Opens a menu of the menu bar by clicking its title, as a user does.
QMenu* openMenu(QMainWindow* window, QMenu* menu);
// Opens the menu and clicks the item; with a picture name the open menu is photographed first.
void chooseFromMenu(QMainWindow* window, const QString& menu, const QString& action,
                    const QString& picture = QString());

// Photographs the windows (with their frames) as one picture, shots/NAME.png.
void shoot(const QString& name, const QList<QWidget*>& windows);

// What to do with the next box the program shows: it is handed the box (a QMessageBox or a
// QInputDialog) once it is on the screen, and must close it.
using BoxHandler = std::function<void(QWidget* box)>;
// Handles the boxes the next step shows, in this order; a box beyond them stops the tour.
void expectBoxes(QList<BoxHandler> handlers);
// True once every expected box has been handled.
bool boxesDone();

// Ready-made handlers: press a box's button by its text ("Yes", "OK"); type an answer into an
// input box and press OK. With a picture name, the box is photographed over `behind` first.
BoxHandler press(const QString& button, const QString& picture = QString(), QWidget* behind = nullptr);
BoxHandler answer(const QString& text, const QString& picture = QString(), QWidget* behind = nullptr);

// Where the pictures go.
void setShotsFolder(const QString& folder);

} // namespace tour
