// SPDX-License-Identifier: MIT
// The built pantrex run on the command line: what it prints, its exit code and what it leaves in
// the data folder.
#include "support/productrecords.h"

#include <QProcess>
#include <QTest>

using namespace pantrex::testing;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runPantrex(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PANTREX_BINARY), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commands_data();
    void commands();
};

void CliTest::commands_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("products"); // grocery.dat afterwards

    const QByteArray milk = productBytes("Milk", "2.49", "Dairy", "1");
    const QByteArray csv = "name,price\nMilk,1\nTea,2\n,3\n";
    const QByteArray tea = productBytes("Tea", "2.00", "Miscellaneous", " ");
    QTest::newRow("export to standard output")
        << QStringList{QStringLiteral("--export-csv"), QStringLiteral("-")} << QByteArray() << 0
        << QByteArray("name,price,category,high_fat,high_carb\r\nMilk,2.49,Dairy,yes,no\r\n") << milk;
    QTest::newRow("import tells first")
        << QStringList{QStringLiteral("--import-csv"), QStringLiteral("-")} << csv << 0
        << QByteArray("Would add 1 product; 1 is already there; 1 line would be refused (line 4: the name is "
                      "empty).\nNothing was written: run again with --yes to add them to grocery.dat.\n")
        << milk;
    QTest::newRow("import with yes")
        << QStringList{QStringLiteral("--import-csv"), QStringLiteral("-"), QStringLiteral("--yes")} << csv << 0
        << QByteArray("Added 1 product; 1 was already there; 1 line was refused (line 4: the name is empty).\n")
        << milk + tea;
    QTest::newRow("import of a file that is not there")
        << QStringList{QStringLiteral("--import-csv"), QStringLiteral("missing.csv"), QStringLiteral("--yes")}
        << QByteArray() << 1 << QByteArray() << milk;
    QTest::newRow("list as text") << QStringList{QStringLiteral("--list-text")} << QByteArray() << 0
                                  << QByteArray("grocery ($4.98)\n2 x Milk\t$4.98\n") << milk;
    QTest::newRow("yes alone") << QStringList{QStringLiteral("--yes")} << QByteArray() << 2 << QByteArray() << milk;
    QTest::newRow("two at once") << QStringList{QStringLiteral("--list-text"), QStringLiteral("--export-csv"),
                                                QStringLiteral("-")}
                                 << QByteArray() << 2 << QByteArray() << milk;
}

void CliTest::commands() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, products);
    TestFolder folder;
    folder.write(QStringLiteral("grocery.dat"), productBytes("Milk", "2.49", "Dairy", "1"));
    folder.write(QStringLiteral("grocery.lst"), shoppingBytes("Milk", " 4.98", "2"));

    const Run run = runPantrex(QStringList{QStringLiteral("--data-dir"), folder.path()} + arguments, input);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, out);
    QCOMPARE(run.err.isEmpty(), exitCode == 0);
    QCOMPARE(folder.read(QStringLiteral("grocery.dat")), products);
}

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
