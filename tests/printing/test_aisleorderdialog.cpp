// SPDX-License-Identifier: MIT
// The aisle order dialog: the order it shows, moving categories with the buttons, the keys and the
// pointer, what OK and Cancel leave in the file beside the list, and the grouped printout that
// follows the order.
#include "printingfixture.h"

#include "printing/aisleorderdialog.h"
#include "support/permissions.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QMenu>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

const QString AislesFile = QStringLiteral("grocery.lst.aisles");

// Five categories; "bakery" and "Bakery" are two, the way the printout groups them.
void layFiles(const TestFolder& folder, const QByteArray& aisles = {}) {
    layShoppingFiles(folder);
    folder.write("grocery.dat", folder.read("grocery.dat") + productBytes("Peas", "1", "Frozen") +
                                    productBytes("Apples", "2", "Produce"));
    if (!aisles.isNull())
        folder.write(AislesFile, aisles);
}

QListWidget* categoryList(const AisleOrderDialog* dialog) {
    return control<QListWidget>(dialog, "aislelist");
}

QStringList shown(const AisleOrderDialog* dialog) {
    QStringList rows;
    for (int row = 0; row < categoryList(dialog)->count(); ++row)
        rows << categoryList(dialog)->item(row)->text();
    return rows;
}

AisleOrderDialog* openFromMenu(MainWindowFixture& f) {
    control<QMenu>(f.window, "filemenu")->findChild<QAction*>(QStringLiteral("aisleordercmd"))->trigger();
    auto* dialog = control<AisleOrderDialog>(f.window, "aisleorder");
    if (dialog)
        (void)QTest::qWaitForWindowExposed(dialog);
    return dialog;
}

void pickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Presses on a row, moves the pointer over another in steps as a hand does, and lets go there.
void dragRow(QListWidget* list, int from, int to) {
    QWidget* viewport = list->viewport();
    const QPoint start = list->visualItemRect(list->item(from)).center();
    const QPoint end = list->visualItemRect(list->item(to)).center();
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(viewport, start + (end - start) * step / 4);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, end);
}

// One step of the user: "up" and "down" click the buttons, "^up" and "^down" are Ctrl+Up and
// Ctrl+Down on the list, "Name" clicks that category, "Name>Other" drags it over the other.
void act(AisleOrderDialog* dialog, const QString& step) {
    QListWidget* list = categoryList(dialog);
    if (step == QLatin1String("up") || step == QLatin1String("down"))
        QTest::mouseClick(control<QAbstractButton>(dialog, step == QLatin1String("up") ? "moveupcmd" : "movedowncmd"),
                          Qt::LeftButton);
    else if (step.startsWith(QLatin1Char('^')))
        QTest::keyClick(list, step == QLatin1String("^up") ? Qt::Key_Up : Qt::Key_Down, Qt::ControlModifier);
    else if (step.contains(QLatin1Char('>')))
        dragRow(list, int(shown(dialog).indexOf(step.section('>', 0, 0))),
                int(shown(dialog).indexOf(step.section('>', 1))));
    else
        pickRow(list, int(shown(dialog).indexOf(step)));
}

} // namespace

class AisleOrderDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void moves_data();
    void moves();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void readOnlyFolder();
    void printoutFollowsTheOrder();
};

void AisleOrderDialogTest::moves_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QByteArray>("after");

    const QStringList usual{"Bakery", "Dairy", "Frozen", "Produce", "bakery"};
    QTest::newRow("no order yet: as the printout groups")
        << QByteArray() << usual << QStringList{} << QByteArray("Bakery\nDairy\nFrozen\nProduce\nbakery\n");
    QTest::newRow("saved order first, a gone category left out")
        << QByteArray("Produce\nMeat\nbakery\n") << QStringList{"Produce", "bakery", "Bakery", "Dairy", "Frozen"}
        << QStringList{} << QByteArray("Produce\nbakery\nBakery\nDairy\nFrozen\n");
    QTest::newRow("buttons") << QByteArray() << usual << QStringList{"Produce", "up", "up", "Bakery", "down"}
                             << QByteArray("Produce\nBakery\nDairy\nFrozen\nbakery\n");
    QTest::newRow("keys, nothing past the ends")
        << QByteArray() << usual << QStringList{"^up", "bakery", "^down", "^up", "^up", "^up", "^up", "^up"}
        << QByteArray("bakery\nBakery\nDairy\nFrozen\nProduce\n");
    QTest::newRow("dragged") << QByteArray() << usual << QStringList{"Produce>Bakery", "Dairy>bakery", "Frozen>Frozen"}
                             << QByteArray("Produce\nBakery\nFrozen\nbakery\nDairy\n");
}

void AisleOrderDialogTest::moves() {
    QFETCH(QByteArray, before);
    QFETCH(QStringList, opened);
    QFETCH(QStringList, steps);
    QFETCH(QByteArray, after);

    MainWindowFixture f;
    layFiles(f.folder, before);
    f.load();
    AisleOrderDialog* dialog = openFromMenu(f);
    QVERIFY(dialog);
    QCOMPARE(shown(dialog), opened);
    for (const QString& step : steps)
        act(dialog, step);
    QTest::mouseClick(control<QAbstractButton>(dialog, "okcmd"), Qt::LeftButton);
    QCOMPARE(f.folder.read(AislesFile), after);
    QTRY_VERIFY(!control<AisleOrderDialog>(f.window, "aisleorder"));
}

void AisleOrderDialogTest::cancelWritesNothing_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("escape");
    QTest::newRow("no order, Cancel") << QByteArray() << false;
    QTest::newRow("saved order, Esc") << QByteArray("Frozen\nDairy\n") << true;
}

void AisleOrderDialogTest::cancelWritesNothing() {
    QFETCH(QByteArray, before);
    QFETCH(bool, escape);
    MainWindowFixture f;
    layFiles(f.folder, before);
    f.load();
    // From the print dialog this time.
    PrintDialog* print = openPrintDialog(f);
    const QStringList files = f.folder.files();
    QTest::mouseClick(control<QAbstractButton>(print, "aislecmd"), Qt::LeftButton);
    auto* dialog = control<AisleOrderDialog>(print, "aisleorder");
    QVERIFY(dialog);
    act(dialog, "Produce");
    act(dialog, "up");
    act(dialog, "^up");
    if (escape)
        QTest::keyClick(categoryList(dialog), Qt::Key_Escape);
    else
        QTest::mouseClick(control<QAbstractButton>(dialog, "cancelcmd"), Qt::LeftButton);
    QTRY_VERIFY(!control<AisleOrderDialog>(print, "aisleorder"));
    QCOMPARE(f.folder.files(), files);
    if (!before.isNull())
        QCOMPARE(f.folder.read(AislesFile), before);
}

// The save is refused with the system's reason; the dialog stays with the order as the user made
// it, and OK saves it once the folder takes it.
void AisleOrderDialogTest::readOnlyFolder() {
    MainWindowFixture f;
    layFiles(f.folder, "Dairy\n");
    f.load();
    AisleOrderDialog* dialog = openFromMenu(f);
    act(dialog, "Frozen");
    act(dialog, "^up");
    const QStringList made = shown(dialog);
    {
        const PermissionsEnforced enforced;
        QVERIFY(QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        f.dialogs.expectMessage("The aisle order could not be saved in grocery.lst.aisles: Permission denied");
        QTest::mouseClick(control<QAbstractButton>(dialog, "okcmd"), Qt::LeftButton);
        QVERIFY(QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.folder.read(AislesFile), QByteArray("Dairy\n"));
    QVERIFY(dialog->isVisible());
    QCOMPARE(shown(dialog), made);
    QTest::mouseClick(control<QAbstractButton>(dialog, "okcmd"), Qt::LeftButton);
    QCOMPARE(f.folder.read(AislesFile), QByteArray("Dairy\nFrozen\nBakery\nProduce\nbakery\n"));
}

// The order made in the dialog is the order of the groups on paper; a category the order leaves out
// (the file edited since) comes after those in it.
void AisleOrderDialogTest::printoutFollowsTheOrder() {
    MainWindowFixture f;
    layFiles(f.folder);
    f.load();
    PrintDialog* print = openPrintDialog(f);
    QTest::mouseClick(control<QAbstractButton>(print, "aislecmd"), Qt::LeftButton);
    auto* dialog = control<AisleOrderDialog>(print, "aisleorder");
    act(dialog, "bakery");
    for (int i = 0; i < 4; ++i)
        act(dialog, "up");
    act(dialog, "Dairy");
    act(dialog, "up");
    QTest::mouseClick(control<QAbstractButton>(dialog, "okcmd"), Qt::LeftButton);
    QCOMPARE(f.folder.read(AislesFile), QByteArray("bakery\nDairy\nBakery\nFrozen\nProduce\n"));
    f.folder.write(AislesFile, "bakery\nDairy\n");
    QTest::mouseClick(control<QAbstractButton>(print, "category"), Qt::LeftButton);
    QTest::mouseClick(control<QAbstractButton>(print, "printcmd"), Qt::LeftButton);
    QCOMPARE(f.printer.last().texts().mid(2, 4),
             QStringList({printedRow("2", "Rolls", "bakery"), printedRow("2", "Milk", "Dairy"),
                          printedRow("1", "Milk chocolate", "Dairy"), printedRow("1", "Bread", "Bakery")}));
}

QTEST_MAIN(AisleOrderDialogTest)
#include "test_aisleorderdialog.moc"
