// SPDX-License-Identifier: MIT
// How fast the product list goes out to CSV and new products come in from it: the export of the
// whole product list to a file, and the import of 10 000 new products, its one atomic rewrite of the
// product file included. Each figure is the median of repeated runs, beside the time it takes just
// to read "grocery.dat".
#include "benchkit.h"
#include "core/productcsv.h"
#include "core/session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

using namespace pantrex;
using namespace pantrex::bench;

namespace {

constexpr int NewProducts = 10000;

// New products as a spreadsheet saves them: names the product list does not have, some in quotes.
QByteArray newProductsCsv() {
    QRandomGenerator random(11);
    QByteArray csv = "Name;Price;Category;High fat;High carb\r\n";
    for (int i = 0; i < NewProducts; ++i) {
        csv += '"' + word(random, 6) + ", new " + QByteArray::number(i) + "\";" +
               QByteArray::number(random.bounded(1, 99999) / 100.0, 'f', 2).replace('.', ',') + ";Category " +
               QByteArray::number(i % Categories) + (i % 3 ? ";x;\r\n" : ";;yes\r\n");
    }
    return csv;
}

} // namespace

int main(int argc, char** argv) {
    const int products = takeProductCount(argc, argv);
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    writeFiles(folder.path(), products);
    const QString productFile = folder.filePath(QStringLiteral("grocery.dat"));
    const double floor = readFloor(productFile);
    std::printf("%d products; median of %d runs\n", products, Runs);
    std::printf("%-44s %8.2f ms\n", "reading grocery.dat's bytes (the floor)", floor);

    Session session(folder.path());
    (void)session.openAtStart();
    const QString target = folder.filePath(QStringLiteral("products.csv"));
    report("exporting the products to CSV",
           measure(nullptr,
                   [&](int) {
                       if (exportProductsCsv(session, target))
                           qFatal("the export failed");
                   }),
           floor, 150);

    QFile original(productFile);
    if (!original.open(QIODevice::ReadOnly))
        qFatal("cannot read grocery.dat");
    const QByteArray before = original.readAll();
    original.close();
    const QByteArray csv = newProductsCsv();
    std::vector<double> times;
    for (int run = -1; run < Runs; ++run) {
        QFile restore(productFile);
        if (!restore.open(QIODevice::WriteOnly) || restore.write(before) != before.size())
            qFatal("cannot restore grocery.dat");
        restore.close();
        QElapsedTimer timer;
        timer.start();
        const CsvImportPlan plan = planCsvImport(session, csv);
        if (plan.additions.size() != NewProducts || commitCsvImport(session, plan))
            qFatal("the import failed: %s", qPrintable(plan.summary(CsvImportPlan::Tense::Planned)));
        if (run >= 0)
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    report("importing 10 000 new products from CSV", median(times), floor, 250);
    return 0;
}
