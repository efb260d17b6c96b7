// SPDX-License-Identifier: MIT
// How fast the main window answers with a hundred thousand products (or --products N) and a long
// shopping list.
// Each figure is the median of repeated runs through the real window, printed beside the time it
// takes just to read the product file's bytes.
#include "benchkit.h"
#include "core/session.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace pantrex;
using namespace pantrex::bench;

int main(int argc, char** argv) {
    const int products = takeProductCount(argc, argv);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    writeFiles(folder.path(), products);
    QuietDialogs dialogs;
    const double floor = readFloor(folder.filePath(QStringLiteral("grocery.dat")));
    std::printf("%d products in %d categories, %d shopping list items; median of %d runs\n", products, Categories,
                ShoppingItems, Runs);
    std::printf("%-44s %8.2f ms\n", "reading grocery.dat's bytes (the floor)", floor);

    std::vector<double> startTimes;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer timer;
        timer.start();
        Session session(folder.path());
        MainWindow window(session, dialogs);
        window.load();
        window.repaint();
        QApplication::processEvents();
        startTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
        window.quit();
    }
    report("start-up to a shown window", median(startTimes), floor, 300, 500);

    Session session(folder.path());
    MainWindow window(session, dialogs);
    window.load();
    QApplication::processEvents();
    ProductView* view = window.productView();
    ShoppingListPanel* list = window.shoppingList();

    report("one keystroke in the search box",
           measure(&window,
                   [view](int run) {
                       if (run % 2 == 0)
                           QTest::keyClick(view->searchEdit(), Qt::Key_Backspace);
                       else
                           QTest::keyClick(view->searchEdit(), 'B');
                   }),
           floor, 16, 16);
    view->searchEdit()->clear();
    report("choosing a category",
           measure(&window, [view](int run) { view->categoryList()->setCurrentRow(1 + (run + 1) % Categories); }),
           floor, 16);
    view->allButton()->click();
    report("toggling a diet filter",
           measure(&window, [&window](int) { window.findChild<QAction*>(QStringLiteral("lofatcmd"))->trigger(); }),
           floor, 16, 16);
    report("fillCategoryList", measure(&window, [view](int) { view->fillCategoryList(); }), floor, 16);
    // The list is shown as the file holds it, so this is what each activation costs the list; adding
    // a product below reloads it.
    report("reloading the shopping list, unchanged", measure(&window, [list](int) { list->reloadShoppingList(); }),
           floor, 16);
    view->setCurrentRow(0);
    report("adding one product to the shopping list", measure(&window, [list](int) { list->addButton()->click(); }),
           floor, 16);
    reportMemory(200);
    window.quit();
    return 0;
}
