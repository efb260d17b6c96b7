// SPDX-License-Identifier: MIT
// The custom-list operations through the main window: the boxes they show and the bytes they leave.
#include "customlistsfixture.h"

#include "core/session.h"
#include "support/permissions.h"

using namespace pantrex;
using namespace pantrex::testing;

namespace {

const QString NamePrompt = QStringLiteral("?Type a name for this custom Product List.=");
const QString SavePrompt = QStringLiteral("?Enter a name for this custom list=");
const QString SeeHelp = QStringLiteral("\n                          (See \"Help\" on the Custom lists menu.)");
const QString Stale = QStringLiteral("The custom lists file was changed by another program while this list was shown. "
                                     "The list has been read again: please select the items again.");

// Shown in List1 as rows 0 to 3.
QByteArray products() {
    return productBytes("Shells", "2.00", "Bakery") + productBytes("Beans", "1.29", "Canned") +
           productBytes("Tea", ".99", "Drinks") + productBytes("Cheese", "13.50", "Dairy");
}

QByteArray listed(const QByteArray& list, const QList<int>& rows) {
    static const QList<QList<QByteArray>> shown = {{"Beans", "1.29", "Canned"},
                                                   {"Cheese", "13.50", "Dairy"},
                                                   {"Shells", "2.00", "Bakery"},
                                                   {"Tea", ".99", "Drinks"}};
    QByteArray bytes;
    for (const int row : rows)
        bytes += customBytes(list, shown.at(row).at(0), shown.at(row).at(1), shown.at(row).at(2));
    return bytes;
}

// Tacos and Breakfast, added in turns: records 1 to 6.
QList<QByteArray> tacosAndBreakfast() {
    return {customBytes("Tacos", "Shells"), customBytes("Breakfast", "Milk"), customBytes("Tacos", "Beans"),
            customBytes("Tacos", "Cheese"), customBytes("Breakfast", "Eggs"), customBytes("Tacos", "avocado")};
}

QByteArray records(const QList<QByteArray>& all, const QList<int>& numbers) {
    QByteArray bytes;
    for (const int n : numbers)
        bytes += all.at(n - 1);
    return bytes;
}

// Opens a list's items with a menu item and selects rows of List4 as the mouse does.
void chooseItems(MainWindowFixture& f, const char* menuItem, const QString& list, const QList<int>& rows) {
    f.dialogs.expectMessage(QStringLiteral("Select item(s) to %1, then press the\"Proceed\" button\nOR click "
                                           "\"Never Mind\" (at the bottom of the list) to quit.")
                                .arg(QLatin1String(qstrcmp(menuItem, "recgetcmd") == 0 ? "buy" : "remove")));
    chooseList(f, menuItem, list);
    for (const int row : rows)
        clickRow(listItems(f.window->chooser()), row, row == rows.first() ? Qt::NoModifier : Qt::ControlModifier);
}

} // namespace

class CustomListOpsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void create_data();
    void create();
    void addToList_data();
    void addToList();
    void deleteList_data();
    void deleteList();
    void removeItems_data();
    void removeItems();
    void getItems_data();
    void getItems();
    void preview();
    void saveShoppingList_data();
    void saveShoppingList();
};

void CustomListOpsTest::create_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QByteArray>("appended");

    QTest::newRow("name in proper case, products in row order")
        << customBytes("Breakfast", "Milk") << QList<int>{2, 0, 1}
        << QStringList{NamePrompt + "taco NIGHT", "Product List for Taco Night is now on file."}
        << listed("Taco Night", {0, 1, 2});
    QTest::newRow("one product is too few")
        << QByteArray() << QList<int>{2}
        << QStringList{"A custom list requires selection of more than one item on the Product List." + SeeHelp}
        << QByteArray();
    QTest::newRow("name in use in any case")
        << customBytes("Taco Night", "Beans") << QList<int>{0, 1}
        << QStringList{NamePrompt + "TACO night", "Name already exists!", NamePrompt + "fiesta",
                       "Product List for Fiesta is now on file."}
        << listed("Fiesta", {0, 1});
    QTest::newRow("blank answer") << QByteArray() << QList<int>{0, 1} << QStringList{NamePrompt + "   "}
                                  << QByteArray();
}

void CustomListOpsTest::create() {
    QFETCH(QByteArray, before);
    QFETCH(QList<int>, rows);
    QFETCH(QStringList, boxes);
    QFETCH(QByteArray, appended);
    CustomListsFixture f;
    f.open(before, {}, products());
    selectProducts(f.window->productView(), rows);
    script(f.dialogs, boxes);
    triggerMenu(*f.window, "recmakecmd");
    QVERIFY(f.dialogs.done());
    for (const ScriptedDialogs::Shown& box : f.dialogs.shown())
        QCOMPARE(box.isInput ? box.input.title : box.message.title, box.isInput ? Dialogs::programTitle()
                                                                    : box.message.text.startsWith("Name") ? "Oops!"
                                                                                                          : QString());
    QCOMPARE(f.folder.read("pantrecp.dat"), before + appended);
    QCOMPARE(f.session->customCount(), (before.size() + appended.size()) / 251);
}

void CustomListOpsTest::addToList_data() {
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QByteArray>("appended");

    const QString confirm = "Add the selected Product List item(s) to TACO Night?";
    // The name goes on exactly as stored, and a product already on the list goes on again.
    QTest::newRow("yes") << QList<int>{0, 1, 3} << QStringList{confirm + "=Yes", "3 Product(s) added to TACO Night."}
                         << listed("TACO Night", {0, 1, 3});
    QTest::newRow("no") << QList<int>{0, 1} << QStringList{confirm + "=No"} << QByteArray();
    QTest::newRow("nothing selected")
        << QList<int>{} << QStringList{"First you must select item(s) to be added from the Product List." + SeeHelp}
        << QByteArray();
}

void CustomListOpsTest::addToList() {
    QFETCH(QList<int>, rows);
    QFETCH(QStringList, boxes);
    QFETCH(QByteArray, appended);
    CustomListsFixture f;
    const QByteArray before = customBytes("TACO Night", "Beans") + customBytes("Breakfast", "Milk");
    f.open(before, {}, products());
    selectProducts(f.window->productView(), rows);
    script(f.dialogs, boxes);
    chooseList(f, "recaddcmd", "TACO Night");
    QVERIFY(f.dialogs.done());
    QVERIFY(!f.window->chooser()->isVisible());
    QCOMPARE(f.window->shoppingList()->captionLabel()->text(), f.caption);
    QCOMPARE(f.folder.read("pantrecp.dat"), before + appended);
}

void CustomListOpsTest::deleteList_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("readOnly"); // "" or "file"
    QTest::addColumn<QString>("failure");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<bool>("backup");

    QTest::newRow("yes") << "Yes"
                         << "" << QString() << true << true;
    QTest::newRow("no") << "No"
                        << "" << QString() << false << false;
    QTest::newRow("file read-only") << "Yes"
                                    << "file"
                                    << "Could not save pantrecp.dat: the file is read-only\nThe list was not deleted."
                                    << false << true;
}

void CustomListOpsTest::deleteList() {
    QFETCH(QString, answer);
    QFETCH(QString, readOnly);
    QFETCH(QString, failure);
    QFETCH(bool, deleted);
    QFETCH(bool, backup);
    CustomListsFixture f;
    // Taco Night has five records, Breakfast four, in turns.
    QByteArray all;
    QByteArray breakfast;
    for (int i = 0; i < 9; ++i) {
        const QByteArray record = i % 2 ? customBytes("Breakfast", "Item" + QByteArray::number(i))
                                        : customBytes("Taco Night", "Item" + QByteArray::number(i));
        all += record;
        if (i % 2)
            breakfast += record;
    }
    f.open(all);
    PermissionsEnforced enforced;
    if (readOnly == "file")
        QFile::setPermissions(f.folder.filePath("pantrecp.dat"), QFile::ReadOwner);
    f.dialogs.expectMessage("Delete Taco Night?", answer == "Yes" ? Dialogs::Answer::Yes : Dialogs::Answer::No);
    if (!failure.isEmpty())
        f.dialogs.expectMessage(failure);
    chooseList(f, "recdelete", "Taco Night");
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.dialogs.shown().constFirst().message.title, QStringLiteral("Confirm..."));
    QCOMPARE(f.dialogs.shown().constFirst().message.icon, Dialogs::Icon::Question);
    QCOMPARE(f.folder.read("pantrecp.dat"), deleted ? breakfast : all);
    QCOMPARE(f.session->customCount(), deleted ? 4 : 9);
    // What the backup holds, and that nothing half-written is left, is the core's.
    QCOMPARE(f.folder.exists("pantrecp.bak"), backup);
    QVERIFY(!f.window->chooser()->isVisible());
    QCOMPARE(f.window->shoppingList()->captionLabel()->text(), f.caption);
}

void CustomListOpsTest::removeItems_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QList<int>>("fileThen"); // as another program leaves it before "Proceed"
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QList<int>>("left");
    QTest::addColumn<bool>("chooserOpen");
    QTest::addColumn<QStringList>("itemsShown");

    // Records 1 to 6 as listed; 7 is record 1 with another item, 8 a record another program added.
    const QList<int> asListed{1, 2, 3, 4, 5, 6};
    const QStringList tacos{"Beans", "Cheese", "Shells", "avocado"};
    QTest::newRow("yes") << "Yes" << false << asListed << QStringList{"Done!"} << QList<int>{2, 4, 5, 6} << false
                         << QStringList();
    QTest::newRow("no") << "No" << false << asListed << QStringList() << asListed << true << tacos;
    QTest::newRow("cancel") << "Cancel" << false << asListed << QStringList() << asListed << false << QStringList();
    QTest::newRow("file read-only") << "Yes" << true << asListed
                                    << QStringList{"Could not save pantrecp.dat: the file is read-only\nNo item was "
                                                   "removed."}
                                    << asListed << true << tacos;
    QTest::newRow("a record replaced elsewhere")
        << "Yes" << false << QList<int>{7, 2, 3, 4, 5, 6} << QStringList{Stale} << QList<int>{7, 2, 3, 4, 5, 6} << true
        << QStringList{"Beans", "Cheese", "Tortillas", "avocado"};
}

// Rows whose records another program took away or changed are read again and nothing is written;
// records added elsewhere change nothing.
void CustomListOpsTest::removeItems() {
    QFETCH(QString, answer);
    QFETCH(bool, readOnly);
    QFETCH(QList<int>, fileThen);
    QFETCH(QStringList, after);
    QFETCH(QList<int>, left);
    QFETCH(bool, chooserOpen);
    QFETCH(QStringList, itemsShown);
    CustomListsFixture f;
    const QList<QByteArray> all =
        tacosAndBreakfast() + QList<QByteArray>{customBytes("Tacos", "Tortillas"), customBytes("Lunch", "Bread")};
    f.open(records(all, {1, 2, 3, 4, 5, 6}));
    chooseItems(f, "receditcmd", "Tacos", {0, 2}); // Beans and Shells, records 3 and 1
    f.folder.write("pantrecp.dat", records(all, fileThen));
    PermissionsEnforced enforced;
    if (readOnly)
        QFile::setPermissions(f.folder.filePath("pantrecp.dat"), QFile::ReadOwner);
    script(f.dialogs, QStringList{"Delete selected items?=" + answer} + after);
    f.proceed->click();
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.dialogs.shown().at(1).message.buttons, Dialogs::Buttons::YesNoCancel); // after the instructions
    QCOMPARE(f.folder.read("pantrecp.dat"), records(all, left));
    QCOMPARE(f.session->customCount(), left.size());
    QVERIFY(!f.folder.exists("pantrecp.bak"));
    QCOMPARE(f.items->isVisible(), chooserOpen);
    QCOMPARE(f.list->rowsView()->isVisible(), !chooserOpen);
    QCOMPARE(f.list->captionLabel()->text(), chooserOpen ? name30("Tacos") : f.caption);
    if (chooserOpen)
        QCOMPARE(rowsOf(f.items), itemRows(itemsShown));
}

void CustomListOpsTest::getItems_data() {
    QTest::addColumn<QByteArray>("shopping");
    QTest::addColumn<bool>("emptiedElsewhere");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QByteArray>("appended");
    QTest::addColumn<bool>("chooserOpen");

    const QByteArray milk = shoppingBytes("Milk", " 4.98", "2");
    const QByteArray eggs = shoppingBytes("Eggs", "3.10", "1", "Dairy");
    QTest::newRow("one on the list already")
        << milk << false << "Yes" << QStringList{"1 item(s) already on the shopping list were not added again."} << eggs
        << false;
    // Nothing to add: the chooser closes all the same.
    QTest::newRow("all on the list already")
        << milk + shoppingBytes("  Eggs") << false << "Yes"
        << QStringList{"2 item(s) already on the shopping list were not added again."} << QByteArray() << false;
    QTest::newRow("no") << milk << false << "No" << QStringList() << QByteArray() << true;
    QTest::newRow("cancel") << milk << false << "Cancel" << QStringList() << QByteArray() << false;
    QTest::newRow("file emptied elsewhere") << milk << true << "Yes" << QStringList{Stale} << QByteArray() << true;
}

void CustomListOpsTest::getItems() {
    QFETCH(QByteArray, shopping);
    QFETCH(bool, emptiedElsewhere);
    QFETCH(QString, answer);
    QFETCH(QStringList, after);
    QFETCH(QByteArray, appended);
    QFETCH(bool, chooserOpen);
    CustomListsFixture f;
    const QByteArray lists = customBytes("Dairy run", "Milk", "2.49") + customBytes("Tacos", "Shells") +
                             customBytes("Dairy run", "Eggs", "3.10");
    f.open(lists, shopping);
    chooseItems(f, "recgetcmd", "Dairy run", {0, 1});
    if (emptiedElsewhere)
        f.folder.write("pantrecp.dat", QByteArray());
    script(f.dialogs, QStringList{"Add selected items?=" + answer} + after);
    f.proceed->click();
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.folder.read("grocery.lst"), shopping + appended);
    QCOMPARE(f.session->shoppingCount(), (shopping.size() + appended.size()) / 149);
    QCOMPARE(f.list->rowCount(), chooserOpen ? 1 : f.session->shoppingCount());
    QCOMPARE(f.list->rowsView()->isVisible(), !chooserOpen);
    QCOMPARE(f.list->captionLabel()->text(), chooserOpen ? QStringLiteral("Get") : f.listCaption());
    QCOMPARE(f.folder.read("pantrecp.dat"), emptiedElsewhere ? QByteArray() : lists);
}

// The text of the preview (sorted, in two columns past 15 items) is the core's.
void CustomListOpsTest::preview() {
    CustomListsFixture f;
    const QByteArray lists =
        customBytes("Snacks", "Nuts") + customBytes("Other", "Jam") + customBytes("Snacks", "Chips");
    f.open(lists);
    f.dialogs.expectMessage(QStringLiteral("Chips").leftJustified(40) + "\n" +
                            QStringLiteral("Nuts").leftJustified(40) + "\n");
    chooseList(f, "recpreview", "Snacks");
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.dialogs.shown().constLast().message.title, "Preview of " + name30("Snacks"));
    QVERIFY(!f.window->chooser()->isVisible());
    QCOMPARE(f.folder.read("pantrecp.dat"), lists);
}

void CustomListOpsTest::saveShoppingList_data() {
    QTest::addColumn<QByteArray>("shopping");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QByteArray>("appended");

    const QByteArray party = shoppingBytes("Salsa", " 5.97", "3", "Mexican") + shoppingBytes("Chips", " 10", "3") +
                             shoppingBytes("Gum", " 4.5", "abc", "Candy");
    const QString inUse =
        "Name already exists.  Add products to this custom list?  (This may cause duplication of products.)=";
    QTest::newRow("name in use: no, then another")
        << shoppingBytes("Gum", " 1", "1")
        << QStringList{SavePrompt + "OLD LIST", inUse + "No", SavePrompt + "gum",
                       "Product List for Gum is now on file."}
        << customBytes("Gum", "Gum", " 1");
    QTest::newRow("name in use: yes") << shoppingBytes("Gum", " 1", "1")
                                      << QStringList{SavePrompt + "OLD LIST", inUse + "Yes",
                                                     "Product List for Old List is now on file."}
                                      << customBytes("Old List", "Gum", " 1");
    QTest::newRow("empty shopping list") << QByteArray() << QStringList{"Create a shopping list first!"}
                                         << QByteArray();
    QTest::newRow("no name") << party << QStringList{SavePrompt} << QByteArray();
}

void CustomListOpsTest::saveShoppingList() {
    QFETCH(QByteArray, shopping);
    QFETCH(QStringList, boxes);
    QFETCH(QByteArray, appended);
    CustomListsFixture f;
    const QByteArray before = customBytes("Old list", "Bread");
    f.open(before, shopping);
    script(f.dialogs, boxes);
    triggerMenu(*f.window, "saveshopcmd");
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.folder.read("pantrecp.dat"), before + appended);
    QCOMPARE(f.folder.read("grocery.lst"), shopping);
    if (!shopping.isEmpty())
        QCOMPARE(f.dialogs.shown().constFirst().input.title, QStringLiteral("Save shopping list........."));
}

QTEST_MAIN(CustomListOpsTest)
#include "test_customlistops.moc"
