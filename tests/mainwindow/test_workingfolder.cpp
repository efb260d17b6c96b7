// Claiming the working folder: one Pantrex per folder, and a folder it may write to.
#include "mainwindow/workingfolder.h"
#include "support/permissions.h"
#include "support/scripteddialogs.h"
#include "support/testfolder.h"

#include <QDir>
#include <QTest>

using namespace pantrex;
using namespace pantrex::testing;

class WorkingFolderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void createsMissingFolder();
    void secondClaimIsRefused();
    void readOnlyFolderIsRefused();
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

QTEST_MAIN(WorkingFolderTest)
#include "test_workingfolder.moc"
