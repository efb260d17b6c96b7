// SPDX-License-Identifier: MIT
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

namespace pantrex {

// What Pantrex does on the command line without a window: products out to CSV and back in, and the
// open shopping list as text. It works through the same session start-up as the window, needs no
// display and asks nothing.
struct HeadlessOptions {
    QCommandLineOption exportCsv;
    QCommandLineOption importCsv;
    QCommandLineOption yes;
    QCommandLineOption listText;

    HeadlessOptions();
    void addTo(QCommandLineParser& parser) const;
    bool anySet(const QCommandLineParser& parser) const;
};

// Whether the arguments ask for work without a window, looked at before any application exists.
bool asksForHeadlessWork(int argc, char** argv);

// Does the work the parsed command line asks for in the folder. Exit codes: 0 done, 1 refused or
// failed, 2 a command line that does not make sense.
int runHeadless(const QString& folder, const QCommandLineParser& parser, const HeadlessOptions& options);

} // namespace pantrex
