// SPDX-License-Identifier: MIT
// Shared by the benchmarks: a folder of generated data files, boxes that answer at once, and the
// median of repeated runs printed beside the time it takes merely to read the product file and
// beside what the figure should be with a million products.
#pragma once

#include "platform/dialogs.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

class QRandomGenerator;
class QWidget;

namespace pantrex::bench {

constexpr int DefaultProducts = 100000;
constexpr int MillionProducts = 1000000;
constexpr int Categories = 300;
constexpr int ShoppingItems = 5000;
constexpr int Runs = 21;

// Answers every box with its first button and every input box with "1".
class QuietDialogs : public Dialogs {
public:
    Answer message(const Message&) override { return Answer::Ok; }
    QString input(const Input&) override { return QStringLiteral("1"); }
};

// How many products the benchmark works with: "--products N" on the command line (taken out of the
// arguments before Qt sees them), DefaultProducts without it. The figures reported are for it.
int takeProductCount(int& argc, char** argv);

// Writes "grocery.dat" with this many products in Categories categories and "grocery.lst" with
// ShoppingItems items into the folder.
void writeFiles(const QString& folder, int products);

// A random word of this many letters, the first a capital; the same seed gives the same words.
QByteArray word(QRandomGenerator& random, int letters);

double median(std::vector<double> values);

// Runs step Runs times (after one warm-up), letting the window repaint after each, and returns the
// median in milliseconds. window may be null.
double measure(QWidget* window, const std::function<void(int)>& step);

// The median time to read the file's bytes: the floor every figure is printed beside.
double readFloor(const QString& path);

long residentKilobytes();

// Prints one figure with its multiple of the floor, and "ok" or "SLOW" against the limit. A figure
// with a goal at a million products (goal > 0) is also printed beside that goal, with whether a
// run with that many products meets it.
void report(const char* what, double ms, double floor, double limit, double goal = 0);

// Prints the resident memory, beside its goal at a million products.
void reportMemory(long goalMegabytes);

} // namespace pantrex::bench
