// SPDX-License-Identifier: MIT
// Claiming the working folder: one Pantrex per folder, and a folder it may write to.
#include "mainwindow/workingfolder.h"
#include "support/permissions.h"
#include "support/scripteddialogs.h"
#include "support/testfolder.h"

#include <QDateTime>
#include <QDir>
#include <QLockFile>
#include <QTest>

using namespace pantrex;
using namespace pantrex::testing;

class WorkingFolderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void createsMissingFolder();
    void secondClaimIsRefused();
    void readOnlyFolderIsRefused();
    void lockWithoutOwner_data();
    void lockWithoutOwner();
};

void WorkingFolderTest::createsMissingFolder() {
    TestFolder parent;
    const QString path = parent.filePath("new/pantrex");
    WorkingFolder folder(path);
    ScriptedDialogs dialogs;
    QVERIFY(folder.claim(dialogs));
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(dialogs.shown().isEmpty());
}

void WorkingFolderTest::secondClaimIsRefused() {
    TestFolder data;
    data.write("grocery.dat", "products");
    ScriptedDialogs dialogs;
    WorkingFolder first(data.path());
    QVERIFY(first.claim(dialogs));
    const QStringList before = data.files();

    WorkingFolder second(data.path());
    dialogs.expectMessage(QStringLiteral("Pantrex is already running with the data folder %1.\n\n"
                                         "Use the window that is open, or quit it first.")
                              .arg(QDir::toNativeSeparators(data.path())));
    QVERIFY(!second.claim(dialogs));
    QVERIFY(dialogs.done());
    QCOMPARE(data.files(), before);
    QCOMPARE(data.read("grocery.dat"), QByteArray("products"));
}

void WorkingFolderTest::readOnlyFolderIsRefused() {
    TestFolder data;
    data.write("grocery.dat", "products");
    QFile::setPermissions(data.path(), QFile::ReadOwner | QFile::ExeOwner);
    PermissionsEnforced enforced;
    ScriptedDialogs dialogs;
    WorkingFolder folder(data.path());
    dialogs.expectMessage(QStringLiteral("Pantrex cannot write to its data folder %1.\n\n"
                                         "Nothing was changed. Start Pantrex with a folder you may write to.")
                              .arg(QDir::toNativeSeparators(data.path())));
    QVERIFY(!folder.claim(dialogs));
    QVERIFY(dialogs.done());
    QCOMPARE(data.files(), QStringList({"grocery.dat"}));
    QFile::setPermissions(data.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

namespace {

const QString AlreadyRunning = QStringLiteral("Pantrex is already running with the data folder %1.\n\n"
                                              "Use the window that is open, or quit it first.");
const QString CannotWrite = QStringLiteral("Pantrex cannot write to its data folder %1.\n\n"
                                           "Nothing was changed. Start Pantrex with a folder you may write to.");

} // namespace

// A lock that names no process: left empty by a crash between creating and writing it, garbled, or
// not readable at all. It is stale once a few seconds old; a folder in its place is never a lock.
void WorkingFolderTest::lockWithoutOwner_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("empty, a minute old") << QByteArray() << true << 60 << QString();
    QTest::newRow("garbled, a day old") << QByteArray("\0\xff\x01 not a lock\n", 15) << true << 86400 << QString();
    QTest::newRow("unreadable, a minute old") << QByteArray() << false << 60 << QString();
    QTest::newRow("empty, just made") << QByteArray() << true << 0 << AlreadyRunning;
    QTest::newRow("a folder") << QByteArray() << true << -1 << CannotWrite;
}

void WorkingFolderTest::lockWithoutOwner() {
    QFETCH(QByteArray, content);
    QFETCH(bool, readable);
    QFETCH(int, ageSeconds);
    QFETCH(QString, refusal);

    TestFolder data;
    const QString lockPath = data.filePath(WorkingFolder::lockFileName());
    if (ageSeconds < 0) {
        QVERIFY(QDir(data.path()).mkdir(WorkingFolder::lockFileName()));
    } else {
        data.write(WorkingFolder::lockFileName(), content);
        QFile lock(lockPath);
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
        lock.close();
        if (!readable)
            QVERIFY(QFile::setPermissions(lockPath, QFileDevice::Permissions()));
    }
    PermissionsEnforced enforced;
    ScriptedDialogs dialogs;
    if (!refusal.isEmpty())
        dialogs.expectMessage(refusal.arg(QDir::toNativeSeparators(data.path())));
    WorkingFolder folder(data.path());
    QCOMPARE(folder.claim(dialogs), refusal.isEmpty());
    QVERIFY(dialogs.done());
    if (refusal.isEmpty()) {
        // The lock is this program's now, with its process id in it.
        QLockFile ours(lockPath);
        qint64 pid = 0;
        QString host;
        QString application;
        QVERIFY(ours.getLockInfo(&pid, &host, &application));
        QCOMPARE(pid, QCoreApplication::applicationPid());
    } else if (ageSeconds >= 0) {
        QCOMPARE(data.read(WorkingFolder::lockFileName()), content);
    }
}

QTEST_MAIN(WorkingFolderTest)
#include "test_workingfolder.moc"
