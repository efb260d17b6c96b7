// SPDX-License-Identifier: MIT
// How fast a deletion of every product is taken back: the undo (the check that the file is still
// what the deletion left, the saved bytes read and checked, the file put back, the product list read
// again) beside the safe rewrite of the same bytes alone, which any way back has to pay. The deletion
// itself, with the copy it keeps for the undo, is shown too. Medians of repeated runs.
#include "benchkit.h"
#include "core/productoperations.h"
#include "core/session.h"
#include "data/safefile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <numeric>

using namespace pantrex;
using namespace pantrex::bench;

namespace {

double elapsed(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
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

    QFile original(productFile);
    if (!original.open(QIODevice::ReadOnly))
        qFatal("cannot read grocery.dat");
    const QByteArray before = original.readAll();
    original.close();

    const QString scratch = folder.filePath(QStringLiteral("scratch.dat"));
    const double rewrite = measure(nullptr, [&](int) {
        FileReplacement save(scratch);
        if (!save.open() || !save.write(before) || !save.commit())
            qFatal("the rewrite failed");
    });
    std::printf("%-44s %8.2f ms\n", "the safe rewrite of grocery.dat alone", rewrite);

    Session session(folder.path());
    (void)session.openAtStart();
    QList<qint64> all(products);
    std::iota(all.begin(), all.end(), 1);
    std::vector<double> deletions;
    std::vector<double> undos;
    for (int run = -1; run < Runs; ++run) {
        session.catalog().refresh(session.files(), session.productListPath());
        QElapsedTimer timer;
        timer.start();
        if (ProductOperations(session).deleteProducts(all, session.catalog().bytes()).outcome !=
            DeletionOutcome::ListEmptied)
            qFatal("the deletion failed");
        const double deleted = elapsed(timer);
        timer.start();
        if (session.undo().restored.isEmpty())
            qFatal("the undo failed");
        session.catalog().refresh(session.files(), session.productListPath());
        const double undone = elapsed(timer);
        if (session.catalog().count() != products)
            qFatal("the undo did not bring the products back");
        if (run >= 0) {
            deletions.push_back(deleted);
            undos.push_back(undone);
        }
    }
    report("deleting every product, kept for undo", median(deletions), floor, 1000);
    report("undoing it (50 ms beyond the rewrite)", median(undos), floor, rewrite + 50);
    return 0;
}
