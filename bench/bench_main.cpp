// How fast the main window answers with a hundred thousand products and a long shopping list.
// Each figure is the median of repeated runs through the real window, printed beside the time it
// takes just to read the product file's bytes.
#include "data/records.h"
#include "mainwindow/pantrex1.h"
#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "state/pantmod.h"

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

namespace {

constexpr int Products = 100000;
constexpr int Categories = 300;
constexpr int ShoppingItems = 5000;
constexpr int Runs = 21;

// Answers every box with its first button and every input box with "1".
class QuietDialogs : public Dialogs {
public:
    Answer message(const Message&) override { return Answer::Ok; }
    QString input(const Input&) override { return QStringLiteral("1"); }
};

QByteArray word(QRandomGenerator& random, int letters) {
    QByteArray text;
    for (int i = 0; i < letters; ++i)
        text.append(char((i == 0 ? 'A' : 'a') + random.bounded(26)));
    return text;
}

void writeFiles(const QString& folder) {
    QRandomGenerator random(42);
    QByteArray products;
    products.reserve(qsizetype(Products) * ProductRecord::Length);
    for (int i = 0; i < Products; ++i) {
        Record record(ProductRecord::Length);
        record.set(ProductRecord::ItemName, word(random, 4) + ' ' + word(random, 6) + ' ' + QByteArray::number(i));
        record.set(ProductRecord::Price, QByteArray::number(random.bounded(1, 2000) / 100.0, 'f', 2));
        record.set(ProductRecord::HighFat, random.bounded(4) == 0 ? "1" : " ");
        record.set(ProductRecord::HighCarb, random.bounded(3) == 0 ? "1" : " ");
        record.set(ProductRecord::Category, "Category " + QByteArray::number(i % Categories));
        products += record.bytes();
    }
    QByteArray list;
    for (int i = 0; i < ShoppingItems; ++i) {
        Record record(ShoppingRecord::Length);
        record.set(ShoppingRecord::ItemText, word(random, 8));
        record.set(ShoppingRecord::LineCost, " " + QByteArray::number(random.bounded(1, 999) / 100.0));
        record.set(ShoppingRecord::Quantity, QByteArray::number(random.bounded(1, 5)));
        record.set(ShoppingRecord::Category, "Category 1");
        list += record.bytes();
    }
    for (const auto& [name, bytes] : {std::pair{"grocery.dat", products}, std::pair{"grocery.lst", list}}) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", name);
    }
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs step Runs times (after one warm-up), letting the window repaint after each, and returns the
// median in milliseconds.
double measure(QWidget* window, const std::function<void(int)>& step) {
    std::vector<double> times;
    for (int run = -1; run < Runs; ++run) {
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

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    }
    return -1;
}

void report(const char* what, double ms, double floor, double limit) {
    std::printf("%-44s %8.2f ms   (%5.1f x file read)   %s\n", what, ms, ms / floor, ms < limit ? "ok" : "SLOW");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    writeFiles(folder.path());
    QuietDialogs dialogs;
    const QString productFile = folder.filePath(QStringLiteral("grocery.dat"));
    std::unique_ptr<QWidget> scratch(new QWidget);
    const double floor = measure(scratch.get(), [&productFile](int) {
        QFile file(productFile);
        if (file.open(QIODevice::ReadOnly))
            file.readAll();
    });
    std::printf("%d products in %d categories, %d shopping list items; median of %d runs\n", Products, Categories,
                ShoppingItems, Runs);
    std::printf("%-44s %8.2f ms\n", "reading grocery.dat's bytes (the floor)", floor);

    std::vector<double> startTimes;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer timer;
        timer.start();
        PANTMOD pantmod(folder.path());
        pantrex1 window(pantmod, dialogs);
        window.load();
        window.repaint();
        QApplication::processEvents();
        startTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
        window.quit();
    }
    report("start-up to a shown window", median(startTimes), floor, 300);

    PANTMOD pantmod(folder.path());
    pantrex1 window(pantmod, dialogs);
    window.load();
    QApplication::processEvents();
    ProductView* view = window.productView();
    ShoppingListPanel* list = window.shoppingList();

    report("one keystroke in the search box",
           measure(&window,
                   [view](int run) {
                       if (run % 2 == 0)
                           QTest::keyClick(view->searchtxt, Qt::Key_Backspace);
                       else
                           QTest::keyClick(view->searchtxt, 'B');
                   }),
           floor, 16);
    view->searchtxt->clear();
    report("choosing a category",
           measure(&window, [view](int run) { view->Combo1->setCurrentRow(1 + (run + 1) % Categories); }), floor, 16);
    view->allcmd->click();
    report("toggling a diet filter", measure(&window, [&window](int) { window.lofatcmd->trigger(); }), floor, 16);
    report("fillcatlist", measure(&window, [view](int) { view->fillcatlist(); }), floor, 16);
    report("fillshoplist", measure(&window, [list](int) { list->fillshoplist(); }), floor, 16);
    view->setCurrentRow(0);
    report("adding one product to the shopping list", measure(&window, [list](int) { list->foodoncmd->click(); }),
           floor, 16);
    std::printf("%-44s %8ld MB\n", "resident memory", residentKilobytes() / 1024);
    window.quit();
    return 0;
}
