// Shared by the benchmarks: a folder of generated data files, boxes that answer at once, and the
// median of repeated runs printed beside the time it takes merely to read the product file.
#pragma once

#include "platform/dialogs.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

class QRandomGenerator;
class QWidget;

namespace pantrex::bench {

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

// Writes "grocery.dat" with Products products in Categories categories and "grocery.lst" with
// ShoppingItems items into the folder.
void writeFiles(const QString& folder);

// A random word of this many letters, the first a capital; the same seed gives the same words.
QByteArray word(QRandomGenerator& random, int letters);

double median(std::vector<double> values);

// Runs step Runs times (after one warm-up), letting the window repaint after each, and returns the
// median in milliseconds. window may be null.
double measure(QWidget* window, const std::function<void(int)>& step);

// The median time to read the file's bytes: the floor every figure is printed beside.
double readFloor(const QString& path);

long residentKilobytes();

// Prints one figure with its multiple of the floor, and "ok" or "SLOW" against the limit.
void report(const char* what, double ms, double floor, double limit);

} // namespace pantrex::bench
