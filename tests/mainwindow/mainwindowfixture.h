// SPDX-License-Identifier: MIT
#pragma once

#include "core/session.h"
#include "mainwindow/mainwindow.h"
#include "support/productrecords.h"
#include "support/recordingprinter.h"
#include "support/scripteddialogs.h"
#include "support/scriptedfilechooser.h"
#include "support/testfolder.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace pantrex::testing {

// A main window over a fresh working folder, with scripted boxes. Lay the files down first, then load().
struct MainWindowFixture {
    TestFolder folder;
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    ScriptedFileChooser chooser;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QSignalSpy> finished;

    // A box the test scripted but never saw fails the test, as an unexpected box does.
    ~MainWindowFixture() {
        if (QTest::currentTestFunction() && !QTest::currentTestFailed() && !dialogs.done())
            QTest::qFail("a scripted box was not shown", __FILE__, __LINE__);
    }

    void load() {
        session = std::make_unique<Session>(folder.path());
        window = std::make_unique<MainWindow>(*session, dialogs);
        window->setLinePrinter(&printer);
        window->setFileChooser(&chooser);
        finished = std::make_unique<QSignalSpy>(window.get(), &MainWindow::finished);
        window->load();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
};

// The pointer moves to a point of the window, or onto the middle of a widget, as the window system
// reports it: the window finds the widget under the pointer and events travel on to its parents.
void pointerMovesTo(QWidget* window, QPoint position);
void pointerEnters(QWidget* widget);

// A control of a window found by its name, as a tour of the program finds it.
template <typename Control = QWidget> Control* control(const QObject* window, const QString& name) {
    return window->findChild<Control*>(name);
}
template <typename Control = QWidget> Control* control(const QObject* window, const char* name) {
    return control<Control>(window, QLatin1String(name));
}
template <typename Control = QWidget, typename Window>
Control* control(const std::unique_ptr<Window>& window, const char* name) {
    return control<Control>(window.get(), QLatin1String(name));
}

// Double-clicks a row of a list as the mouse does: press, release, double-click, release.
void doubleClick(QAbstractItemView* view, int row);

} // namespace pantrex::testing
