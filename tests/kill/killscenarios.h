// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

namespace pantrex::testing {

// Files by their path under a scenario's folder ("work/grocery.dat", "drive/grocery.mrg").
using Files = QMap<QString, QByteArray>;

struct KillRun;

// One operation that rewrites or copies files, as the user starts it in the windows: the folder it
// starts from, the answers to its questions, and what else a file may hold when it is cut short.
struct KillScenario {
    const char* name;
    Files (*folder)();
    // Message texts and input prompts with their answers ("Yes", "No", "Cancel", "Ok" or the text typed).
    QList<std::pair<QString, QString>> answers;
    // What the user does once the main window is up; nothing when the start-up itself is the operation.
    void (*act)(KillRun&) = nullptr;
    // Doing the same again after an interruption must bring every file to its new content: the
    // next start of the program, an import of the merge file that was kept, another export.
    bool again = false;
    // A file the operation appends whole records of this length to: it may hold its old content and
    // some of the new records.
    QString appendsTo = {};
    int recordLength = 0;
    // Contents a file may also hold between two steps that are each sound on their own.
    Files (*between)(const Files& start) = nullptr;
    // When the disk is full the user is told the system's reason, or else, for a copy to a drive,
    // these words of the program's own.
    QString driveFullTold = {};
};

const QList<KillScenario>& killScenarios();

// Runs a scenario's operation in this process on the folder "work" under root, watching root, and
// tells on standard output the boxes shown, the steps made and the writes refused.
int runKillScenario(const QString& root, const QString& name, const QString& mode, int at);

} // namespace pantrex::testing
