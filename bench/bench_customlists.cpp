// SPDX-License-Identifier: MIT
// How fast the custom lists answer with a hundred thousand records in two thousand lists, each
// list's records spread over the whole file. Each figure is the median of repeated runs through the
// real window, printed beside the time it takes just to read "pantrecp.dat".
#include "benchkit.h"
#include "core/session.h"
#include "customlists/customlistchooser.h"
#include "customlists/customlistops.h"
#include "mainwindow/mainwindow.h"
#include "platform/hoverbutton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

using namespace pantrex;
using namespace pantrex::bench;

namespace {

constexpr int Records = 100000;
constexpr int Lists = 2000;

// Answers every box with its first button: Yes where there is one.
class YesDialogs : public QuietDialogs {
public:
    Answer message(const Message& box) override {
        const bool yes = box.buttons == Buttons::YesNo || box.buttons == Buttons::YesNoCancel;
        return yes ? Answer::Yes : Answer::Ok;
    }
};

void writeCustomLists(const QString& folder) {
    QRandomGenerator random(7);
    QList<QByteArray> names;
    for (int i = 0; i < Lists; ++i)
        names.append(word(random, 6) + ' ' + QByteArray::number(i));
    QByteArray bytes;
    bytes.reserve(qsizetype(Records) * CustomListRecord::Length);
    for (int i = 0; i < Records; ++i) {
        Record record(CustomListRecord::Length);
        record.set(CustomListRecord::ListName, names.at(i % Lists));
        record.set(CustomListRecord::ItemText, word(random, 5) + ' ' + word(random, 7));
        record.set(CustomListRecord::Amount, QByteArray::number(random.bounded(1, 2000) / 100.0, 'f', 2));
        record.set(CustomListRecord::Category, "Category " + QByteArray::number(i % Categories));
        bytes += record.bytes();
    }
    QFile file(folder + QStringLiteral("/pantrecp.dat"));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write pantrecp.dat");
}

} // namespace

int main(int argc, char** argv) {
    const int products = takeProductCount(argc, argv);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    writeFiles(folder.path(), products);
    writeCustomLists(folder.path());
    YesDialogs dialogs;
    const double floor = readFloor(folder.filePath(QStringLiteral("pantrecp.dat")));
    std::printf("%d custom list records in %d lists, %d shopping list items; median of %d runs\n", Records, Lists,
                ShoppingItems, Runs);
    std::printf("%-44s %8.2f ms\n", "reading pantrecp.dat's bytes (the floor)", floor);

    Session session(folder.path());
    MainWindow window(session, dialogs);
    window.load();
    QApplication::processEvents();
    CustomListChooser* chooser = window.chooser();

    report("opening the chooser (2 000 names)",
           measure(&window, [chooser](int) { chooser->choose(CustomListChooser::Mode::Get); }), floor, 50);
    const QList<QByteArray> names = chooser->lists().catalog().names();
    // Another program adds a record each time: the whole file is read again, so this one may take the
    // time of reading the file on top of the others' limit.
    QFile other(folder.filePath(QStringLiteral("pantrecp.dat")));
    if (!other.open(QIODevice::Append))
        qFatal("cannot open pantrecp.dat");
    const QByteArray added = customRecord("Added elsewhere", "Item", "1", "Category").bytes();
    report("opening the chooser, file changed elsewhere",
           measure(&window,
                   [&](int) {
                       other.write(added);
                       other.flush();
                       chooser->choose(CustomListChooser::Mode::Get);
                   }),
           floor, floor + 50);
    other.close();

    auto listOf = [&names](int run) { return names.at((run + 1) * 37 % names.size()); };
    report("opening a list (50 items)", measure(&window, [&](int run) { chooser->showListItems(listOf(run)); }), floor,
           50);
    report("previewing a list", measure(&window, [&](int run) { previewList(chooser->lists(), dialogs, listOf(run)); }),
           floor, 50);

    // Getting a whole list onto the shopping list, a different list each time so that every item goes on.
    std::vector<double> times;
    for (int run = -1; run < Runs; ++run) {
        chooser->choose(CustomListChooser::Mode::Get);
        chooser->showListItems(names.at((run + 2) * 53 % names.size()));
        chooser->itemsView()->selectAll();
        QElapsedTimer timer;
        timer.start();
        chooser->proceedButton()->click();
        window.repaint();
        QApplication::processEvents();
        if (run >= 0)
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    report("getting a list's items (50 onto 5 000)", median(times), floor, 50);
    std::printf("%-44s %8ld MB\n", "resident memory", residentKilobytes() / 1024);
    window.quit();
    return 0;
}
