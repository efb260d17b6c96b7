// SPDX-License-Identifier: MIT
// Opening shopping lists through the file dialog and creating them with the New list dialog: what
// the main window shows afterwards and what is on disk.
#include "mainwindowfixture.h"

#include "customlists/customlistchooser.h"
#include "mainwindow/newlistdialog.h"
#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/hoverbutton.h"
#include "support/permissions.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace pantrex;
using namespace pantrex::testing;
using Answer = Dialogs::Answer;

namespace {

const QByteArray Products = productBytes("Milk") + productBytes("Bread");
const QByteArray List = shoppingBytes("Milk");
const QString Question =
    QStringLiteral("Create a new product list for this file? (Answer NO to use existing grocery.dat file.)");

// The default list with two products and one item, as the window shows it after its load.
void loadDefaultList(MainWindowFixture& f) {
    f.folder.write("grocery.dat", Products);
    f.folder.write("grocery.lst", List);
    f.load();
}

// A click at the control's place in its window, delivered through the window as a screen would.
void click(QWidget* control) {
    QWidget* window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, control->mapTo(window, control->rect().center()));
}

int rowsOf(QAbstractItemView* view) {
    return view->model()->rowCount();
}

} // namespace

class ListFilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensChosenList_data();
    void opensChosenList();
    void openThatChangesNothing_data();
    void openThatChangesNothing();
    void createsList_data();
    void createsList();
    void newDialogForScreenReaders();
};

void ListFilesTest::opensChosenList_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QByteArray>("listBytes");
    QTest::addColumn<QByteArray>("ownProducts");
    QTest::addColumn<QString>("ownMergeFile");
    QTest::addColumn<QString>("prodpath");
    QTest::addColumn<int>("productRows");
    QTest::addColumn<int>("listRows");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("importOffered");
    QTest::addColumn<QString>("quitBox");

    const QByteArray none;
    const QByteArray two = shoppingBytes("Cake", " 3") + shoppingBytes("Candles", " 1.5");
    QTest::newRow("the default list uses the default products")
        << "grocery.lst" << List << none << ""
        << "grocery.dat" << 2 << 1 << "grocery ($2.00)" << true << "";
    QTest::newRow("own product list is empty") << "party.lst" << two << QByteArray("") << ""
                                               << "grocery.dat" << 2 << 2 << "party ($4.50)" << true << "";
    QTest::newRow("own product list, no merge file of its own")
        << "party.lst" << two << productBytes("Cake") << ""
        << "party.dat" << 1 << 2 << "party ($4.50)" << false << "";
    QTest::newRow("own product list and merge file") << "party.lst" << two << productBytes("Cake") << "party.mrg"
                                                     << "party.dat" << 1 << 2 << "party ($4.50)" << true << "";
    QTest::newRow("chosen elsewhere, missing here: created empty")
        << "/elsewhere/shop.lst" << none << none << ""
        << "grocery.dat" << 2 << 0 << "shop ($)" << true << "shop.lst is empty and will be eliminated.";
    QTest::newRow("not a whole record: shown empty, never removed")
        << "odd.lst" << QByteArray(100, 'x') << none << ""
        << "grocery.dat" << 2 << 0 << "odd ($)" << true << "";
    QTest::newRow("partial record after the items") << "odd.lst" << two + QByteArray(50, 'x') << none << ""
                                                    << "grocery.dat" << 2 << 2 << "odd ($4.50)" << true << "";
}

void ListFilesTest::opensChosenList() {
    QFETCH(QString, chosen);
    QFETCH(QByteArray, listBytes);
    QFETCH(QByteArray, ownProducts);
    QFETCH(QString, ownMergeFile);
    QFETCH(QString, prodpath);
    QFETCH(int, productRows);
    QFETCH(int, listRows);
    QFETCH(QString, caption);
    QFETCH(bool, importOffered);
    QFETCH(QString, quitBox);

    MainWindowFixture f;
    const QString name = QFileInfo(chosen).fileName();
    if (!listBytes.isNull() && name != QStringLiteral("grocery.lst"))
        f.folder.write(name, listBytes);
    if (!ownProducts.isNull())
        f.folder.write(name.section(QLatin1Char('.'), 0, 0) + ".dat", ownProducts);
    f.folder.write("grocery.mrg", productBytes("Tea"));
    f.folder.write("pantrecp.dat", recordBytes(CustomListRecord::Length, {{0, "Picnic"}, {30, "Cake"}}));
    loadDefaultList(f);
    QVERIFY(control<QAction>(f.window, "mergecmd")->isEnabled());
    if (!ownMergeFile.isEmpty())
        f.folder.write(ownMergeFile, productBytes("Tea"));
    // Custom-list mode, and the warning about the default products already given.
    ShoppingListPanel* list = f.window->shoppingList();
    control<QMenu>(f.window, "recipemenu")->findChild<QAction*>(QStringLiteral("recpreview"))->trigger();
    QVERIFY(f.window->chooser()->isVisible());
    f.session->setDefaultListWarned(true);

    f.chooser.expectOpen(chosen.startsWith(QLatin1Char('/')) ? chosen : f.folder.filePath(chosen));
    control<QAction>(f.window, "openfilecmd")->trigger();
    QCOMPARE(f.chooser.shown().constFirst().folder, f.folder.path());
    QCOMPARE(f.session->shoppingListPath(), name);
    QCOMPARE(f.session->productListPath(), prodpath);
    QCOMPARE(f.session->defaultListWarned(), false);
    QCOMPARE(rowsOf(f.window->productView()->productList()), productRows);
    QCOMPARE(rowsOf(list->rowsView()), listRows);
    QCOMPARE(list->captionLabel()->text(), caption);
    QVERIFY(!f.window->chooser()->isVisible());
    QVERIFY(list->rowsView()->isVisible());
    QCOMPARE(control<QAction>(f.window, "mergecmd")->isEnabled(), importOffered);
    QCOMPARE(f.folder.read(name), listBytes.isNull() ? QByteArray() : listBytes);
    QCOMPARE(f.folder.read("grocery.mrg"), productBytes("Tea"));

    // Quitting never rewrites or removes a file that holds anything, even with nothing in view.
    f.window->productView()->searchEdit()->setText(QStringLiteral("zz"));
    if (!quitBox.isEmpty())
        f.dialogs.expectMessage(quitBox, Answer::Cancel);
    control<QPushButton>(f.window, "quitcmd")->click();
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.folder.read(name), listBytes.isNull() ? QByteArray() : listBytes);
    QCOMPARE(f.folder.read("grocery.dat"), Products);
    QCOMPARE(f.folder.read("grocery.lst"), List);
}

void ListFilesTest::openThatChangesNothing_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("message");

    QTest::newRow("cancelled") << ""
                               << "";
    QTest::newRow("a product list") << "grocery.dat"
                                    << "grocery.dat is not a shopping list.  Shopping lists end in .lst.";
    QTest::newRow("a list that cannot be read") << "locked.lst"
                                                << "Could not open locked.lst: Permission denied";
}

void ListFilesTest::openThatChangesNothing() {
    QFETCH(QString, chosen);
    QFETCH(QString, message);

    MainWindowFixture f;
    f.folder.write("locked.lst", shoppingBytes("Tea"));
    QFile::setPermissions(f.folder.filePath("locked.lst"), QFileDevice::Permissions());
    PermissionsEnforced enforced;
    loadDefaultList(f);
    const QStringList files = f.folder.files();
    f.chooser.expectOpen(chosen.isEmpty() ? chosen : f.folder.filePath(chosen));
    if (!message.isEmpty())
        f.dialogs.expectMessage(message);
    control<QAction>(f.window, "openfilecmd")->trigger();
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.session->shoppingListPath(), QStringLiteral("grocery.lst"));
    QCOMPARE(f.session->files().file(ShoppingChannel)->path(), f.folder.filePath("grocery.lst"));
    QCOMPARE(f.session->shoppingCount(), 1);
    QCOMPARE(rowsOf(f.window->shoppingList()->rowsView()), 1);
    QCOMPARE(f.folder.files(), files);
    QCOMPARE(f.folder.read("grocery.dat"), Products);
}

void ListFilesTest::createsList_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("created");
    QTest::addColumn<QString>("prodpath");
    QTest::addColumn<int>("productRows");

    const QByteArray none;
    const int yes = int(Answer::Yes);
    const int no = int(Answer::No);
    const int cancel = int(Answer::Cancel);
    QTest::newRow("own product list") << "party" << none << false
                                      << QStringList{Question, "Data file created: party.dat"} << yes << "party.lst"
                                      << "party.dat" << 0;
    QTest::newRow("default product list") << "party" << none << false << QStringList{Question} << no << "party.lst"
                                          << "grocery.dat" << 2;
    QTest::newRow("an existing empty list is reused")
        << "party" << QByteArray("") << false << QStringList{Question} << no << "party.lst"
        << "grocery.dat" << 2;
    QTest::newRow("blanks around the name") << " party " << none << false << QStringList{Question} << no << "party.lst"
                                            << "grocery.dat" << 2;
    QTest::newRow("at most eight characters")
        << "abcdefghij" << none << false << QStringList{Question} << no << "abcdefgh.lst"
        << "grocery.dat" << 2;
    QTest::newRow("cancelled question") << "party" << none << false << QStringList{Question} << cancel << ""
                                        << "grocery.dat" << 2;
    QTest::newRow("list with items") << "party" << List << false
                                     << QStringList{"List already exists.  Try another name."} << yes << ""
                                     << "grocery.dat" << 2;
    QTest::newRow("a file that is not a list") << "party" << QByteArray(20, 'x') << false
                                               << QStringList{"List already exists.  Try another name."} << yes << ""
                                               << "grocery.dat" << 2;
    QTest::newRow("only blanks") << "   " << none << false << QStringList{"Enter a name first!"} << yes << ""
                                 << "grocery.dat" << 2;
    QTest::newRow("folder") << "a/b" << none << false << QStringList{"A list name cannot contain \"/\"."} << yes << ""
                            << "grocery.dat" << 2;
    QTest::newRow("parent folder") << ".." << none << false << QStringList{"A list name cannot contain \".\"."} << yes
                                   << ""
                                   << "grocery.dat" << 2;
    QTest::newRow("zero character") << QString(QChar(0)) + "ab" << none << false
                                    << QStringList{"A list name cannot contain control characters."} << yes << ""
                                    << "grocery.dat" << 2;
    QTest::newRow("outside Windows-1252") << QStringLiteral("\u03a9mega") << none << false
                                          << QStringList{"A list name cannot contain \"\u03a9\"."} << yes << ""
                                          << "grocery.dat" << 2;
    QTest::newRow("a name of the program's files")
        << "pantnote" << none << false
        << QStringList{"Pantrex keeps the name \"pantnote\" for its own files.  Try another name."} << yes << ""
        << "grocery.dat" << 2;
    QTest::newRow("folder that cannot be written")
        << "party" << none << true << QStringList{Question, "Could not open party.lst: Permission denied"} << yes << ""
        << "grocery.dat" << 2;
}

void ListFilesTest::createsList() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, existing);
    QFETCH(bool, readOnlyFolder);
    QFETCH(QStringList, boxes);
    QFETCH(int, answer);
    QFETCH(QString, created);
    QFETCH(QString, prodpath);
    QFETCH(int, productRows);

    MainWindowFixture f;
    if (!existing.isNull())
        f.folder.write("party.lst", existing);
    loadDefaultList(f);
    const QStringList filesBefore = f.folder.files();
    const QFile::Permissions folderPermissions = QFile::permissions(f.folder.path());
    if (readOnlyFolder)
        QFile::setPermissions(f.folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    PermissionsEnforced enforced;
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));

    control<QAction>(f.window, "newfilecmd")->trigger();
    auto* dialog = f.window->findChild<NewListDialog*>(QStringLiteral("pantnew"));
    QVERIFY(dialog);
    QTRY_COMPARE(QApplication::activeWindow(), dialog);
    QVERIFY(f.window->isEnabled());
    const bool typeable = std::all_of(typed.begin(), typed.end(), [](QChar c) { return c >= u' ' && c < u'\x7f'; });
    if (typeable)
        QTest::keyClicks(dialog->findChild<QLineEdit*>("fnametxt"), typed);
    else
        dialog->findChild<QLineEdit*>("fnametxt")->setText(typed); // pasted
    for (const QString& box : std::as_const(boxes))
        f.dialogs.expectMessage(box, box == Question ? Answer(answer) : Answer::Ok);
    click(dialog->findChild<QPushButton*>("createcmd"));
    QVERIFY(f.dialogs.done());
    if (readOnlyFolder)
        QFile::setPermissions(f.folder.path(), folderPermissions);

    const bool cancelled = boxes == QStringList{Question} && answer == int(Answer::Cancel);
    QCOMPARE(dialog->isVisible(), created.isEmpty() && !cancelled);
    ShoppingListPanel* list = f.window->shoppingList();
    if (created.isEmpty()) {
        // The list that was open stays open and untouched, and nothing new is on disk.
        QCOMPARE(f.session->shoppingListPath(), QStringLiteral("grocery.lst"));
        QCOMPARE(f.session->files().file(ShoppingChannel)->path(), f.folder.filePath("grocery.lst"));
        QCOMPARE(f.session->shoppingCount(), 1);
        QCOMPARE(f.folder.files(), filesBefore);
        if (!existing.isNull())
            QCOMPARE(f.folder.read("party.lst"), existing);
    } else {
        QTRY_COMPARE(QApplication::activeWindow(), f.window.get());
        QCOMPARE(f.session->shoppingListPath(), created);
        QCOMPARE(list->captionLabel()->text(), created.section(QLatin1Char('.'), 0, 0) + " ($0.00)");
        QCOMPARE(rowsOf(list->rowsView()), 0);
        QCOMPARE(f.folder.read(created), QByteArray());
        QCOMPARE(f.folder.exists("party.dat"), prodpath == QStringLiteral("party.dat"));
    }
    QCOMPARE(f.session->productListPath(), prodpath);
    QCOMPARE(rowsOf(f.window->productView()->productList()), productRows);
    QCOMPARE(f.folder.read("grocery.lst"), List);
    QCOMPARE(f.folder.read("grocery.dat"), Products);
}

void ListFilesTest::newDialogForScreenReaders() {
    MainWindowFixture f;
    f.load();
    control<QAction>(f.window, "newfilecmd")->trigger();
    auto* dialog = f.window->findChild<NewListDialog*>(QStringLiteral("pantnew"));
    for (QWidget* control : std::initializer_list<QWidget*>{dialog->findChild<QLineEdit*>("fnametxt"),
                                                            dialog->findChild<QPushButton*>("createcmd"),
                                                            dialog->findChild<QPushButton*>("cancelcmd")})
        QVERIFY(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty());
    QCOMPARE(QAccessible::queryAccessibleInterface(dialog->findChild<QLineEdit*>("fnametxt"))->text(QAccessible::Name),
             dialog->findChild<QLabel*>("Label1")->text());
    // "New..." again starts from an empty dialog.
    dialog->findChild<QLineEdit*>("fnametxt")->setText(QStringLiteral("party"));
    control<QAction>(f.window, "newfilecmd")->trigger();
    QCOMPARE(f.window->findChild<NewListDialog*>(QStringLiteral("pantnew"))->findChild<QLineEdit*>("fnametxt")->text(),
             QString());
}

QTEST_MAIN(ListFilesTest)
#include "test_listfiles.moc"
