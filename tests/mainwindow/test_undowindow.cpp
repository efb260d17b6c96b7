// SPDX-License-Identifier: MIT
// The Edit menu's Undo in the main window: its caption follows the history, Ctrl+Z takes the last
// change back and the lists show the files as they are then, and a refusal is told.
#include "mainwindow/shoppinglistpanel.h"
#include "mainwindowfixture.h"
#include "platform/hoverbutton.h"

#include <QAction>

using namespace pantrex;
using namespace pantrex::testing;

class UndoWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void undoErase_data();
    void undoErase();
};

void UndoWindowTest::undoErase_data() {
    QTest::addColumn<QByteArray>("meanwhile");
    QTest::addColumn<QString>("told");
    QTest::newRow("as it was left") << QByteArray() << QString();
    QTest::newRow("changed by another program")
        << shoppingBytes("Jam")
        << "grocery.lst has changed since \"Erase list\" (by another program or a later "
           "change), so it cannot be undone without losing what is in it now. Nothing was "
           "changed.";
}

void UndoWindowTest::undoErase() {
    QFETCH(QByteArray, meanwhile);
    QFETCH(QString, told);
    MainWindowFixture f;
    const QByteArray two = shoppingBytes("Tea") + shoppingBytes("Milk");
    f.folder.write("grocery.dat", productBytes("Tea") + productBytes("Milk"));
    f.folder.write("grocery.lst", two);
    f.load();
    auto* undo = control<QAction>(f.window, "undocmd");
    QVERIFY(undo && !undo->isEnabled());
    QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    f.dialogs.expectMessage(
        QStringLiteral("Erase the contents of this Shopping List? This is an irreversable move!  Are you sure?"),
        Dialogs::Answer::Yes);
    f.window->shoppingList()->eraseButton()->click();
    QCOMPARE(undo->text(), QStringLiteral("Undo Erase list"));
    QVERIFY(undo->isEnabled());

    if (!meanwhile.isEmpty()) {
        f.folder.write("grocery.lst", meanwhile);
        f.dialogs.expectMessage(told);
    }
    f.window->activateWindow();
    QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.folder.read("grocery.lst"), meanwhile.isEmpty() ? two : meanwhile);
    QCOMPARE(f.window->shoppingList()->rowCount(), meanwhile.isEmpty() ? 2 : 0);
    QCOMPARE(undo->text(), QStringLiteral("Undo"));
    QVERIFY(!undo->isEnabled());
}

QTEST_MAIN(UndoWindowTest)
#include "test_undowindow.moc"
