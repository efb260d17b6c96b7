// SPDX-License-Identifier: MIT
// How long the product list printout of a hundred thousand products takes to reach a PDF file,
// through the real main window and print button, beside the time to merely read the product file.
#include "benchkit.h"
#include "core/session.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/productview.h"
#include "platform/hoverbutton.h"
#include "platform/qtlineprinter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

using namespace pantrex;
using namespace pantrex::bench;

namespace {

// Says Yes to the printout's question.
class YesDialogs : public QuietDialogs {
public:
    Answer message(const Message& box) override {
        return box.buttons == Buttons::YesNo ? Answer::Yes : QuietDialogs::message(box);
    }
};

} // namespace

int main(int argc, char** argv) {
    const int products = takeProductCount(argc, argv);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    writeFiles(folder.path(), products);
    YesDialogs dialogs;
    const double floor = readFloor(folder.filePath(QStringLiteral("grocery.dat")));
    const QString pdf = folder.filePath(QStringLiteral("products.pdf"));
    qputenv("PANTREX_PRINT_PDF", QFile::encodeName(pdf));
    std::printf("%d products in %d categories; median of 5 runs\n", products, Categories);
    std::printf("%-44s %8.2f ms\n", "reading grocery.dat's bytes (the floor)", floor);

    Session session(folder.path());
    MainWindow window(session, dialogs);
    QtLinePrinter printer(folder.path());
    window.setLinePrinter(&printer);
    window.load();
    QApplication::processEvents();

    // A printout this long is timed a few times only; each run writes the whole file anew.
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        window.productView()->printButton()->click();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    report("product list printout to PDF", median(times), floor, 20000);

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(60000);
    const QByteArray pages = info.readAllStandardOutput();
    const qsizetype at = pages.indexOf("Pages:");
    std::printf("%-44s %8.1f MB, %s\n", "the PDF", double(QFileInfo(pdf).size()) / 1e6,
                at >= 0 ? pages.mid(at, pages.indexOf('\n', at) - at).simplified().constData() : "pages unknown");
    std::printf("%-44s %8ld MB\n", "resident memory", residentKilobytes() / 1024);
    window.quit();
    return 0;
}
