// SPDX-License-Identifier: MIT
// Quitting: the name of the open list is remembered, or an empty list is removed.
#include "mainwindowfixture.h"

#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/hoverbutton.h"
#include "support/permissions.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace pantrex;
using namespace pantrex::testing;

class QuitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void remembersOpenList_data();
    void remembersOpenList();
    void nextStartOpensTheSameList_data();
    void nextStartOpensTheSameList();
    void eliminatesEmptyListOnOk();
    void keepsEverythingOnCancel();
    void keepsProductFilesThatHoldProducts();
    void escapeInSearchBoxQuits();
    void closeBoxRunsQuit();
    void nameFileThatCannotBeWritten();
};

void QuitTest::remembersOpenList_data() {
    QTest::addColumn<QByteArray>("nameRecord");
    QTest::addColumn<QByteArray>("listBytes");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("default list, empty") << QByteArray() << QByteArray() << QByteArray("grocery.lst ");
    QTest::newRow("other list with items")
        << QByteArray("party.lst   ") << shoppingBytes("Cake") << QByteArray("party.lst   ");
    QTest::newRow("full twelve characters")
        << QByteArray("abcdefgh.lst") << shoppingBytes("Cake") << QByteArray("abcdefgh.lst");
}

void QuitTest::remembersOpenList() {
    QFETCH(QByteArray, nameRecord);
    QFETCH(QByteArray, listBytes);
    QFETCH(QByteArray, written);

    MainWindowFixture f;
    f.folder.write("namefile.dat", nameRecord);
    f.folder.write(QString::fromLatin1(written.trimmed()), listBytes);
    f.load();
    control<QPushButton>(f.window, "quitcmd")->click();
    QCOMPARE(f.finished->count(), 1);
    QCOMPARE(f.folder.read("namefile.dat"), written);
    QCOMPARE(f.folder.read(QString::fromLatin1(written.trimmed())), listBytes);
    QVERIFY(f.dialogs.shown().isEmpty());
    // Every channel is closed.
    for (int channel = 1; channel <= 9; ++channel)
        QVERIFY(!f.session->files().file(channel));
}

// A list opened under a name the name file cannot give back is not remembered at all: the next
// start opens the default list, never another one.
void QuitTest::nextStartOpensTheSameList_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("reopened");

    const QByteArray nothing(12, ' ');
    QTest::newRow("no-break space first") << QStringLiteral("\u00A0ab.lst")
                                          << QByteArray("\xA0"
                                                        "ab.lst     ")
                                          << QStringLiteral("\u00A0ab.lst");
    QTest::newRow("longer than twelve") << QStringLiteral("somewhery.lst") << nothing << QStringLiteral("grocery.lst");
    QTest::newRow("cut to another list") << QStringLiteral("abcdefgh.lst.lst") << nothing
                                         << QStringLiteral("grocery.lst");
    QTest::newRow("outside the code page") << QStringLiteral("\u03A9.lst") << nothing << QStringLiteral("grocery.lst");
    QTest::newRow("blank first") << QStringLiteral(" ab.lst") << nothing << QStringLiteral("grocery.lst");
}

void QuitTest::nextStartOpensTheSameList() {
    QFETCH(QString, list);
    QFETCH(QByteArray, written);
    QFETCH(QString, reopened);

    MainWindowFixture f;
    f.folder.write("grocery.dat", productBytes("Milk"));
    f.folder.write(list, shoppingBytes("Cake"));
    f.folder.write("abcdefgh.lst", shoppingBytes("Candles"));
    f.load();
    f.chooser.expectOpen(f.folder.filePath(list));
    control<QAction>(f.window, "openfilecmd")->trigger();
    QCOMPARE(f.session->shoppingListPath(), list);
    control<QPushButton>(f.window, "quitcmd")->click();
    QCOMPARE(f.folder.read("namefile.dat"), written);

    Session next(f.folder.path());
    MainWindow window(next, f.dialogs);
    window.load();
    QCOMPARE(next.shoppingListPath(), reopened);
    QVERIFY(f.dialogs.shown().isEmpty());
}

void QuitTest::eliminatesEmptyListOnOk() {
    MainWindowFixture f;
    f.folder.write("grocery.dat", productBytes("Milk"));
    f.folder.write("namefile.dat", "party.lst   ");
    f.load();
    QVERIFY(f.folder.exists("party.lst"));
    QVERIFY(f.folder.exists("party.dat"));
    // A search that matches nothing leaves both views empty although grocery.dat holds products.
    f.window->productView()->searchEdit()->setText(QStringLiteral("zz"));
    f.dialogs.expectMessage("party.lst is empty and will be eliminated.", Dialogs::Answer::Ok);
    control<QPushButton>(f.window, "quitcmd")->click();
    QVERIFY(f.dialogs.done());
    const Dialogs::Message& box = f.dialogs.shown().constFirst().message;
    QCOMPARE(box.title, QString());
    QCOMPARE(box.buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(box.icon, Dialogs::Icon::Exclamation);
    QCOMPARE(f.finished->count(), 1);
    QCOMPARE(f.folder.files(), QStringList({"grocery.bak", "grocery.dat"}));
    QCOMPARE(f.folder.read("grocery.dat"), productBytes("Milk"));
}

void QuitTest::keepsEverythingOnCancel() {
    MainWindowFixture f;
    f.folder.write("namefile.dat", "party.lst   ");
    f.load();
    const QStringList before = f.folder.files();
    f.dialogs.expectMessage("party.lst is empty and will be eliminated.", Dialogs::Answer::Cancel);
    control<QPushButton>(f.window, "quitcmd")->click();
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.finished->count(), 0);
    QCOMPARE(f.folder.files(), before);
    QCOMPARE(f.folder.read("namefile.dat"), QByteArray("party.lst   "));
    // The program goes on with its files open.
    QVERIFY(f.session->files().file(ShoppingChannel));
    QVERIFY(f.session->files().file(ProductChannel));
}

void QuitTest::keepsProductFilesThatHoldProducts() {
    // A search that matches nothing empties the view although the list's own product file holds
    // products: the empty shopping list goes, its products stay.
    MainWindowFixture f;
    f.folder.write("namefile.dat", "party.lst   ");
    f.folder.write("party.dat", productBytes("Cake"));
    f.folder.write("grocery.dat", productBytes("Milk"));
    f.load();
    f.window->productView()->searchEdit()->setText(QStringLiteral("no such product"));
    QCOMPARE(f.window->productView()->rowCount(), 0);
    f.dialogs.expectMessage("party.lst is empty and will be eliminated.", Dialogs::Answer::Ok);
    control<QPushButton>(f.window, "quitcmd")->click();
    QVERIFY(!f.folder.exists("party.lst"));
    QCOMPARE(f.folder.read("party.dat"), productBytes("Cake"));
    QCOMPARE(f.folder.read("grocery.dat"), productBytes("Milk"));
    QVERIFY(!f.folder.exists("namefile.dat"));
}

void QuitTest::escapeInSearchBoxQuits() {
    MainWindowFixture f;
    f.folder.write("namefile.dat", "party.lst   ");
    f.load();
    QLineEdit* search = f.window->productView()->searchEdit();
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    search->setFocus();
    QTest::keyClicks(search, "zz");
    f.dialogs.expectMessage("party.lst is empty and will be eliminated.", Dialogs::Answer::Ok);
    QTest::keyClick(search, Qt::Key_Escape);
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.finished->count(), 1);
    QVERIFY(!f.folder.exists("party.lst"));
    QVERIFY(!f.folder.exists("namefile.dat"));
}

void QuitTest::closeBoxRunsQuit() {
    MainWindowFixture f;
    f.folder.write("namefile.dat", "party.lst   ");
    f.load();
    f.dialogs.expectMessage("party.lst is empty and will be eliminated.", Dialogs::Answer::Cancel);
    QVERIFY(!f.window->close());
    QCOMPARE(f.finished->count(), 0);
    QVERIFY(f.window->isVisible());

    f.dialogs.expectMessage("party.lst is empty and will be eliminated.", Dialogs::Answer::Ok);
    QVERIFY(f.window->close());
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.finished->count(), 1);
    QVERIFY(!f.window->isVisible());
    QVERIFY(!f.folder.exists("party.lst"));
}

void QuitTest::nameFileThatCannotBeWritten() {
    MainWindowFixture f;
    f.folder.write("namefile.dat", "shop.lst    ");
    f.folder.write("shop.lst", shoppingBytes("Tea"));
    QFile::setPermissions(f.folder.filePath("namefile.dat"), QFile::ReadOwner);
    PermissionsEnforced enforced;
    f.load();
    f.dialogs.expectMessage("Could not write to namefile.dat: the file is read-only");
    control<QPushButton>(f.window, "quitcmd")->click();
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.finished->count(), 1);
    QCOMPARE(f.folder.read("namefile.dat"), QByteArray("shop.lst    "));
    QCOMPARE(f.folder.read("shop.lst"), shoppingBytes("Tea"));
}

QTEST_MAIN(QuitTest)
#include "test_quit.moc"
