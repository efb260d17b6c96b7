// SPDX-License-Identifier: MIT
// Claiming the working folder: one Pantrex per folder, and a folder it may write to.
#include "core/workingfolder.h"
#include "support/permissions.h"
#include "support/testfolder.h"

#include <QDateTime>
#include <QDir>
#include <QLockFile>
#include <QTest>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

const QString AlreadyRunning = QStringLiteral("Pantrex is already running with the data folder %1.\n\n"
                                              "Use the window that is open, or quit it first.");
const QString CannotWrite = QStringLiteral("Pantrex cannot write to its data folder %1.\n\n"
                                           "Nothing was changed. Start Pantrex with a folder you may write to.");

// What the user is told when the claim is refused, as an error; "" once claimed.
QString refusalOf(WorkingFolder& folder) {
    const std::optional<Notice> refused = folder.claim();
    if (refused && refused->kind != Notice::Kind::Error)
        return QStringLiteral("not told as an error: ") + refused->text;
    return refused ? refused->text : QString();
}

} // namespace

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
    QCOMPARE(folder.claim(), std::nullopt);
    QVERIFY(QFileInfo(path).isDir());
}

void WorkingFolderTest::secondClaimIsRefused() {
    TestFolder data;
    data.write("grocery.dat", "products");
    WorkingFolder first(data.path());
    QCOMPARE(first.claim(), std::nullopt);
    const QStringList before = data.files();

    WorkingFolder second(data.path());
    QCOMPARE(refusalOf(second), AlreadyRunning.arg(QDir::toNativeSeparators(data.path())));
    QCOMPARE(data.files(), before);
    QCOMPARE(data.read("grocery.dat"), QByteArray("products"));
}

void WorkingFolderTest::readOnlyFolderIsRefused() {
    TestFolder data;
    data.write("grocery.dat", "products");
    QFile::setPermissions(data.path(), QFile::ReadOwner | QFile::ExeOwner);
    PermissionsEnforced enforced;
    WorkingFolder folder(data.path());
    QCOMPARE(refusalOf(folder), CannotWrite.arg(QDir::toNativeSeparators(data.path())));
    QCOMPARE(data.files(), QStringList({"grocery.dat"}));
    QFile::setPermissions(data.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

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
    WorkingFolder folder(data.path());
    QCOMPARE(refusalOf(folder), refusal.isEmpty() ? QString() : refusal.arg(QDir::toNativeSeparators(data.path())));
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
