// SPDX-License-Identifier: MIT
// The custom list chooser in the main window: the list names, a list's items, and leaving it.
#include "customlistsfixture.h"

#include "core/session.h"

#include <sys/stat.h>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

const QString RemoveInstructions = QStringLiteral(
    "Select item(s) to remove, then press the\"Proceed\" button\nOR click \"Never Mind\" (at the bottom of the list) "
    "to quit.");
const QString GetInstructions = QStringLiteral(
    "Select item(s) to buy, then press the\"Proceed\" button\nOR click \"Never Mind\" (at the bottom of the list) "
    "to quit.");

// Tacos (three records, one of them written as TACOS by another program), Breakfast (two) and Apple
// Pie (one), added in turns; Tacos was extended last.
QByteArray lists() {
    return customBytes("Tacos", "Shells") + customBytes("Breakfast", "Milk") + customBytes("TACOS", "Beans") +
           customBytes("Apple Pie", "Apples") + customBytes("Breakfast", "Eggs") + customBytes("Tacos", "Cheese") +
           customBytes("Tacos", "avocado");
}

} // namespace

class CustomListChooserTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listNamesInEachMode_data();
    void listNamesInEachMode();
    void noListsOnFile_data();
    void noListsOnFile();
    void namesWrittenByOtherPrograms();
    void pipeInPlaceOfTheLists();
    void promptAndNeverMindRows();
    void itemsOfTheChosenList_data();
    void itemsOfTheChosenList();
    void keyboard();
    void leavingCustomListMode();
};

void CustomListChooserTest::listNamesInEachMode_data() {
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("delete") << "recdelete"
                            << "Select a list to delete...";
    QTest::newRow("get") << "recgetcmd"
                         << "Select a list to use...";
    QTest::newRow("preview") << "recpreview"
                             << "Select a list to preview...";
    QTest::newRow("add") << "recaddcmd"
                         << "Select a list to add to...";
    QTest::newRow("remove") << "receditcmd"
                            << "Select a list to edit...";
}

void CustomListChooserTest::listNamesInEachMode() {
    QFETCH(QString, menuItem);
    QFETCH(QString, prompt);
    CustomListsFixture f;
    f.open(lists(), shoppingBytes("Milk"));
    ShoppingListPanel* list = f.list;
    const QRect listPlace(list->rowsView()->mapTo(f.window.get(), QPoint()), list->rowsView()->size());
    triggerMenu(*f.window, menuItem.toLatin1().constData());

    QListView* names = listNames(f.window->chooser());
    QCOMPARE(rowsOf(names), QStringList({prompt, name30("Apple Pie"), name30("Breakfast"), name30("TACOS"),
                                         name30("Tacos"), NeverMind}));
    QCOMPARE(f.session->customCount(), 7);
    QCOMPARE(list->captionLabel()->text(), QStringLiteral("Select"));
    QVERIFY(names->isVisible() && !list->rowsView()->isVisible());
    QCOMPARE(QRect(names->mapTo(f.window.get(), QPoint()), names->size()), listPlace);
    QCOMPARE(names->palette().color(QPalette::Base), QColor(255, 255, 224));
    QCOMPARE(f.folder.read("pantrecp.dat"), lists());
}

void CustomListChooserTest::noListsOnFile_data() {
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("missing") << false << QByteArray();
    QTest::newRow("empty") << true << QByteArray();
    QTest::newRow("less than one record") << true << customBytes("Tacos", "Shells").left(250);
}

void CustomListChooserTest::noListsOnFile() {
    QFETCH(bool, exists);
    QFETCH(QByteArray, bytes);
    MainWindowFixture f;
    if (exists)
        f.folder.write("pantrecp.dat", bytes);
    f.load();
    ShoppingListPanel* list = f.window->shoppingList();
    const QString caption = list->captionLabel()->text();
    f.dialogs.expectMessage("No lists on file!");
    triggerMenu(*f.window, "recpreview");
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.dialogs.shown().constLast().message.title, QString());
    QVERIFY(!listNames(f.window->chooser())->isVisible() && list->rowsView()->isVisible());
    QCOMPARE(list->captionLabel()->text(), caption);
    QVERIFY(f.folder.exists("pantrecp.dat"));
    QCOMPARE(f.folder.read("pantrecp.dat"), bytes);
}

// A named pipe in place of the custom lists is told of, never waited on or removed.
void CustomListChooserTest::pipeInPlaceOfTheLists() {
    MainWindowFixture f;
    QCOMPARE(mkfifo(QFile::encodeName(f.folder.filePath("pantrecp.dat")).constData(), 0600), 0);
    f.load();
    f.dialogs.expectMessage("Could not open pantrecp.dat: it is not a regular file");
    triggerMenu(*f.window, "recpreview");
    QVERIFY(f.dialogs.done());
    QVERIFY(!listNames(f.window->chooser())->isVisible());
    QVERIFY(QFileInfo(f.folder.filePath("pantrecp.dat")).exists());
}

// Zero bytes show as blanks, and a name padded with them is the same list as one padded with blanks.
void CustomListChooserTest::namesWrittenByOtherPrograms() {
    CustomListsFixture f;
    QByteArray zeroPadded = customBytes("Tacos", "Beans");
    zeroPadded.replace(5, 25, QByteArray(25, '\0'));
    QByteArray zeroInside = customBytes("Ta os", "Corn");
    zeroInside[2] = '\0';
    const QByteArray bytes =
        customBytes("Tacos", "Shells") + zeroPadded + zeroInside + QByteArray(251, '\xff') + QByteArray(100, 'x');
    f.open(bytes);
    triggerMenu(*f.window, "receditcmd");
    QCOMPARE(rowsOf(f.names), QStringList({"Select a list to edit...", name30("Ta os"), name30("Tacos"),
                                           QString(30, QChar(0xff)), NeverMind}));
    f.dialogs.expectMessage(RemoveInstructions);
    clickRow(f.names, 2);
    QCOMPARE(rowsOf(f.items), itemRows({"Beans", "Shells"}));
    QCOMPARE(f.folder.read("pantrecp.dat"), bytes);
}

void CustomListChooserTest::promptAndNeverMindRows() {
    CustomListsFixture f;
    f.open(lists());
    // The prompt row is no list: deleting stays unasked.
    triggerMenu(*f.window, "recdelete");
    clickRow(f.names, 0);
    QVERIFY(f.names->isVisible());
    QCOMPARE(f.list->captionLabel()->text(), QStringLiteral("Select"));

    clickRow(f.names, 5);
    QVERIFY(!f.chooser->isVisible() && f.list->rowsView()->isVisible());
    QCOMPARE(f.list->captionLabel()->text(), f.caption);
    QCOMPARE(f.folder.read("pantrecp.dat"), lists());
}

void CustomListChooserTest::itemsOfTheChosenList_data() {
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("instructions");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("proceedAtOnce");
    QTest::newRow("remove") << "receditcmd" << RemoveInstructions << name30("Tacos") << QColor(255, 192, 192) << false;
    QTest::newRow("get") << "recgetcmd" << GetInstructions << "Get" << QColor(192, 255, 255) << true;
}

void CustomListChooserTest::itemsOfTheChosenList() {
    QFETCH(QString, menuItem);
    QFETCH(QString, instructions);
    QFETCH(QString, heading);
    QFETCH(QColor, background);
    QFETCH(bool, proceedAtOnce);
    CustomListsFixture f;
    f.open(lists(), shoppingBytes("Milk"));

    f.dialogs.expectMessage(instructions);
    chooseList(f, menuItem.toLatin1().constData(), "Tacos");
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.dialogs.shown().constLast().message.title, QString());
    // The records of Tacos and TACOS alike, sorted by item.
    QCOMPARE(rowsOf(f.items), itemRows({"Beans", "Cheese", "Shells", "avocado"}));
    QCOMPARE(f.list->captionLabel()->text(), heading);
    QCOMPARE(f.items->palette().color(QPalette::Base), background);
    QVERIFY(f.items->isVisible() && !f.names->isVisible());
    QCOMPARE(f.proceed->isVisible(), proceedAtOnce);

    clickRow(f.items, 1);
    QVERIFY(f.proceed->isVisible());
    clickRow(f.items, 4);
    QVERIFY(!f.chooser->isVisible() && !f.proceed->isVisible() && f.list->rowsView()->isVisible());
    QCOMPARE(f.list->captionLabel()->text(), f.caption);
    QCOMPARE(f.folder.read("pantrecp.dat"), lists());
}

// Arrows move, Enter and Space act on the row as a click does, Esc still quits.
void CustomListChooserTest::keyboard() {
    CustomListsFixture f;
    f.open(lists());
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));

    triggerMenu(*f.window, "receditcmd");
    QCOMPARE(QApplication::focusWidget(), f.names);
    QTest::keyClick(f.names, Qt::Key_Return); // the prompt row
    QVERIFY(f.names->isVisible());
    f.dialogs.expectMessage(RemoveInstructions);
    QTest::keyClick(f.names, Qt::Key_Down);
    QTest::keyClick(f.names, Qt::Key_Down);
    QTest::keyClick(f.names, Qt::Key_Return);
    QVERIFY(f.dialogs.done());
    QCOMPARE(rowsOf(f.items), itemRows({"Eggs", "Milk"}));

    QCOMPARE(QApplication::focusWidget(), f.items);
    QVERIFY(!f.proceed->isVisible());
    QTest::keyClick(f.items, Qt::Key_Down);
    QVERIFY(!f.proceed->isVisible());
    QTest::keyClick(f.items, Qt::Key_Space);
    QVERIFY(f.proceed->isVisible());
    QCOMPARE(f.items->selectionModel()->selectedIndexes().size(), 1);
    QTest::keyClick(f.items, Qt::Key_Down);
    QTest::keyClick(f.items, Qt::Key_Enter);
    QVERIFY(!f.chooser->isVisible());

    triggerMenu(*f.window, "recpreview");
    QTest::keyClick(f.names, Qt::Key_Escape);
    QCOMPARE(f.finished->count(), 1);
}

void CustomListChooserTest::leavingCustomListMode() {
    CustomListsFixture f;
    f.open(lists());

    triggerMenu(*f.window, "recpreview");
    f.window->leaveCustomMode();
    QVERIFY(!f.chooser->isVisible() && f.list->rowsView()->isVisible());
    QCOMPARE(f.list->captionLabel()->text(), f.caption);

    // Items shown for getting are not left on screen under another command: an emptied file closes them.
    for (const bool byCommand : {false, true}) {
        f.dialogs.expectMessage(GetInstructions);
        chooseList(f, "recgetcmd", "Breakfast");
        QVERIFY(f.proceed->isVisible());
        if (byCommand) {
            f.folder.write("pantrecp.dat", QByteArray());
            f.dialogs.expectMessage("No lists on file!");
            triggerMenu(*f.window, "recdelete");
            QVERIFY(f.dialogs.done());
        } else {
            f.window->leaveCustomMode();
        }
        QVERIFY(!f.chooser->isVisible() && !f.proceed->isVisible() && f.list->rowsView()->isVisible());
        QCOMPARE(f.list->captionLabel()->text(), f.caption);
    }
}

QTEST_MAIN(CustomListChooserTest)
#include "test_customlistchooser.moc"
