// SPDX-License-Identifier: MIT
// What the main window opens and leaves on disk when it starts.
#include "mainwindowfixture.h"

#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/hoverbutton.h"
#include "support/permissions.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace pantrex;
using namespace pantrex::testing;

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstRunInEmptyFolder();
    void takesOverListOfOlderEdition_data();
    void takesOverListOfOlderEdition();
    void keepsEverythingWhenTheReplacedListCannotBeKept();
    void backsUpDefaultProducts_data();
    void backsUpDefaultProducts();
    void opensListNamedInNameFile_data();
    void opensListNamedInNameFile();
    void refusesUnsafeListNames_data();
    void refusesUnsafeListNames();
    void offersImportOnlyWithMergeRecords_data();
    void offersImportOnlyWithMergeRecords();
    void countsOnlyWholeRecords();
    void keepsMergeFileItCannotRead_data();
    void keepsMergeFileItCannotRead();
    void listNamedLikeProgramFileSharesDefaultProducts();
};

void StartupTest::firstRunInEmptyFolder() {
    MainWindowFixture f;
    f.load();
    QCOMPARE(f.session->shoppingListPath(), QStringLiteral("grocery.lst"));
    QCOMPARE(f.session->productListPath(), QStringLiteral("grocery.dat"));
    QCOMPARE(f.session->productCount(), 0);
    QCOMPARE(f.session->shoppingCount(), 0);
    QCOMPARE(f.window->shoppingList()->captionLabel()->text(), QStringLiteral("grocery ($)"));
    QVERIFY(!f.window->productView()->allButton()->isEnabled());
    QVERIFY(!control<QAction>(f.window, "mergecmd")->isEnabled());
    // The probes leave their files behind empty; the probes for an older edition's list and for a
    // merge file, and the backup, leave nothing.
    QCOMPARE(f.folder.files(), QStringList({"grocery.dat", "grocery.lst", "namefile.dat"}));
    for (const QString& name : f.folder.files())
        QCOMPARE(f.folder.read(name), QByteArray());
    QVERIFY(f.dialogs.shown().isEmpty());
}

void StartupTest::takesOverListOfOlderEdition_data() {
    QTest::addColumn<QByteArray>("oldList");
    QTest::addColumn<QByteArray>("replaced");
    QTest::addColumn<QStringList>("files");

    const QByteArray old = shoppingBytes("Milk") + shoppingBytes("Bread");
    QTest::newRow("replaced list is kept")
        << old << shoppingBytes("Eggs") << QStringList{"grocery.lst", "grocery.lst.bak", "namefile.dat"};
    QTest::newRow("an empty list needs no copy") << old << QByteArray() << QStringList{"grocery.lst", "namefile.dat"};
    QTest::newRow("an empty old list stays out")
        << QByteArray() << shoppingBytes("Eggs")
        << QStringList{"grocery.lst", "namefile.dat", "party.dat", "party.lst"};
    QTest::newRow("a partial old record stays")
        << QByteArray("part of a record") << shoppingBytes("Eggs")
        << QStringList{"grocery.lst", "namefile.dat", "pantlist.dat", "party.dat", "party.lst"};
}

void StartupTest::takesOverListOfOlderEdition() {
    QFETCH(QByteArray, oldList);
    QFETCH(QByteArray, replaced);
    QFETCH(QStringList, files);

    MainWindowFixture f;
    f.folder.write("pantlist.dat", oldList);
    f.folder.write("grocery.lst", replaced);
    f.folder.write("namefile.dat", "party.lst   ");
    f.load();
    const bool takenOver = oldList.size() >= 149;
    QCOMPARE(f.session->shoppingListPath(), takenOver ? QStringLiteral("grocery.lst") : QStringLiteral("party.lst"));
    QCOMPARE(f.folder.read("grocery.lst"), takenOver ? oldList : replaced);
    QCOMPARE(f.folder.read("grocery.lst.bak"), takenOver ? replaced : QByteArray());
    if (!takenOver && !oldList.isEmpty())
        QCOMPARE(f.folder.read("pantlist.dat"), oldList);
    files.prepend("grocery.dat");
    QCOMPARE(f.folder.files(), files);
}

void StartupTest::keepsEverythingWhenTheReplacedListCannotBeKept() {
    MainWindowFixture f;
    const QByteArray old = shoppingBytes("Milk");
    f.folder.write("pantlist.dat", old);
    f.folder.write("grocery.lst", shoppingBytes("Eggs"));
    QVERIFY(QDir(f.folder.path()).mkdir("grocery.lst.bak"));
    f.dialogs.expectMessage("Could not copy grocery.lst to grocery.lst.bak: it is not a regular file");
    f.load();
    QCOMPARE(f.folder.read("pantlist.dat"), old);
    QCOMPARE(f.folder.read("grocery.lst"), shoppingBytes("Eggs"));
}

void StartupTest::backsUpDefaultProducts_data() {
    QTest::addColumn<bool>("linkedOut");
    QTest::newRow("an older copy") << false;
    QTest::newRow("a link to a file elsewhere") << true;
}

// The copy of each start replaces whatever is in its place; a link's own file is never written.
void StartupTest::backsUpDefaultProducts() {
    QFETCH(bool, linkedOut);
    MainWindowFixture f;
    QTemporaryDir elsewhere;
    const QByteArray older = "an older copy that is longer than the products are";
    const QByteArray products = productBytes("Milk") + productBytes("Bread");
    f.folder.write("grocery.dat", products);
    const QString outside = elsewhere.filePath(QStringLiteral("mine.txt"));
    if (linkedOut) {
        QFile mine(outside);
        QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write(older) == older.size());
        QVERIFY(QFile::link(outside, f.folder.filePath("grocery.bak")));
    } else {
        f.folder.write("grocery.bak", older);
    }
    QFile::setPermissions(f.folder.filePath("grocery.dat"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser);
    f.load();
    QCOMPARE(f.folder.read("grocery.bak"), products);
    QVERIFY(!QFileInfo(f.folder.filePath("grocery.bak")).isSymLink());
    QCOMPARE(f.folder.read("grocery.dat"), products);
    QVERIFY(QFileInfo(f.folder.filePath("grocery.bak")).permissions() & QFile::WriteOwner);
    QCOMPARE(f.session->productCount(), 2);
    if (linkedOut) {
        QFile mine(outside);
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), older);
    }
}

void StartupTest::opensListNamedInNameFile_data() {
    QTest::addColumn<QByteArray>("nameRecord");
    QTest::addColumn<QByteArray>("ownProducts");
    QTest::addColumn<QString>("shoppath");
    QTest::addColumn<QString>("prodpath");
    QTest::addColumn<qint64>("prodcount");

    QTest::newRow("list with no products of its own") << QByteArray("party.lst   ") << QByteArray() << "party.lst"
                                                      << "grocery.dat" << qint64(1);
    QTest::newRow("list with its own products")
        << QByteArray("party.lst   ") << productBytes("Cake") + productBytes("Candles") << "party.lst"
        << "party.dat" << qint64(2);
    QTest::newRow("surrounding blanks") << QByteArray("  shop.lst  ") << QByteArray() << "shop.lst"
                                        << "grocery.dat" << qint64(1);
    QTest::newRow("no-break space first")
        << QByteArray("\xA0"
                      "ab.lst     ")
        << QByteArray() << QStringLiteral("\u00A0ab.lst") << "grocery.dat" << qint64(1);
    QTest::newRow("empty name keeps the default") << QByteArray(12, ' ') << QByteArray() << "grocery.lst"
                                                  << "grocery.dat" << qint64(1);
}

void StartupTest::opensListNamedInNameFile() {
    QFETCH(QByteArray, nameRecord);
    QFETCH(QByteArray, ownProducts);
    QFETCH(QString, shoppath);
    QFETCH(QString, prodpath);
    QFETCH(qint64, prodcount);

    MainWindowFixture f;
    f.folder.write("grocery.dat", productBytes("Milk"));
    f.folder.write("namefile.dat", nameRecord);
    const QString ownName = QString(shoppath).replace(QStringLiteral(".lst"), QStringLiteral(".dat"));
    if (!ownProducts.isEmpty())
        f.folder.write(ownName, ownProducts);
    f.load();
    QCOMPARE(f.session->shoppingListPath(), shoppath);
    QCOMPARE(f.session->productListPath(), prodpath);
    QCOMPARE(f.session->productCount(), prodcount);
    // A list that no longer exists opens as a new, empty list of that name.
    QVERIFY(f.folder.exists(shoppath));
    QCOMPARE(f.folder.read(shoppath), QByteArray());
    QCOMPARE(f.window->shoppingList()->captionLabel()->text(), shoppath.section(QLatin1Char('.'), 0, 0) + " ($)");
    if (shoppath != QStringLiteral("grocery.lst"))
        QCOMPARE(f.folder.read(ownName), ownProducts);
}

void StartupTest::refusesUnsafeListNames_data() {
    QTest::addColumn<QByteArray>("nameRecord");
    QTest::newRow("parent folder") << QByteArray("../x.lst    ");
    QTest::newRow("folder part") << QByteArray("sub/x.lst   ");
    QTest::newRow("absolute") << QByteArray("/tmp/x.lst  ");
    QTest::newRow("backslash") << QByteArray("..\\x.lst    ");
    QTest::newRow("drive") << QByteArray("c:x.lst     ");
    QTest::newRow("dot dot") << QByteArray("..          ");
    QTest::newRow("zero bytes") << QByteArray("x.lst\0\0\0\0\0\0\0", 12);
    QTest::newRow("product file") << QByteArray("grocery.dat ");
    QTest::newRow("name file itself") << QByteArray("namefile.dat");
}

void StartupTest::refusesUnsafeListNames() {
    QFETCH(QByteArray, nameRecord);
    TestFolder outside;
    MainWindowFixture f;
    QDir(f.folder.path()).mkdir("sub");
    f.folder.write("namefile.dat", nameRecord);
    f.folder.write("grocery.dat", productBytes("Milk"));
    f.load();
    QCOMPARE(f.session->shoppingListPath(), QStringLiteral("grocery.lst"));
    QCOMPARE(f.folder.read("grocery.dat"), productBytes("Milk"));
    QCOMPARE(f.folder.read("namefile.dat"), nameRecord);
    QVERIFY(QDir(f.folder.filePath("sub")).isEmpty());
    QVERIFY(!QFile::exists(f.folder.filePath("../x.lst")));
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/x.lst")));
    QVERIFY(f.dialogs.shown().isEmpty());
}

void StartupTest::offersImportOnlyWithMergeRecords_data() {
    QTest::addColumn<QByteArray>("nameRecord");
    QTest::addColumn<QString>("ownProducts");
    QTest::addColumn<QString>("mergeFile");
    QTest::addColumn<QByteArray>("mergeBytes");
    QTest::addColumn<bool>("offered");

    QTest::newRow("default list, merge file with products")
        << QByteArray() << QString() << "grocery.mrg" << productBytes("Tea") << true;
    QTest::newRow("default list, empty merge file")
        << QByteArray() << QString() << "grocery.mrg" << QByteArray() << false;
    QTest::newRow("own product list") << QByteArray("party.lst   ") << "party.dat"
                                      << "party.mrg" << productBytes("Tea") << true;
    QTest::newRow("merge file of another list")
        << QByteArray("party.lst   ") << QString() << "party.mrg" << productBytes("Tea") << false;
}

void StartupTest::offersImportOnlyWithMergeRecords() {
    QFETCH(QByteArray, nameRecord);
    QFETCH(QString, ownProducts);
    QFETCH(QString, mergeFile);
    QFETCH(QByteArray, mergeBytes);
    QFETCH(bool, offered);

    MainWindowFixture f;
    f.folder.write("namefile.dat", nameRecord);
    if (!ownProducts.isEmpty())
        f.folder.write(ownProducts, productBytes("Cake"));
    f.folder.write(mergeFile, mergeBytes);
    f.load();
    QCOMPARE(control<QAction>(f.window, "mergecmd")->isEnabled(), offered);
    // An empty merge file made by the probe is removed; one with products stays untouched.
    QCOMPARE(f.folder.exists(f.session->mergePath()), offered);
    if (!mergeBytes.isEmpty())
        QCOMPARE(f.folder.read(mergeFile), mergeBytes);
}

void StartupTest::countsOnlyWholeRecords() {
    MainWindowFixture f;
    const QByteArray products = productBytes("Milk") + productBytes("Tea") + QByteArray("partial");
    f.folder.write("grocery.dat", products);
    f.folder.write("grocery.lst", shoppingBytes("Milk") + QByteArray(100, 'x'));
    f.load();
    QCOMPARE(f.session->productCount(), 2);
    QCOMPARE(f.session->shoppingCount(), 1);
    QCOMPARE(f.folder.read("grocery.dat"), products);
}

void StartupTest::keepsMergeFileItCannotRead_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("unreadable") << "unreadable"
                                << "Could not open grocery.mrg: Permission denied";
    QTest::newRow("named pipe") << "fifo"
                                << "Could not open grocery.mrg: it is not a regular file";
    QTest::newRow("link out of the folder")
        << "link"
        << "Could not open grocery.mrg: it is a link to a file outside the working folder";
}

// A merge file that cannot or may not be read is told of, and stays as it is.
void StartupTest::keepsMergeFileItCannotRead() {
    QFETCH(QString, kind);
    QFETCH(QString, message);
    MainWindowFixture f;
    QTemporaryDir elsewhere;
    const QString path = f.folder.filePath("grocery.mrg");
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("link")) {
        QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("x.mrg")), path));
        QFile target(elsewhere.filePath(QStringLiteral("x.mrg")));
        QVERIFY(target.open(QIODevice::WriteOnly) && target.write(productBytes("Tea")) > 0);
    } else {
        f.folder.write("grocery.mrg", productBytes("Tea"));
        QFile::setPermissions(path, QFileDevice::Permissions());
    }
    PermissionsEnforced enforced;
    f.dialogs.expectMessage(message);
    f.load();
    QVERIFY(f.dialogs.done());
    QVERIFY(!control<QAction>(f.window, "mergecmd")->isEnabled());
    QVERIFY(QFileInfo(path).exists() || QFileInfo(path).isSymLink());
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    if (kind != QLatin1String("fifo"))
        QCOMPARE(f.folder.read("grocery.mrg"), productBytes("Tea"));
}

void StartupTest::listNamedLikeProgramFileSharesDefaultProducts() {
    // "pantnote.dat" holds the print dialog's notes: three 60-byte lines, more than one product's length.
    MainWindowFixture f;
    const QByteArray notes = QByteArray(180, 'n');
    f.folder.write("pantnote.dat", notes);
    f.folder.write("grocery.dat", productBytes("Milk"));
    f.folder.write("namefile.dat", "pantnote.lst");
    f.load();
    QCOMPARE(f.session->shoppingListPath(), QStringLiteral("pantnote.lst"));
    QCOMPARE(f.session->productListPath(), QStringLiteral("grocery.dat"));
    f.window->productView()->searchEdit()->setText(QStringLiteral("zz"));
    f.dialogs.expectMessage("pantnote.lst is empty and will be eliminated.", Dialogs::Answer::Ok);
    control<QPushButton>(f.window, "quitcmd")->click();
    QCOMPARE(f.folder.read("pantnote.dat"), notes);
    QVERIFY(!f.folder.exists("pantnote.lst"));
}

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
