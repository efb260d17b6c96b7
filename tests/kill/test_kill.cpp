// SPDX-License-Identifier: MIT
// Each rewrite and copy of the program, killed at every step it takes on disk, and again with the
// disk full from each step on: every file keeps its old content or has its new one, nothing else is
// left in the folder, a failed write is told, and where the user would simply try again (an import,
// the next start) that completes the work.
#include "killscenarios.h"

#include "core/workingfolder.h"
#include "data/filechannels.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace pantrex::testing;

namespace {

struct Outcome {
    bool finished = false;
    bool killed = false;
    int steps = 0;
    int refused = 0;
    // The boxes shown that the scenario did not expect: what the user was told went wrong.
    QStringList told;
    Files files;
};

void lay(const QString& root, const Files& files) {
    for (auto file = files.cbegin(); file != files.cend(); ++file) {
        const QString path = root + '/' + file.key();
        QDir().mkpath(QFileInfo(path).path());
        QFile out(path);
        if (!file.key().endsWith('/') && (!out.open(QIODevice::WriteOnly) || out.write(file.value()) != file->size()))
            qFatal("cannot lay %s", qPrintable(path));
    }
}

Files snapshot(const QString& root) {
    Files files;
    QDirIterator entry(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
    while (entry.hasNext()) {
        entry.next();
        const QString name = QDir(root).relativeFilePath(entry.filePath());
        QFile file(entry.filePath());
        if (entry.fileInfo().isDir())
            files[name + '/'] = {};
        else if (file.open(QIODevice::ReadOnly))
            files[name] = file.readAll();
        else
            files[name] = "(unreadable)";
    }
    return files;
}

Outcome run(const QString& root, const KillScenario& scenario, const QString& mode, int at) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {"--child", root, QString::fromLatin1(scenario.name), mode, QString::number(at)});
    child.waitForFinished(120000);
    Outcome outcome;
    outcome.finished = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    outcome.killed = child.exitStatus() == QProcess::CrashExit && child.exitCode() == SIGKILL;
    for (const QString& line : QString::fromLocal8Bit(child.readAllStandardOutput()).split('\n')) {
        const QString value = line.section('\t', 1);
        if (line.startsWith("steps\t"))
            outcome.steps = value.toInt();
        else if (line.startsWith("refused\t"))
            outcome.refused = value.toInt();
        else if (line.startsWith("told\t"))
            outcome.told << value;
    }
    outcome.files = snapshot(root);
    return outcome;
}

Outcome runOnCopy(const KillScenario& scenario, const Files& start, const QString& mode, int at, QTemporaryDir& dir) {
    const QString root = QDir(dir.path()).canonicalPath();
    lay(root, start);
    return run(root, scenario, mode, at);
}

// Whether the file holds its old content followed by some of the whole records the operation
// appends to it.
bool partlyAppended(const KillScenario& scenario, const QString& name, const Files& start, const Files& done,
                    const Files& now) {
    if (name != scenario.appendsTo || !now.contains(name))
        return false;
    const QByteArray& file = now[name];
    return file.startsWith(start.value(name)) && done.value(name).startsWith(file) &&
           (file.size() - start.value(name).size()) % scenario.recordLength == 0;
}

// What a save cut short leaves beside the file it was for (the new content under the file's name
// and six letters or digits), which the next start removes from the working folder.
bool saveLeftover(const QString& name, const Files& files) {
    static const QRegularExpression leftover("^(.+)\\.[A-Za-z0-9]{6}$");
    const QRegularExpressionMatch match = leftover.match(name);
    return match.hasMatch() && files.contains(match.captured(1));
}

// One whose six random letters happen to read as a word is kept, as a copy of the user's would be.
bool keptLeftover(const QString& name, const Files& files) {
    static const QRegularExpression letters("\\.[A-Za-z]{6}$");
    return saveLeftover(name, files) && letters.match(name).hasMatch() &&
           !pantrex::isSaveLeftover(name, name.chopped(7));
}

// The files but those leftovers.
Files withoutKeptLeftovers(Files files) {
    const Files all = files;
    for (auto file = all.cbegin(); file != all.cend(); ++file)
        if (keptLeftover(file.key(), all))
            files.remove(file.key());
    return files;
}

// The files but the undo history's: doing an operation again keeps what that second try changed.
Files withoutHistory(Files files) {
    files.removeIf([](const auto& file) { return file.key().startsWith("work/.pantrex-undo/"); });
    return files;
}

// The next start of the program claims the working folder, as it always does.
void startAgain(const QString& root) {
    pantrex::WorkingFolder folder(root + "/work");
    QCOMPARE(folder.claim(), std::nullopt);
}

// Every file as it was, as the operation leaves it, or as the scenario allows in between, and
// nothing else (on the drive, nothing but what a save cut short left there); what is wrong, or
// nothing.
QString faultIn(const KillScenario& scenario, const Files& start, const Files& done, const Files& now, int& checked) {
    const Files between = scenario.between ? scenario.between(start) : Files();
    auto holds = [&now](const Files& files, const QString& name) {
        return now.contains(name) == files.contains(name) && now.value(name) == files.value(name);
    };
    QSet<QString> names;
    for (const Files* files : {&start, &done, &now})
        for (auto file = files->cbegin(); file != files->cend(); ++file)
            names.insert(file.key());
    QStringList faults;
    for (const QString& name : names) {
        ++checked;
        if (holds(start, name) || holds(done, name) || (between.contains(name) && holds(between, name)) ||
            partlyAppended(scenario, name, start, done, now) ||
            (name.startsWith("drive/") && saveLeftover(name, now)) || keptLeftover(name, now))
            continue;
        faults << (start.contains(name) || done.contains(name)
                       ? QStringLiteral("%1 is neither old nor new (%2 bytes)").arg(name).arg(now.value(name).size())
                       : QStringLiteral("%1 was left over").arg(name));
    }
    return faults.join("; ");
}

struct Totals {
    int points = 0;
    int files = 0;
    int leftovers = 0;
};

} // namespace

class KillTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyStep_data();
    void everyStep();
    void cleanupTestCase();

private:
    QMap<QString, Totals> m_totals;
};

void KillTest::everyStep_data() {
    QTest::addColumn<int>("scenario");
    QTest::addColumn<QString>("mode");
    for (int i = 0; i < killScenarios().size(); ++i) {
        QTest::addRow("%s, killed", killScenarios().at(i).name) << i << "kill";
        QTest::addRow("%s, disk full", killScenarios().at(i).name) << i << "full";
    }
}

void KillTest::everyStep() {
    QFETCH(int, scenario);
    QFETCH(QString, mode);
    const KillScenario& s = killScenarios().at(scenario);
    const Files start = s.folder();
    QTemporaryDir cleanDir;
    const Outcome done = runOnCopy(s, start, "count", 0, cleanDir);
    QVERIFY(done.finished);
    QCOMPARE(done.told, QStringList());
    QVERIFY(done.steps > 0);
    QVERIFY(done.files != start);

    Totals& totals = m_totals[mode];
    for (int at = 1; at <= done.steps; ++at) {
        QTemporaryDir dir;
        const Outcome cut = runOnCopy(s, start, mode, at, dir);
        const QString when = QStringLiteral("%1 at step %2 of %3").arg(mode).arg(at).arg(done.steps);
        if (mode == "kill") {
            QVERIFY2(cut.killed, qPrintable(when));
        } else {
            QVERIFY2(cut.finished, qPrintable(when));
            // A write the disk had no room for is told; without one the operation completed.
            const QString told = cut.told.join('\n');
            if (cut.refused > 0)
                QVERIFY2(told.contains("No space left on device") ||
                             (!s.driveFullTold.isEmpty() && told.contains(s.driveFullTold)),
                         qPrintable(when + ": told " + cut.told.join(" | ")));
            else
                QVERIFY2(cut.files == done.files, qPrintable(when));
        }
        const QString root = QDir(dir.path()).canonicalPath();
        for (auto file = cut.files.cbegin(); file != cut.files.cend(); ++file)
            totals.leftovers += file.key().startsWith("work/") && saveLeftover(file.key(), cut.files);
        startAgain(root);
        const QString fault = faultIn(s, start, done.files, snapshot(root), totals.files);
        QVERIFY2(fault.isEmpty(), qPrintable(when + ": " + fault));
        ++totals.points;
        if (s.again) {
            const Outcome again = run(root, s, "count", 0);
            QVERIFY2(again.finished && withoutHistory(withoutKeptLeftovers(again.files)) == withoutHistory(done.files),
                     qPrintable(when + ": doing it again did not complete it: " +
                                faultIn(s, done.files, done.files, again.files, totals.files)));
        }
    }
}

void KillTest::cleanupTestCase() {
    Totals all;
    for (const QString& mode : m_totals.keys()) {
        const Totals& totals = m_totals[mode];
        qInfo("%s at %d steps, %d files checked; %d times a save cut short left its new content beside the "
              "file, removed at the next start",
              mode == "kill" ? "killed" : "disk full", totals.points, totals.files, totals.leftovers);
        all.points += totals.points;
        all.files += totals.files;
    }
    qInfo("in all %d kill points (%d scenarios), %d files checked", all.points, int(killScenarios().size()), all.files);
}

// The same program runs each interrupted operation: "--child ROOT SCENARIO MODE STEP".
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 6 && qstrcmp(argv[1], "--child") == 0)
        return runKillScenario(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                               QString::fromLatin1(argv[4]), std::atoi(argv[5]));
    KillTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_kill.moc"
