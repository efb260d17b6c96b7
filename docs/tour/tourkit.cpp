// SPDX-License-Identifier: MIT
#include "tourkit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace tour {

namespace {

QString shotsFolder = QStringLiteral(".");
QList<BoxHandler> pendingBoxes;
QPointer<QWidget> lastBox;
QTimer* boxWatch = nullptr;

QString withoutAccessKey(QString text) {
    return text.remove(QLatin1Char('&'));
}

QModelIndex rowOf(QAbstractItemView* view, const QString& text) {
    QAbstractItemModel* model = view->model();
    const QModelIndex first = model->index(0, 0, view->rootIndex());
    for (const Qt::MatchFlags how :
         {Qt::MatchFixedString | Qt::MatchCaseSensitive, Qt::MatchFlags(Qt::MatchContains)}) {
        const QModelIndexList found = model->match(first, Qt::DisplayRole, text, 1, how);
        if (!found.isEmpty())
            return found.constFirst();
    }
    lost(QStringLiteral("no row \"%1\" in %2").arg(text, view->objectName()));
}

QPoint showRow(QAbstractItemView* view, const QString& text) {
    const QModelIndex row = rowOf(view, text);
    view->scrollTo(row);
    return view->visualRect(row).center();
}

// A new box on the screen goes to the next handler; the watch sleeps while a handler runs, since
// handlers wait for the screen themselves.
void watchForBoxes() {
    QWidget* box = QApplication::activeModalWidget();
    if (!box || box == lastBox || !box->isVisible())
        return;
    if (pendingBoxes.isEmpty()) {
        QStringList texts;
        for (auto* label : box->findChildren<QLabel*>())
            texts << label->text();
        lost(QStringLiteral("a box nobody expected: ") + texts.join(QLatin1Char(' ')));
    }
    lastBox = box;
    boxWatch->stop();
    const BoxHandler handler = pendingBoxes.takeFirst();
    settle();
    handler(box);
    boxWatch->start();
}

} // namespace

void lost(const QString& what) {
    std::fprintf(stderr, "pantrex_tour: %s\n", qPrintable(what));
    std::exit(1);
}

QWidget* control(QWidget* window, const QString& name) {
    auto* found = window->findChild<QWidget*>(name);
    if (!found)
        lost(QStringLiteral("no control %1 in %2").arg(name, window->objectName()));
    return found;
}

QWidget* window(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name && top->isVisible())
            return top;
    }
    lost(QStringLiteral("no window %1 on the screen").arg(name));
}

void settle(int milliseconds) {
    QTest::qWait(milliseconds);
}

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    settle(150);
}

void type(QWidget* widget, const QString& text) {
    widget->setFocus();
    QTest::keyClicks(widget, text, {}, 20);
}

void clickRow(QAbstractItemView* view, const QString& text, bool more) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, more ? Qt::ControlModifier : Qt::NoModifier,
                      showRow(view, text));
    settle(100);
}

void doubleClickRow(QAbstractItemView* view, const QString& text) {
    clickRow(view, text);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, showRow(view, text));
    settle(100);
}

QMenu* openMenu(QMainWindow* window, QMenu* menu) {
    QMenuBar* bar = window->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    settle();
    if (!menu->isVisible())
        lost(menu->objectName() + QStringLiteral(" did not open"));
    return menu;
}

void chooseFromMenu(QMainWindow* window, const QString& menuName, const QString& actionName, const QString& picture) {
    QMenu* menu = openMenu(window, control<QMenu>(window, menuName));
    if (!picture.isEmpty())
        shoot(picture, {window, menu});
    auto* action = window->findChild<QAction*>(actionName);
    if (!action || !menu->actions().contains(action))
        lost(QStringLiteral("no item %1 in %2").arg(actionName, menuName));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    settle();
}

void shoot(const QString& name, const QList<QWidget*>& windows) {
    settle(500);
    QRect area;
    for (QWidget* window : windows) {
        if (window && window->isVisible())
            area |= window->frameGeometry();
    }
    area &= QGuiApplication::primaryScreen()->geometry();
    if (area.isEmpty())
        lost(QStringLiteral("nothing on the screen for ") + name);
    const QString file = QDir(shotsFolder).filePath(name + QStringLiteral(".png"));
    const QString crop = QStringLiteral("%1x%2+%3+%4").arg(area.width()).arg(area.height()).arg(area.x()).arg(area.y());
    const int status = QProcess::execute(QStringLiteral("import"),
                                         {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"),
                                          crop, QStringLiteral("+repage"), QStringLiteral("-strip"), file});
    if (status != 0)
        lost(QStringLiteral("import could not take ") + file);
    std::printf("%s\n", qPrintable(file));
}

void expectBoxes(QList<BoxHandler> handlers) {
    if (!pendingBoxes.isEmpty())
        lost(QStringLiteral("%1 box(es) expected earlier never came").arg(pendingBoxes.size()));
    pendingBoxes = std::move(handlers);
    if (!boxWatch) {
        boxWatch = new QTimer(qApp);
        boxWatch->setInterval(50);
        QObject::connect(boxWatch, &QTimer::timeout, watchForBoxes);
    }
    boxWatch->start();
}

bool boxesDone() {
    return pendingBoxes.isEmpty();
}

BoxHandler press(const QString& button, const QString& picture, QWidget* behind) {
    return [button, picture, behind](QWidget* box) {
        if (!picture.isEmpty())
            shoot(picture, {behind, box});
        for (auto* candidate : box->findChildren<QAbstractButton*>()) {
            if (withoutAccessKey(candidate->text()) == button && candidate->isVisible()) {
                if (!candidate->isEnabled())
                    lost(QStringLiteral("the button %1 cannot be pressed").arg(button));
                click(candidate);
                return;
            }
        }
        lost(QStringLiteral("no button %1 on the box").arg(button));
    };
}

BoxHandler answer(const QString& text, const QString& picture, QWidget* behind) {
    return [text, picture, behind](QWidget* box) {
        auto* edit = box->findChild<QLineEdit*>();
        if (!edit)
            lost(QStringLiteral("an input box was expected"));
        edit->selectAll();
        type(edit, text);
        press(QStringLiteral("OK"), picture, behind)(box);
    };
}

void setShotsFolder(const QString& folder) {
    shotsFolder = folder;
}

} // namespace tour
