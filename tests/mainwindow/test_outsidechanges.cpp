// SPDX-License-Identifier: MIT
// Another program changes the product file or the shopping list while the window shows them: no
// operation writes from rows that no longer stand for the records, the user is told, and the window
// shows the files as they are now.
#include "mainwindowfixture.h"

#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/hoverbutton.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTest>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

const QByteArray Tea = productBytes("Tea");
const QByteArray Milk = productBytes("Milk");
const QByteArray Bread = productBytes("Bread");
const QByteArray Soap = productBytes("Soap", "2.00", "Household");
const QByteArray Jam = shoppingBytes("Jam", " 1", "1");
const QByteArray Eggs = shoppingBytes("Eggs", " 3", "1");
const QByteArray Rice = shoppingBytes("Rice", " 2", "1");

const QString DefaultListWarning = QStringLiteral(
    "This is the default master list and is used for any shopping lists that do not have their own master list.  "
    "Deletions here may affect other lists, now and in the future.  Do you wish to proceed??");
const QString EraseQuestion =
    QStringLiteral("Erase the contents of this Shopping List? This is an irreversable move!  Are you sure?");

QString changedMessage(const QString& file) {
    return file + QStringLiteral(" was changed by another program.  Nothing was changed here; the lists have been "
                                 "reloaded, so please look them over and try again.");
}

// Writes the file as another program would. With keepTime the file keeps its time of change, as
// when the rewrite falls within the same tick of the clock.
void changeBehindTheWindow(const TestFolder& folder, const QString& name, const QByteArray& bytes, bool keepTime) {
    const QDateTime before = QFileInfo(folder.filePath(name)).lastModified();
    folder.write(name, bytes);
    if (keepTime) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(before, QFileDevice::FileModificationTime));
    }
}

QStringList rowsOf(QAbstractItemView* view) {
    QStringList rows;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        rows << view->model()->index(row, 0).data().toString().trimmed();
    return rows;
}

} // namespace

class OutsideChangesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void operationsWriteNothing_data();
    void operationsWriteNothing();
    void emptiedProductFileThenCategoryAndF2();
};

void OutsideChangesTest::operationsWriteNothing_data() {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("keepTime");
    QTest::addColumn<QStringList>("questions");

    const QByteArray reordered = Bread + Tea + Milk + Soap;
    const QByteArray sameSize = Milk + Tea + Bread;
    QTest::newRow("F2, products emptied") << "F2"
                                          << "grocery.dat" << QByteArray() << false << QStringList{};
    QTest::newRow("F2, products reordered") << "F2"
                                            << "grocery.dat" << reordered << false << QStringList{};
    QTest::newRow("F2, list emptied") << "F2"
                                      << "grocery.lst" << QByteArray() << false << QStringList{};
    QTest::newRow("double-click, products reordered") << "double-click"
                                                      << "grocery.dat" << reordered << false << QStringList{};
    QTest::newRow("edit, products reordered") << "edit"
                                              << "grocery.dat" << reordered << false << QStringList{};
    QTest::newRow("delete, products reordered") << "delete"
                                                << "grocery.dat" << reordered << false << QStringList{};
    QTest::newRow("delete, products reordered within a tick")
        << "delete"
        << "grocery.dat" << sameSize << true
        << QStringList{DefaultListWarning, QStringLiteral("Delete selected item(s)?")};
    QTest::newRow("change a row, list grown") << "modify"
                                              << "grocery.lst" << Jam + Eggs + Rice << false << QStringList{};
    QTest::newRow("change a row, list rewritten within a tick")
        << "modify"
        << "grocery.lst" << Rice + Eggs << true << QStringList{};
    QTest::newRow("remove, list emptied") << "remove"
                                          << "grocery.lst" << QByteArray() << false << QStringList{};
    QTest::newRow("remove, list rewritten within a tick") << "remove"
                                                          << "grocery.lst" << Rice + Eggs << true << QStringList{};
    QTest::newRow("erase, list grown") << "erase"
                                       << "grocery.lst" << Jam + Eggs + Rice << false << QStringList{EraseQuestion};
}

void OutsideChangesTest::operationsWriteNothing() {
    QFETCH(QString, operation);
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, keepTime);
    QFETCH(QStringList, questions);

    MainWindowFixture f;
    f.folder.write("grocery.dat", Tea + Milk + Bread);
    f.folder.write("grocery.lst", Jam + Eggs);
    f.load();
    MainWindow* window = f.window.get();
    ProductView* view = window->productView();
    ShoppingListPanel* list = window->shoppingList();
    view->setCurrentRow(1); // Milk, the second product
    list->setCurrentRow(1); // Jam, the first item
    changeBehindTheWindow(f.folder, file, bytes, keepTime);
    const QByteArray products = f.folder.read("grocery.dat");
    const QByteArray shopping = f.folder.read("grocery.lst");

    for (const QString& question : questions)
        f.dialogs.expectMessage(question, Dialogs::Answer::Yes);
    f.dialogs.expectMessage(changedMessage(file));
    if (operation == "F2") {
        view->productList()->setFocus();
        QTest::keyClick(view->productList(), Qt::Key_F2);
    } else if (operation == "double-click") {
        doubleClick(view->productList(), 1);
    } else if (operation == "edit") {
        QTest::mouseClick(view->editButton(), Qt::LeftButton);
    } else if (operation == "delete") {
        QTest::mouseClick(view->deleteButton(), Qt::LeftButton);
    } else if (operation == "modify") {
        doubleClick(list->rowsView(), 1);
    } else if (operation == "remove") {
        QTest::mouseClick(list->removeButton(), Qt::LeftButton);
    } else if (operation == "erase") {
        QTest::mouseClick(list->eraseButton(), Qt::LeftButton);
    }
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.dialogs.shown().constLast().message.icon, Dialogs::Icon::Exclamation);

    // Nothing was written, and the window shows the files as the other program left them.
    QCOMPARE(f.folder.read("grocery.dat"), products);
    QCOMPARE(f.folder.read("grocery.lst"), shopping);
    QVERIFY(!window->findChild<QDialog*>("pantadd")->isVisible());
    QStringList names;
    for (qsizetype at = 0; at < products.size(); at += 146)
        names << QString::fromLatin1(products.mid(at, 40)).trimmed();
    names.sort();
    QCOMPARE(rowsOf(view->productList()), names);
    QCOMPARE(view->currentRow(), -1);
    QCOMPARE(f.session->shoppingCount(), shopping.size() / 149);
    QCOMPARE(list->rowCount(), shopping.size() / 149);
}

// The product file is emptied from outside; the category the user picks then has no products, and
// F2 must find no product to add rather than one that is gone.
void OutsideChangesTest::emptiedProductFileThenCategoryAndF2() {
    MainWindowFixture f;
    f.folder.write("grocery.dat", Tea + Milk + Soap);
    f.load();
    ProductView* view = f.window->productView();
    QCOMPARE(view->rowCount(), 3);
    f.folder.write("grocery.dat", QByteArray());

    f.dialogs.expectMessage("Empty category.  List updated.");
    QListWidget* categories = view->categoryList();
    QTest::mouseClick(categories->viewport(), Qt::LeftButton, {},
                      categories->visualItemRect(categories->item(1)).center());
    QVERIFY(f.dialogs.done());
    QCOMPARE(view->rowCount(), 0);
    QCOMPARE(f.window->productView()->rowCount(), 0);

    f.dialogs.expectMessage("Select an item!");
    view->searchEdit()->setFocus();
    QTest::keyClick(view->searchEdit(), Qt::Key_F2);
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.folder.read("grocery.dat"), QByteArray());
    QCOMPARE(f.folder.read("grocery.lst"), QByteArray());
}

QTEST_MAIN(OutsideChangesTest)
#include "test_outsidechanges.moc"
