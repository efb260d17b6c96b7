// SPDX-License-Identifier: MIT
// The Import/export menu's CSV entries and the shopping list's text on the clipboard, through the
// main window: the boxes the user sees, the product view, and what lands on disk.
#include "mainwindowfixture.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>

using namespace pantrex;
using namespace pantrex::testing;

class CsvWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void importAsks_data();
    void importAsks();
    void exportWrites();
    void copyAndPaste_data();
    void copyAndPaste();
};

namespace {

const QByteArray Milk = productBytes("Milk", "1.25", "Dairy");

void trigger(MainWindowFixture& f, const char* item) {
    control<QAction>(f.window, item)->trigger();
}

int productRows(MainWindowFixture& f) {
    return control<QListView>(f.window, "List1")->model()->rowCount();
}

} // namespace

void CsvWindowTest::importAsks_data() {
    QTest::addColumn<Dialogs::Answer>("answer");
    QTest::addColumn<QByteArray>("products");
    QTest::newRow("yes") << Dialogs::Answer::Yes << Milk + productBytes("Tea", "2.00", "Miscellaneous");
    QTest::newRow("no") << Dialogs::Answer::No << Milk;
}

void CsvWindowTest::importAsks() {
    QFETCH(Dialogs::Answer, answer);
    QFETCH(QByteArray, products);
    MainWindowFixture f;
    f.folder.write(QStringLiteral("grocery.dat"), Milk);
    f.folder.write(QStringLiteral("in.csv"), "name;price\r\nMILK;3\r\ntea;2\r\n");
    f.load();
    f.chooser.expectOpen(f.folder.filePath(QStringLiteral("in.csv")));
    f.dialogs.expectMessage(QStringLiteral("Would add 1 product; 1 is already there.\n\nAdd them to grocery.dat?"),
                            answer);
    if (answer == Dialogs::Answer::Yes)
        f.dialogs.expectMessage(QStringLiteral("Added 1 product; 1 was already there."));
    trigger(f, "csvimportcmd");
    QCOMPARE(f.folder.read(QStringLiteral("grocery.dat")), products);
    QCOMPARE(productRows(f), products.size() / ProductRecord::Length);
}

void CsvWindowTest::exportWrites() {
    MainWindowFixture f;
    f.folder.write(QStringLiteral("grocery.dat"), Milk);
    f.load();
    const QString target = f.folder.filePath(QStringLiteral("out.csv"));
    f.chooser.expectOpen(target);
    f.dialogs.expectMessage(QStringLiteral("1 product was written to %1.").arg(target));
    trigger(f, "csvexportcmd");
    QCOMPARE(f.folder.read(QStringLiteral("out.csv")),
             QByteArray("name,price,category,high_fat,high_carb\r\nMilk,1.25,Dairy,no,no\r\n"));
}

void CsvWindowTest::copyAndPaste_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<Dialogs::Answer>("makeNew");
    QTest::addColumn<QString>("copied");
    QTest::newRow("known products") << QStringLiteral("2 x milk\n") << Dialogs::Answer::Ok
                                    << QStringLiteral("grocery ($2.50)\n2 x Milk\t$2.50\n");
    QTest::newRow("a new product made") << QStringLiteral("milk\nJam 3") << Dialogs::Answer::Yes
                                        << QStringLiteral("grocery ($1.25)\n3 x Jam\t$.00\n1 x Milk\t$1.25\n");
    QTest::newRow("a new product declined")
        << QStringLiteral("milk\nJam 3") << Dialogs::Answer::No << QStringLiteral("grocery ($1.25)\n1 x Milk\t$1.25\n");
}

// Ctrl+V in the shopping list pastes lines of text as items, Ctrl+C copies the list back as text.
void CsvWindowTest::copyAndPaste() {
    QFETCH(QString, pasted);
    QFETCH(Dialogs::Answer, makeNew);
    QFETCH(QString, copied);
    MainWindowFixture f;
    f.folder.write(QStringLiteral("grocery.dat"), Milk);
    f.load();
    QListView* list = control<QListView>(f.window, "list2");
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    list->setFocus();
    QGuiApplication::clipboard()->setText(pasted);
    if (makeNew != Dialogs::Answer::Ok)
        f.dialogs.expectMessage(
            QStringLiteral("1 item was added to the shopping list.\n\nThese lines name no product of "
                           "the product list:\n\n3 x Jam\n\nMake them new products (priced .00, "
                           "under Miscellaneous) and add them to the shopping list?"),
            makeNew);
    QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    QCOMPARE(control<QLabel>(f.window, "listlbl")->text(), copied.section(QLatin1Char('\n'), 0, 0));
    QCOMPARE(productRows(f), makeNew == Dialogs::Answer::Yes ? 2 : 1);
}

QTEST_MAIN(CsvWindowTest)
#include "test_csvwindow.moc"
