// SPDX-License-Identifier: MIT
// How fast the main window opens another shopping list and imports a merge file, with a hundred
// thousand products. Each figure is the median of repeated runs through the real window, printed
// beside the time it takes just to read the product file's bytes.
#include "benchkit.h"
#include "core/session.h"
#include "data/records.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/productview.h"
#include "platform/filechooser.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

using namespace pantrex;
using namespace pantrex::bench;

namespace {

constexpr int NewProducts = 10000;

// Answers every question with Yes and every other box with its first button.
class YesDialogs : public Dialogs {
public:
    Answer message(const Message& box) override {
        const bool question = box.buttons == Buttons::YesNo || box.buttons == Buttons::YesNoCancel;
        return question ? Answer::Yes : Answer::Ok;
    }
    QString input(const Input&) override { return QStringLiteral("1"); }
};

// Chooses the two lists in turn.
class AlternatingChooser : public FileChooser {
public:
    explicit AlternatingChooser(const QString& folder) : m_folder(folder) {}
    QString openFile(const Request&) override {
        m_second = !m_second;
        return m_folder + (m_second ? QStringLiteral("/party.lst") : QStringLiteral("/grocery.lst"));
    }

private:
    QString m_folder;
    bool m_second = false;
};

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A merge file of products the product list does not hold yet.
QByteArray mergeFile() {
    QByteArray bytes;
    for (int i = 0; i < NewProducts; ++i) {
        Record record(ProductRecord::Length);
        record.set(ProductRecord::ItemName, "Imported product " + QByteArray::number(i));
        record.set(ProductRecord::Price, "1.25");
        record.set(ProductRecord::HighFat, " ");
        record.set(ProductRecord::HighCarb, "1");
        record.set(ProductRecord::Category, "Imported");
        bytes += record.bytes();
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    const int productCount = takeProductCount(argc, argv);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    writeFiles(folder.path(), productCount);
    const QString products = folder.filePath(QStringLiteral("grocery.dat"));
    const QByteArray productBytes = readBytes(products);
    // A second list of as many items that shares the default products.
    writeBytes(folder.filePath(QStringLiteral("party.lst")), readBytes(folder.filePath(QStringLiteral("grocery.lst"))));
    const double floor = readFloor(products);
    std::printf("%d products, lists of %d items; median of %d runs\n", productCount, ShoppingItems, Runs);
    std::printf("%-44s %8.2f ms\n", "reading grocery.dat's bytes (the floor)", floor);

    YesDialogs dialogs;
    AlternatingChooser chooser(folder.path());
    Session session(folder.path());
    MainWindow window(session, dialogs);
    window.setFileChooser(&chooser);
    window.load();
    QApplication::processEvents();
    report("opening a list (Open...)",
           measure(&window, [&window](int) { window.findChild<QAction*>(QStringLiteral("openfilecmd"))->trigger(); }),
           floor, 50);

    const QByteArray merge = mergeFile();
    std::vector<double> times;
    for (int run = -1; run < Runs; ++run) {
        // Every run starts from the same product list, already in view, and a fresh merge file.
        writeBytes(products, productBytes);
        writeBytes(folder.filePath(QStringLiteral("grocery.mrg")), merge);
        window.productView()->fillProductList();
        window.findChild<QAction*>(QStringLiteral("mergecmd"))->setEnabled(true);
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        window.findChild<QAction*>(QStringLiteral("mergecmd"))->trigger();
        window.repaint();
        QApplication::processEvents();
        if (run >= 0)
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (session.productCount() != productCount + NewProducts)
            qFatal("the import added %lld products", session.productCount() - productCount);
    }
    report("importing 10 000 new products (Import)", median(times), floor, 200);
    std::printf("%-44s %8ld MB\n", "resident memory", residentKilobytes() / 1024);
    window.quit();
    return 0;
}
