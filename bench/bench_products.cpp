// SPDX-License-Identifier: MIT
// How fast product maintenance answers with a hundred thousand products (or --products N): opening the entry dialog,
// saving a product until the main window shows it, renaming a category and deleting one product.
// Each figure is the median of repeated runs through the real windows, printed beside the time it
// takes just to read the product file's bytes. A deletion writes the whole file anew, safely (a
// temporary file, flushed to disk, renamed over the old one): it is judged beside that as well.
#include "benchkit.h"
#include "core/session.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/productview.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "products/productentrydialog.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <vector>

using namespace pantrex;
using namespace pantrex::bench;

namespace {

// Answers Yes (or OK) to every question, or No where told to, and every input box with a set text.
class AnsweringDialogs : public Dialogs {
public:
    bool yes = true;
    QString answer = QStringLiteral("1");

    Answer message(const Message& box) override {
        switch (box.buttons) {
        case Buttons::YesNo:
        case Buttons::YesNoCancel:
            return yes ? Answer::Yes : Answer::No;
        case Buttons::OkCancel:
            return yes ? Answer::Ok : Answer::Cancel;
        default:
            return Answer::Ok;
        }
    }
    QString input(const Input&) override { return answer; }
};

// The main window becomes active again, as when the user goes back to it from the entry dialog.
void activate(MainWindow& window) {
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activation);
}

// Times only what happens after prepare, Runs times after one warm-up, with the window repainted.
double timeAfter(QWidget* window, const std::function<void(int)>& prepare, const std::function<void(int)>& step) {
    std::vector<double> times;
    for (int run = -1; run < Runs; ++run) {
        prepare(run);
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        step(run);
        window->repaint();
        QApplication::processEvents();
        if (run >= 0)
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

// The median time to write the file's bytes anew as a deletion must: beside it, then over it.
double rewriteFloor(const QString& path, const QString& scratch) {
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return measure(nullptr, [&bytes, &scratch](int) {
        QSaveFile save(scratch);
        if (save.open(QIODevice::WriteOnly) && save.write(bytes) == bytes.size())
            save.commit();
    });
}

} // namespace

int main(int argc, char** argv) {
    // The offscreen platform's notes about what it cannot do would bury the figures.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const int productCount = takeProductCount(argc, argv);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    writeFiles(folder.path(), productCount);
    AnsweringDialogs dialogs;
    const QString products = folder.filePath(QStringLiteral("grocery.dat"));
    const double floor = readFloor(products);
    const double writeFloor = rewriteFloor(products, folder.filePath(QStringLiteral("floor.dat")));
    std::printf("%d products in %d categories, %d shopping list items; median of %d runs\n", productCount, Categories,
                ShoppingItems, Runs);
    std::printf("%-44s %8.2f ms\n", "reading grocery.dat's bytes (the floor)", floor);
    std::printf("%-44s %8.2f ms\n", "writing them anew, synced and renamed", writeFloor);

    Session session(folder.path());
    MainWindow window(session, dialogs);
    window.load();
    QApplication::processEvents();
    ProductView* view = window.productView();
    auto* entry = window.findChild<ProductEntryDialog*>(QStringLiteral("pantadd"));
    auto* itemtxt = entry->findChild<QLineEdit*>(QStringLiteral("itemtxt"));
    auto* pricetxt = entry->findChild<QLineEdit*>(QStringLiteral("pricetxt"));
    auto* Combo1 = entry->findChild<QComboBox*>(QStringLiteral("Combo1"));
    auto* savecmd = entry->findChild<HoverButton*>(QStringLiteral("savecmd"));
    auto* categorycmd = entry->findChild<HoverButton*>(QStringLiteral("categorycmd"));

    report("opening the entry dialog to add",
           timeAfter(
               entry, [entry](int) { entry->hide(); }, [view](int) { view->newButton()->click(); }),
           floor, 16);
    report("opening the entry dialog to change",
           timeAfter(
               entry,
               [&window, entry, view](int run) {
                   entry->hide();
                   activate(window);
                   view->setCurrentRow(run + 1);
               },
               [view](int) { view->editButton()->click(); }),
           floor, 16);

    // Not put on the shopping list: the main window then shows the new product.
    dialogs.yes = false;
    report("saving a product until the window shows it",
           timeAfter(
               &window,
               [itemtxt, pricetxt, view](int run) {
                   view->newButton()->click();
                   itemtxt->setText(QStringLiteral("Bench product %1").arg(run + 1));
                   pricetxt->setText(QStringLiteral("1.99"));
               },
               [&window, savecmd](int) {
                   savecmd->click();
                   activate(window);
               }),
           floor, 16);

    // A category of a three-hundredth of the products, renamed back and forth. Renaming rewrites the
    // file as a deletion does, so its goal at a million is the same.
    const double rewriteGoal = writeFloor * 1.2;
    dialogs.yes = true;
    report("renaming a category",
           timeAfter(
               entry,
               [&window, entry, Combo1, view, &dialogs](int run) {
                   entry->hide();
                   activate(window);
                   view->setCurrentRow(0);
                   view->editButton()->click();
                   const bool back = run % 2 != 0;
                   dialogs.answer = back ? QStringLiteral("Category 7") : QStringLiteral("Renamed Category");
                   Combo1->setEditText(back ? QStringLiteral("Renamed Category") : QStringLiteral("Category 7"));
               },
               [categorycmd](int) { categorycmd->click(); }),
           floor, 16, rewriteGoal);
    entry->hide();
    activate(window);

    const double deleting = timeAfter(
        &window, [view](int) { view->setCurrentRow(0); }, [view](int) { view->deleteButton()->click(); });
    report("deleting one product", deleting, floor, writeFloor + 16, rewriteGoal);
    std::printf("%-44s %8.2f ms   (beside the rewrite)\n", "  of which beyond writing the file anew",
                deleting - writeFloor);
    reportMemory(200);
    window.quit();
    return 0;
}
