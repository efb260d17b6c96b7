// SPDX-License-Identifier: MIT
// A store's aisle order: what the file beside the list holds and what is read back from it, whatever
// lies in its place, and the order of the category groups it gives.
#include "core/aisleorder.h"
#include "core/session.h"
#include "core/shoppinglist.h"
#include "data/records.h"
#include "support/permissions.h"
#include "support/productrecords.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

const QString ListFile = QStringLiteral("store.lst");
const QString AislesFile = QStringLiteral("store.lst.aisles");

using Categories = QList<QByteArray>;

struct Fixture {
    TestFolder folder;
    Session session{folder.path()};

    Fixture() {
        folder.write(ListFile, {});
        session.setShoppingListPath(ListFile);
    }
};

// The groups' categories for items in these categories, one item each.
Categories groupsOf(const Categories& items, const Categories& order) {
    QList<Record> records;
    for (const QByteArray& category : items)
        records.append(Record(ShoppingRecord::Length, shoppingBytes("Item", " 1", "1", category)));
    Categories groups;
    for (const CategoryGroup& group : groupByCategory(records, order))
        groups.append(group.category);
    return groups;
}

} // namespace

class AisleOrderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void groups_data();
    void groups();
    void reads_data();
    void reads();
    void roundTrip();
    void strangeThingInPlace_data();
    void strangeThingInPlace();
    void readOnlyFolder();
    void goesWithTheList();
};

void AisleOrderTest::groups_data() {
    QTest::addColumn<Categories>("items");
    QTest::addColumn<Categories>("order");
    QTest::addColumn<Categories>("groups");
    const Categories items{"Produce", "bakery", "Dairy", "Bakery", "", "Frozen"};
    QTest::newRow("no order") << items << Categories{}
                              << Categories{"", "Bakery", "Dairy", "Frozen", "Produce", "bakery"};
    QTest::newRow("whole order") << items << Categories{"Frozen", "Dairy", "", "bakery", "Produce", "Bakery"}
                                 << Categories{"Frozen", "Dairy", "", "bakery", "Produce", "Bakery"};
    QTest::newRow("part of them first, the rest as without")
        << items << Categories{"Produce", "Dairy"} << Categories{"Produce", "Dairy", "", "Bakery", "Frozen", "bakery"};
    QTest::newRow("categories of no item, case counts")
        << items << Categories{"Meat", "DAIRY", "Frozen", "Pasta"}
        << Categories{"Frozen", "", "Bakery", "Dairy", "Produce", "bakery"};
    QTest::newRow("an order for an empty list") << Categories{} << Categories{"Dairy"} << Categories{};
}

void AisleOrderTest::groups() {
    QFETCH(Categories, items);
    QFETCH(Categories, order);
    QFETCH(Categories, groups);
    QCOMPARE(groupsOf(items, order), groups);
}

void AisleOrderTest::reads_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Categories>("order");
    QTest::addColumn<bool>("written");
    QTest::newRow("missing") << QByteArray() << Categories{} << false;
    QTest::newRow("empty") << QByteArray() << Categories{} << true;
    QTest::newRow("as saved") << QByteArray("Produce\nCaf\xc3\xa9\nDairy\n")
                              << Categories{"Produce", "Caf\xe9", "Dairy"} << true;
    QTest::newRow("edited by hand") << QByteArray("\xef\xbb\xbf  Produce \r\n\r\nDairy\r\nProduce\nFrozen")
                                    << Categories{"Produce", "Dairy", "Frozen"} << true;
    QTest::newRow("not UTF-8") << QByteArray("Produce\nCaf\xe9\n") << Categories{} << true;
    QTest::newRow("binary") << QByteArray("Produce\n\x01\x02\0\x7f", 12) << Categories{} << true;
    QTest::newRow("too large") << QByteArray(AisleOrder::MostBytes - 6, ' ') + "\nDairy\n" << Categories{} << true;
    QTest::newRow("just fits") << QByteArray(AisleOrder::MostBytes - 6, ' ') + "\nDairy" << Categories{"Dairy"} << true;
    QTest::newRow("no code page for it") << QByteArray("\xe2\x9c\x93 Fresh\n") << Categories{"? Fresh"} << true;
}

void AisleOrderTest::reads() {
    QFETCH(QByteArray, file);
    QFETCH(Categories, order);
    QFETCH(bool, written);
    Fixture f;
    if (written)
        f.folder.write(AislesFile, file);
    QCOMPARE(f.session.aisles().order(), order);
}

void AisleOrderTest::roundTrip() {
    Fixture f;
    QSignalSpy changed(&f.session.aisles(), &AisleOrder::orderChanged);
    const Categories order{"Produce", "Caf\xe9", "Two\nlines", "Dairy", ""};
    QVERIFY(!f.session.aisles().setOrder(order));
    QCOMPARE(f.folder.read(AislesFile), QByteArray("Produce\nCaf\xc3\xa9\nDairy\n"));
    QCOMPARE(f.session.aisles().order(), Categories({"Produce", "Caf\xe9", "Dairy"}));
    QCOMPARE(changed.count(), 1);
    // Only the open list's order is read.
    f.session.setShoppingListPath(QStringLiteral("other.lst"));
    QCOMPARE(f.session.aisles().order(), Categories{});
    QCOMPARE(f.folder.read(ListFile), QByteArray());
}

void AisleOrderTest::strangeThingInPlace_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to another file") << "link";
    QTest::newRow("named pipe") << "fifo";
    QTest::newRow("folder") << "folder";
}

// Nothing in the file's place is read through, blocks or is written into; a link itself is replaced.
void AisleOrderTest::strangeThingInPlace() {
    QFETCH(QString, kind);
    Fixture f;
    const QString path = f.folder.filePath(AislesFile);
    f.folder.write(QStringLiteral("other.lst.aisles"), "Dairy\n");
    if (kind == QLatin1String("link"))
        QVERIFY(QFile::link(f.folder.filePath(QStringLiteral("other.lst.aisles")), path));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(QDir(f.folder.path()).mkdir(AislesFile));
    QCOMPARE(f.session.aisles().order(), Categories{});

    const std::optional<Notice> failure = f.session.aisles().setOrder({"Produce"});
    QCOMPARE(f.folder.read(QStringLiteral("other.lst.aisles")), QByteArray("Dairy\n"));
    if (kind == QLatin1String("link")) {
        QVERIFY(!failure);
        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(f.folder.read(AislesFile), QByteArray("Produce\n"));
    } else {
        QVERIFY(failure);
        QVERIFY2(failure->text.startsWith("The aisle order could not be saved in store.lst.aisles: "),
                 qPrintable(failure->text));
        QCOMPARE(QFileInfo(path).isDir(), kind == QLatin1String("folder"));
    }
}

void AisleOrderTest::readOnlyFolder() {
    Fixture f;
    f.folder.write(AislesFile, "Dairy\nProduce\n");
    const PermissionsEnforced enforced;
    QVERIFY(QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    const std::optional<Notice> failure = f.session.aisles().setOrder({"Produce", "Dairy"});
    QVERIFY(QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(failure);
    QCOMPARE(failure->text,
             QStringLiteral("The aisle order could not be saved in store.lst.aisles: Permission denied"));
    QCOMPARE(f.folder.read(AislesFile), QByteArray("Dairy\nProduce\n"));
    QCOMPARE(f.folder.files(), QStringList({ListFile, AislesFile}));
}

// An eliminated list takes its order along; a new list of a name used before starts without one.
void AisleOrderTest::goesWithTheList() {
    Fixture f;
    f.folder.write(AislesFile, "Dairy\n");
    f.folder.write(QStringLiteral("grocery.lst.aisles"), "Produce\n");
    QVERIFY(f.session.createList(ListFile, false).isEmpty());
    QVERIFY(!f.folder.exists(AislesFile));
    QVERIFY(!f.session.aisles().setOrder({"Frozen"}));
    QVERIFY(f.session.listToEliminate(false));
    QVERIFY(f.session.eliminateEmptyList().isEmpty());
    QVERIFY(!f.folder.exists(AislesFile));
    QCOMPARE(f.folder.read(QStringLiteral("grocery.lst.aisles")), QByteArray("Produce\n"));
}

QTEST_GUILESS_MAIN(AisleOrderTest)
#include "test_aisleorder.moc"
