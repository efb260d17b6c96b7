// SPDX-License-Identifier: MIT
// The custom-list operations of a session, without a window: what they leave on disk and what they
// have to tell.
#include "core/customlists.h"
#include "core/session.h"
#include "data/filechannels.h"
#include "data/records.h"
#include "support/noticelines.h"
#include "support/permissions.h"
#include "support/productrecords.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

using Result = CustomLists::ItemsResult;

// Records 1 to 4 of the product file.
QByteArray products() {
    return productBytes("Shells", "2.00", "Bakery") + productBytes("Beans", "1.29", "Canned") +
           productBytes("Tea", ".99", "Drinks") + productBytes("Cheese", "13.50", "Dairy");
}

// The products by record number as records of a list.
QByteArray listed(const QByteArray& list, const QList<int>& recnos) {
    static const QList<QList<QByteArray>> fields = {{"Shells", "2.00", "Bakery"},
                                                    {"Beans", "1.29", "Canned"},
                                                    {"Tea", ".99", "Drinks"},
                                                    {"Cheese", "13.50", "Dairy"}};
    QByteArray bytes;
    for (const int n : recnos)
        bytes += customBytes(list, fields.at(n - 1).at(0), fields.at(n - 1).at(1), fields.at(n - 1).at(2));
    return bytes;
}

// Tacos and Breakfast, added in turns (records 1 to 6); 7 is record 1 with another item, 8 a
// record of another list.
QByteArray records(const QList<int>& numbers) {
    static const QList<QByteArray> all = {customBytes("Tacos", "Shells"),    customBytes("Breakfast", "Milk"),
                                          customBytes("Tacos", "Beans"),     customBytes("Tacos", "Cheese"),
                                          customBytes("Breakfast", "Eggs"),  customBytes("Tacos", "avocado"),
                                          customBytes("Tacos", "Tortillas"), customBytes("Lunch", "Bread")};
    QByteArray bytes;
    for (const int n : numbers)
        bytes += all.at(n - 1);
    return bytes;
}

QByteArray name30(const char* name) {
    return QByteArray(name).leftJustified(30);
}

// A session over a folder holding these files, with the product and shopping lists open as the
// main window opens them.
struct Fixture {
    TestFolder folder;
    std::unique_ptr<Session> session;
    std::unique_ptr<CustomLists> lists;

    void open(const QByteArray& custom, const QByteArray& shopping = {}, const QByteArray& productFile = products()) {
        folder.write(QStringLiteral("pantrecp.dat"), custom);
        folder.write(QStringLiteral("grocery.lst"), shopping);
        folder.write(QStringLiteral("grocery.dat"), productFile);
        session = std::make_unique<Session>(folder.path());
        QVERIFY(session->openProductList(QStringLiteral("grocery.dat")));
        RecordFile* list =
            session->files().open(ShoppingChannel, QStringLiteral("grocery.lst"), ShoppingRecord::Length);
        QVERIFY(list);
        session->setShoppingCount(list->count());
        lists = std::make_unique<CustomLists>(*session);
        QVERIFY(!lists->load());
    }
    QByteArray custom() const { return folder.read(QStringLiteral("pantrecp.dat")); }
};

const QString Stale = QStringLiteral("! The custom lists file was changed by another program while this list was "
                                     "shown. The list has been read again: please select the items again.");
const QString SeeHelp = QStringLiteral("\n                          (See \"Help\" on the Custom lists menu.)");

} // namespace

class CustomListsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checks_data();
    void checks();
    void itemsOfAList();
    void create_data();
    void create();
    void addToList();
    void deleteList_data();
    void deleteList();
    void removeItems_data();
    void removeItems();
    void getItems_data();
    void getItems();
    void preview_data();
    void preview();
    void saveShoppingList_data();
    void saveShoppingList();
};

// What a command refuses before it asks anything, and the names it will not take.
void CustomListsTest::checks_data() {
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QStringList>("refusal");

    const QByteArray thirty = "A list name of thirty letters.";
    QTest::newRow("one product is too few")
        << "newList"
        << "1" << QStringList{"A custom list requires selection of more than one item on the Product List." + SeeHelp};
    QTest::newRow("two products") << "newList"
                                  << "2" << QStringList();
    QTest::newRow("name in use in any case") << "newName"
                                             << "TACO night" << QStringList{"[Oops!] Name already exists!"};
    QTest::newRow("a long name is compared cut")
        << "newName" << QString::fromLatin1(thirty + "xyz") << QStringList{"[Oops!] Name already exists!"};
    QTest::newRow("a free name") << "newName"
                                 << "fiesta" << QStringList();
    QTest::newRow("nothing to add") << "addToList"
                                    << "0"
                                    << QStringList{"First you must select item(s) to be added from the Product List." +
                                                   SeeHelp};
    QTest::newRow("one to add") << "addToList"
                                << "1" << QStringList();
    QTest::newRow("empty shopping list") << "saveShoppingList" << QString()
                                         << QStringList{"[Oops!] Create a shopping list first!"};
}

void CustomListsTest::checks() {
    QFETCH(QString, check);
    QFETCH(QString, argument);
    QFETCH(QStringList, refusal);
    Fixture f;
    const QByteArray before = customBytes("Taco Night", "Beans") + customBytes("A list name of thirty letters.", "Tea");
    f.open(before);
    std::optional<Notice> notice;
    if (check == "newList")
        notice = f.lists->checkNewList(argument.toInt());
    else if (check == "newName")
        notice = f.lists->checkNewName(argument);
    else if (check == "addToList")
        notice = f.lists->checkAddToList(argument.toInt());
    else
        notice = f.lists->checkSaveShoppingList();
    QCOMPARE(lines(notice), refusal);
    QCOMPARE(f.custom(), before);
}

// A list's items: the records of every spelling of its name, sorted by item, each row its own record.
void CustomListsTest::itemsOfAList() {
    Fixture f;
    f.open(customBytes("Tacos", "Shells") + customBytes("Breakfast", "Milk") + customBytes("TACOS", "Beans") +
           customBytes("Apple Pie", "Apples") + customBytes("Breakfast", "Eggs") + customBytes("Tacos", "Cheese") +
           customBytes("Tacos", "avocado"));
    QCOMPARE(f.session->customCount(), 7);
    QList<qint64> recnos;
    QStringList texts;
    for (const ListItem& item : f.lists->catalog().items(name30("Tacos"))) {
        recnos << item.recno;
        texts << QString::fromLatin1(item.text.trimmed());
    }
    QCOMPARE(recnos, QList<qint64>({3, 6, 1, 7}));
    QCOMPARE(texts, QStringList({"Beans", "Cheese", "Shells", "avocado"}));
}

void CustomListsTest::create_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<qint64>>("recnos");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QByteArray>("appended");

    QTest::newRow("name in proper case, products in the order given")
        << "taco NIGHT" << QList<qint64>{2, 4, 1} << "Product List for Taco Night is now on file."
        << listed("Taco Night", {2, 4, 1});
    QTest::newRow("blanks kept") << "mom's  PIE" << QList<qint64>{4, 3} << "Product List for Mom's  Pie is now on file."
                                 << listed("Mom's  Pie", {4, 3});
    QTest::newRow("a long name is stored cut") << "a much longer name than will fit" << QList<qint64>{2, 4}
                                               << "Product List for A Much Longer Name Than Will F is now on file."
                                               << listed("A Much Longer Name Than Will F", {2, 4});
}

void CustomListsTest::create() {
    QFETCH(QString, typed);
    QFETCH(QList<qint64>, recnos);
    QFETCH(QString, told);
    QFETCH(QByteArray, appended);
    Fixture f;
    const QByteArray before = customBytes("Breakfast", "Milk");
    f.open(before);
    QSignalSpy changed(f.session.get(), &Session::customListsChanged);
    QCOMPARE(lines(f.lists->createList(typed, recnos)), QStringList{told});
    QCOMPARE(f.custom(), before + appended);
    QCOMPARE(f.session->customCount(), (before.size() + appended.size()) / 251);
    QCOMPARE(changed.count(), 1);
}

// The records carry the name exactly as stored, and a product already on the list goes on again.
void CustomListsTest::addToList() {
    Fixture f;
    const QByteArray before = customBytes("TACO Night", "Beans") + customBytes("Breakfast", "Milk");
    f.open(before);
    QCOMPARE(lines(f.lists->addToList(name30("TACO Night"), {2, 4, 3})),
             QStringList{"3 Product(s) added to TACO Night."});
    QCOMPARE(f.custom(), before + listed("TACO Night", {2, 4, 3}));
    QCOMPARE(f.session->customCount(), 5);
}

void CustomListsTest::deleteList_data() {
    QTest::addColumn<QString>("readOnly"); // "", "file" or "folder"
    QTest::addColumn<QStringList>("told");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<bool>("backup");

    QTest::newRow("deleted") << "" << QStringList() << true << true;
    QTest::newRow("file read-only") << "file"
                                    << QStringList{"X [] Could not save pantrecp.dat: the file is read-only\nThe list "
                                                   "was not deleted."}
                                    << false << true;
    QTest::newRow("folder read-only") << "folder"
                                      << QStringList{"X [] Could not copy pantrecp.dat to pantrecp.bak: Permission "
                                                     "denied\nThe list was not deleted."}
                                      << false << false;
}

void CustomListsTest::deleteList() {
    QFETCH(QString, readOnly);
    QFETCH(QStringList, told);
    QFETCH(bool, deleted);
    QFETCH(bool, backup);
    Fixture f;
    // Taco Night has five records, Breakfast four, in turns.
    QByteArray all;
    QByteArray breakfast;
    for (int i = 0; i < 9; ++i) {
        const QByteArray record = customBytes(i % 2 ? "Breakfast" : "Taco Night", "Item" + QByteArray::number(i));
        all += record;
        if (i % 2)
            breakfast += record;
    }
    f.open(all);
    PermissionsEnforced enforced;
    if (readOnly == "file")
        QFile::setPermissions(f.folder.filePath("pantrecp.dat"), QFile::ReadOwner);
    if (readOnly == "folder")
        QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    QSignalSpy changed(f.session.get(), &Session::customListsChanged);
    const QStringList notices = lines(f.lists->deleteList(name30("Taco Night")));
    QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(notices, told);
    QCOMPARE(f.custom(), deleted ? breakfast : all);
    QCOMPARE(f.session->customCount(), deleted ? 4 : 9);
    QCOMPARE(changed.count(), deleted ? 1 : 0);
    QCOMPARE(f.folder.read("pantrecp.bak"), backup ? all : QByteArray());
    // Nothing half-written is left beside them.
    QCOMPARE(f.folder.files().filter("pantrecp"),
             backup ? QStringList({"pantrecp.bak", "pantrecp.dat"}) : QStringList({"pantrecp.dat"}));
}

void CustomListsTest::removeItems_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QList<int>>("fileThen"); // as another program leaves it before the removal
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("told");
    QTest::addColumn<QList<int>>("left");

    const QList<int> asListed{1, 2, 3, 4, 5, 6};
    QTest::newRow("removed") << false << asListed << int(Result::Done) << QStringList{"Done!"}
                             << QList<int>{2, 4, 5, 6};
    QTest::newRow("file read-only") << true << asListed << int(Result::Failed)
                                    << QStringList{"X [] Could not save pantrecp.dat: the file is read-only\nNo item "
                                                   "was removed."}
                                    << asListed;
    QTest::newRow("file emptied elsewhere")
        << false << QList<int>{} << int(Result::Stale) << QStringList{Stale} << QList<int>{};
    QTest::newRow("a record replaced elsewhere") << false << QList<int>{7, 2, 3, 4, 5, 6} << int(Result::Stale)
                                                 << QStringList{Stale} << QList<int>{7, 2, 3, 4, 5, 6};
    QTest::newRow("a record added elsewhere") << false << QList<int>{1, 2, 3, 4, 5, 6, 8} << int(Result::Done)
                                              << QStringList{"Done!"} << QList<int>{2, 4, 5, 6, 8};
}

// Rows whose records another program took away or changed are not acted on; records added
// elsewhere change nothing.
void CustomListsTest::removeItems() {
    QFETCH(bool, readOnly);
    QFETCH(QList<int>, fileThen);
    QFETCH(int, result);
    QFETCH(QStringList, told);
    QFETCH(QList<int>, left);
    Fixture f;
    f.open(records({1, 2, 3, 4, 5, 6}));
    const QList<ListItem> items = f.lists->catalog().items(name30("Tacos"));
    const QList<ListItem> chosen{items.at(0), items.at(2)}; // Beans and Shells, records 3 and 1
    f.folder.write("pantrecp.dat", records(fileThen));
    PermissionsEnforced enforced;
    if (readOnly)
        QFile::setPermissions(f.folder.filePath("pantrecp.dat"), QFile::ReadOwner);
    QSignalSpy changed(f.session.get(), &Session::customListsChanged);
    const CustomLists::ItemsOutcome outcome = f.lists->removeItems(chosen);
    QCOMPARE(int(outcome.result), result);
    QCOMPARE(lines(outcome.notices), told);
    QCOMPARE(f.custom(), records(left));
    QCOMPARE(f.session->customCount(), left.size());
    QCOMPARE(changed.count(), left == fileThen ? 0 : 1);
    QVERIFY(!f.folder.exists("pantrecp.bak"));
}

void CustomListsTest::getItems_data() {
    QTest::addColumn<QByteArray>("shopping");
    QTest::addColumn<bool>("emptiedElsewhere");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("told");
    QTest::addColumn<QByteArray>("appended");

    const QByteArray milk = shoppingBytes("Milk", " 4.98", "2");
    const QByteArray eggs = shoppingBytes("Eggs", "3.10", "1", "Dairy");
    QTest::newRow("one on the list already")
        << milk << false << int(Result::ShoppingListWritten)
        << QStringList{"1 item(s) already on the shopping list were not added again."} << eggs;
    QTest::newRow("case counts") << shoppingBytes("MILK") << false << int(Result::ShoppingListWritten) << QStringList()
                                 << eggs + shoppingBytes("Milk", "2.49", "1");
    QTest::newRow("all on the list already")
        << milk + shoppingBytes("  Eggs") << false << int(Result::Done)
        << QStringList{"2 item(s) already on the shopping list were not added again."} << QByteArray();
    QTest::newRow("file emptied elsewhere") << milk << true << int(Result::Stale) << QStringList{Stale} << QByteArray();
}

void CustomListsTest::getItems() {
    QFETCH(QByteArray, shopping);
    QFETCH(bool, emptiedElsewhere);
    QFETCH(int, result);
    QFETCH(QStringList, told);
    QFETCH(QByteArray, appended);
    Fixture f;
    const QByteArray lists = customBytes("Dairy run", "Milk", "2.49") + customBytes("Tacos", "Shells") +
                             customBytes("Dairy run", "Eggs", "3.10");
    f.open(lists, shopping);
    const QList<ListItem> chosen = f.lists->catalog().items(name30("Dairy run")); // Eggs, then Milk
    if (emptiedElsewhere)
        f.folder.write("pantrecp.dat", QByteArray());
    QSignalSpy changed(f.session.get(), &Session::shoppingListChanged);
    const CustomLists::ItemsOutcome outcome = f.lists->getItems(chosen);
    QCOMPARE(int(outcome.result), result);
    QCOMPARE(lines(outcome.notices), told);
    QCOMPARE(f.folder.read("grocery.lst"), shopping + appended);
    QCOMPARE(f.session->shoppingCount(), (shopping.size() + appended.size()) / 149);
    QCOMPARE(changed.count(), appended.isEmpty() ? 0 : 1);
    QCOMPARE(f.custom(), emptiedElsewhere ? QByteArray() : lists);
}

void CustomListsTest::preview_data() {
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("lines");
    QTest::newRow("15 items, one column") << 15 << 15;
    QTest::newRow("17 items, two columns") << 17 << 9;
}

void CustomListsTest::preview() {
    QFETCH(int, items);
    QFETCH(int, lines);
    QByteArray bytes;
    QStringList sorted;
    for (int i = items; i >= 1; --i) {
        const QByteArray item = "Item " + QByteArray::number(i).rightJustified(2, '0');
        bytes += customBytes("Snacks", item) + customBytes("Other", item);
        sorted.prepend(QString::fromLatin1(item).leftJustified(40));
    }
    QString text;
    for (qsizetype row = 0; row < lines; ++row)
        text += items <= 15 ? sorted.at(row) + "\n" : sorted.at(2 * row) + "   \t" + sorted.value(2 * row + 1) + "\n";
    Fixture f;
    f.open(bytes);
    QCOMPARE(line(f.lists->preview(name30("Snacks"))), "[Preview of " + name30("Snacks") + "] " + text);
    QVERIFY(!f.session->files().file(CustomListChannel));
    QCOMPARE(f.custom(), bytes);
}

void CustomListsTest::saveShoppingList_data() {
    QTest::addColumn<QByteArray>("shopping");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("told");
    QTest::addColumn<QByteArray>("appended");

    const QByteArray party = shoppingBytes("Salsa", " 5.97", "3", "Mexican") + shoppingBytes("Chips", " 10", "3") +
                             shoppingBytes("Gum", " 4.5", "abc", "Candy");
    const QByteArray saved = customBytes("Party Mix", "Salsa", " 1.99", "Mexican") +
                             customBytes("Party Mix", "Chips", " 3.333") +
                             customBytes("Party Mix", "Gum", " 4.5", "Candy");
    QTest::newRow("unit prices, in file order")
        << party << "party MIX" << QStringList{"Product List for Party Mix is now on file."} << saved;
    QTest::newRow("to a list of that name")
        << shoppingBytes("Gum", " 1", "1") << "OLD LIST" << QStringList{"Product List for Old List is now on file."}
        << customBytes("Old List", "Gum", " 1");
    QTest::newRow("unit price too large")
        << shoppingBytes("Gum", " 1", "1") + shoppingBytes("Caviar", "999999", ".5") << "Party"
        << QStringList{"! [Oops!] The unit price of Caviar is too large for a custom list. Nothing was saved."}
        << QByteArray();
}

void CustomListsTest::saveShoppingList() {
    QFETCH(QByteArray, shopping);
    QFETCH(QString, typed);
    QFETCH(QStringList, told);
    QFETCH(QByteArray, appended);
    Fixture f;
    const QByteArray before = customBytes("Old list", "Bread");
    f.open(before, shopping);
    QCOMPARE(lines(f.lists->saveShoppingList(typed)), told);
    QCOMPARE(f.custom(), before + appended);
    QCOMPARE(f.folder.read("grocery.lst"), shopping);
}

QTEST_GUILESS_MAIN(CustomListsTest)
#include "test_customlists.moc"
