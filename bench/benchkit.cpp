// SPDX-License-Identifier: MIT
#include "benchkit.h"

#include "data/records.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace pantrex::bench {

namespace {

// The products the figures are for, as takeProductCount found it.
int reportedProducts = DefaultProducts;

const char* verdict(bool met) {
    return met ? "ok" : "SLOW";
}

} // namespace

int takeProductCount(int& argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--products") != 0)
            continue;
        char* end = nullptr;
        const long count = i + 1 < argc ? std::strtol(argv[i + 1], &end, 10) : 0;
        if (count <= 0 || count > 10000000 || *end != '\0')
            qFatal("--products takes a number of products from 1 to 10 000 000");
        reportedProducts = int(count);
        std::copy(argv + i + 2, argv + argc + 1, argv + i);
        argc -= 2;
        break;
    }
    return reportedProducts;
}

QByteArray word(QRandomGenerator& random, int letters) {
    QByteArray text;
    for (int i = 0; i < letters; ++i)
        text.append(char((i == 0 ? 'A' : 'a') + random.bounded(26)));
    return text;
}

void writeFiles(const QString& folder, int productCount) {
    QRandomGenerator random(42);
    QByteArray products;
    products.reserve(qsizetype(productCount) * ProductRecord::Length);
    for (int i = 0; i < productCount; ++i) {
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
        if (window)
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

void report(const char* what, double ms, double floor, double limit, double goal) {
    std::printf("%-44s %8.2f ms   (%5.1f x file read)   %-4s", what, ms, ms / floor, verdict(ms < limit));
    if (goal > 0) {
        std::printf("   goal at a million: %7.1f ms", goal);
        if (reportedProducts >= MillionProducts)
            std::printf(" %s", ms <= goal ? "met" : "MISSED");
    }
    std::printf("\n");
}

void reportMemory(long goalMegabytes) {
    const long megabytes = residentKilobytes() / 1024;
    std::printf("%-44s %8ld MB", "resident memory", megabytes);
    std::printf("%39s goal at a million: %7ld MB", "", goalMegabytes);
    if (reportedProducts >= MillionProducts)
        std::printf(" %s", megabytes <= goalMegabytes ? "met" : "MISSED");
    std::printf("\n");
}

double readFloor(const QString& path) {
    return measure(nullptr, [&path](int) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            file.readAll();
    });
}

} // namespace pantrex::bench
