// SPDX-License-Identifier: MIT
// Exporting the product list to a merge file (and a diskette), and importing a merge file: what the
// user is asked and told, and what is on disk afterwards.
#include "mainwindowfixture.h"

#include "mainwindow/productview.h"
#include "support/filesizelimit.h"
#include "support/permissions.h"

#include <QAction>
#include <QGuiApplication>
#include <QListView>
#include <QTest>

using namespace pantrex;
using namespace pantrex::testing;
using Answer = Dialogs::Answer;

namespace {

const QString Offer = QStringLiteral("File created: grocery.mrg\nShould I move the file to floppy drive A:\\ ?");
const QString Diskette = QStringLiteral("Place diskette in drive A: and click OK when ready.");
const QString NotReady = QStringLiteral("Drive does not appear to be ready.");
const QString Copied = QStringLiteral("File copied successfully");
const QString Confirm = QStringLiteral("Import data to grocery.dat?");

using Script = QList<std::pair<QString, Answer>>;

void expect(MainWindowFixture& f, const Script& script) {
    for (const auto& [text, answer] : script)
        f.dialogs.expectMessage(text, answer);
}

} // namespace

Q_DECLARE_METATYPE(Script)

class MergeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exports_data();
    void exports();
    void imports_data();
    void imports();
    void importStoppedMidway();
};

void MergeTest::exports_data() {
    QTest::addColumn<QString>("drive");
    QTest::addColumn<Script>("script");
    QTest::addColumn<bool>("moved");

    const Answer ok = Answer::Ok;
    const Answer cancel = Answer::Cancel;
    QTest::newRow("kept here") << "drive" << Script{{Offer, Answer::No}, {Copied, ok}} << false;
    QTest::newRow("moved to the diskette")
        << "drive" << Script{{Offer, Answer::Yes}, {Diskette, ok}, {Copied, ok}} << true;
    QTest::newRow("diskette prompt cancelled")
        << "drive" << Script{{Offer, Answer::Yes}, {Diskette, cancel}, {Copied, ok}} << false;
    QTest::newRow("no drive: tried twice, given up")
        << "" << Script{{Offer, Answer::Yes}, {Diskette, ok},     {NotReady, ok},
                        {Diskette, ok},       {NotReady, cancel}, {Copied, ok}}
        << false;
    QTest::newRow("drive missing") << "missing"
                                   << Script{{Offer, Answer::Yes}, {Diskette, ok}, {NotReady, cancel}, {Copied, ok}}
                                   << false;
    QTest::newRow("drive write-protected")
        << "readonly" << Script{{Offer, Answer::Yes}, {Diskette, ok}, {NotReady, cancel}, {Copied, ok}} << false;
    QTest::newRow("drive is the working folder")
        << "." << Script{{Offer, Answer::Yes}, {Diskette, ok}, {Copied, ok}} << false;
    QTest::newRow("working folder write-protected")
        << "here-readonly" << Script{{"Could not copy grocery.dat to grocery.mrg: Permission denied", ok}} << false;
}

void MergeTest::exports() {
    QFETCH(QString, drive);
    QFETCH(Script, script);
    QFETCH(bool, moved);

    MainWindowFixture f;
    TestFolder diskette;
    const QByteArray products = productBytes("Milk") + productBytes("Tea");
    f.folder.write("grocery.dat", products);
    f.load();
    QString drivePath = diskette.path();
    if (drive == QStringLiteral("missing"))
        drivePath = diskette.filePath("missing");
    else if (drive == QStringLiteral("."))
        drivePath = f.folder.path();
    else if (drive.isEmpty())
        drivePath.clear();
    qputenv("PANTREX_DRIVE_A", drivePath.toLocal8Bit());
    const QFile::Permissions permissions = QFile::permissions(f.folder.path());
    const QString readOnly = drive == QStringLiteral("readonly") ? diskette.path() : f.folder.path();
    if (drive.endsWith(QStringLiteral("readonly")))
        QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    PermissionsEnforced enforced;
    const bool importOffered = control<QAction>(f.window, "mergecmd")->isEnabled();

    expect(f, script);
    control<QAction>(f.window, "exportcmd")->trigger();
    QVERIFY(f.dialogs.done());
    QFile::setPermissions(readOnly, permissions);
    qunsetenv("PANTREX_DRIVE_A");

    const bool copied = script.constLast().first == Copied;
    QCOMPARE(f.folder.exists("grocery.mrg"), copied && !moved);
    if (copied && !moved)
        QCOMPARE(f.folder.read("grocery.mrg"), products);
    QCOMPARE(diskette.exists("grocery.mrg"), moved);
    if (moved)
        QCOMPARE(diskette.read("grocery.mrg"), products);
    QCOMPARE(f.folder.read("grocery.dat"), products);
    // The product list is open again on every way out; Import stays as it was.
    QVERIFY(f.session->files().file(ProductChannel));
    QCOMPARE(f.session->productCount(), 2);
    QCOMPARE(control<QAction>(f.window, "mergecmd")->isEnabled(), importOffered);
}

void MergeTest::imports_data() {
    QTest::addColumn<QByteArray>("products");
    QTest::addColumn<QByteArray>("merge");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("added");
    QTest::addColumn<QStringList>("told");

    const int yes = int(Answer::Yes);
    const QByteArray none;
    QTest::newRow("names differing in case and blanks")
        << productBytes("MILK") << productBytes("Milk") + productBytes("  milk  ", "9.99") << yes << none
        << QStringList{"No new items found."};
    QTest::newRow("a name twice is added once, with its first fields")
        << productBytes("Milk")
        << productBytes("Bread", "2.50", "Dairy", "1", " ", "dropped", "carried") + productBytes("Bread", "9.99") << yes
        << productBytes("Bread", "2.50", "Dairy", "1", " ", {}, "carried") << QStringList{};
    QTest::newRow("an existing product keeps its own fields")
        << productBytes("Milk", "1.00") << productBytes("Milk", "5.00", "Dairy", "1") + productBytes("Tea") << yes
        << productBytes("Tea") << QStringList{};
    QTest::newRow("case within Windows-1252") << productBytes("Cr\xe8me")
                                              << productBytes("CR\xc8ME") + productBytes("\xe9"
                                                                                         "clair")
                                              << yes
                                              << productBytes("\xe9"
                                                              "clair")
                                              << QStringList{};
    QTest::newRow("partial last record") << productBytes("Milk") << productBytes("Tea") + QByteArray(60, 'x') << yes
                                         << productBytes("Tea") << QStringList{};
    QTest::newRow("records naming no product")
        << productBytes("Milk") << QByteArray(146, '\0') + productBytes("\x01\x02\x03") + productBytes("Tea") << yes
        << productBytes("Tea") << QStringList{"2 record(s) of grocery.mrg named no product and were left out."};
    QTest::newRow("merge file gone") << productBytes("Milk") << none << yes << none
                                     << QStringList{"Merge file not found."};
    QTest::newRow("merge file emptied") << productBytes("Milk") << QByteArray("") << yes << none
                                        << QStringList{"Merge file not found."};
    QTest::newRow("declined") << productBytes("Milk") << productBytes("Tea") << int(Answer::No) << none
                              << QStringList{};
}

void MergeTest::imports() {
    QFETCH(QByteArray, products);
    QFETCH(QByteArray, merge);
    QFETCH(int, answer);
    QFETCH(QByteArray, added);
    QFETCH(QStringList, told);

    MainWindowFixture f;
    f.folder.write("grocery.dat", products);
    f.folder.write("grocery.mrg", productBytes("Offered"));
    f.load();
    QVERIFY(control<QAction>(f.window, "mergecmd")->isEnabled());
    // The merge file as it is by the time the user imports.
    QFile::remove(f.folder.filePath("grocery.mrg"));
    if (!merge.isNull())
        f.folder.write("grocery.mrg", merge);

    f.dialogs.expectMessage(Confirm, Answer(answer));
    for (const QString& text : std::as_const(told))
        f.dialogs.expectMessage(text);
    control<QAction>(f.window, "mergecmd")->trigger();
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.dialogs.shown().constFirst().message.icon, Dialogs::Icon::Question);
    QVERIFY(!QGuiApplication::overrideCursor());

    QCOMPARE(f.folder.read("grocery.dat"), products + added);
    QCOMPARE(f.session->productCount(), (products + added).size() / ProductRecord::Length);
    QCOMPARE(f.window->productView()->productList()->model()->rowCount(), f.session->productCount());
    const bool imported = answer == int(Answer::Yes) && !merge.isEmpty();
    QCOMPARE(f.folder.exists("grocery.mrg"), !imported && !merge.isEmpty());
    QCOMPARE(f.folder.exists("grocery.old"), imported);
    if (imported)
        QCOMPARE(f.folder.read("grocery.old"), merge);
    else if (!merge.isEmpty())
        QCOMPARE(f.folder.read("grocery.mrg"), merge);
    QCOMPARE(control<QAction>(f.window, "mergecmd")->isEnabled(), answer != int(Answer::Yes));
}

void MergeTest::importStoppedMidway() {
    MainWindowFixture f;
    const QByteArray merge = productBytes("Tea") + productBytes("Jam") + productBytes("Rice") + productBytes("Oats");
    f.folder.write("grocery.dat", productBytes("Milk"));
    f.folder.write("grocery.mrg", merge);
    f.load();

    f.dialogs.expectMessage(Confirm, Answer::Yes);
    f.dialogs.expectMessage(QStringLiteral("Could not write to grocery.dat: File too large\n\n2 new products were "
                                           "added to grocery.dat; grocery.mrg is kept."));
    {
        // Room for two more products and part of a third.
        FileSizeLimit limit(3 * ProductRecord::Length + 50);
        control<QAction>(f.window, "mergecmd")->trigger();
    }
    QVERIFY(f.dialogs.done());
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(f.folder.read("grocery.dat"), productBytes("Milk") + productBytes("Tea") + productBytes("Jam"));
    QCOMPARE(f.session->productCount(), 3);
    QCOMPARE(f.window->productView()->productList()->model()->rowCount(), 3);
    QCOMPARE(f.folder.read("grocery.mrg"), merge);
    QVERIFY(!f.folder.exists("grocery.old"));
    QVERIFY(control<QAction>(f.window, "mergecmd")->isEnabled());
}

QTEST_MAIN(MergeTest)
#include "test_merge.moc"
