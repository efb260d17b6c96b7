// SPDX-License-Identifier: MIT
// The shopping list without a window: its rows and total as read from the file, and what each
// operation leaves on disk or has to say.
#include "core/session.h"
#include "core/shoppinglist.h"
#include "data/records.h"
#include "support/filesizelimit.h"
#include "support/noticelines.h"
#include "support/permissions.h"
#include "support/productrecords.h"

#include <QFile>
#include <QTest>

#include <functional>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

const QString ListFile = QStringLiteral("grocery.lst");
const QString ProductFile = QStringLiteral("grocery.dat");

// A session over a folder holding this shopping list and these products, the list read once.
struct Fixture {
    TestFolder folder;
    std::unique_ptr<Session> session;
    ShoppingList* list = nullptr;

    explicit Fixture(const QByteArray& listBytes, const QByteArray& products = {}) {
        folder.write(ListFile, listBytes);
        folder.write(ProductFile, products);
        session = std::make_unique<Session>(folder.path());
        session->setShoppingListPath(ListFile);
        session->files().open(ShoppingChannel, ListFile, ShoppingRecord::Length);
        session->openProductList(ProductFile);
        session->catalog().refresh(session->files(), ProductFile);
        list = &session->shoppingList();
        const std::optional<Notice> failure = list->reload();
        if (failure)
            qWarning("%s", qPrintable(failure->text));
    }
    QByteArray onDisk() const { return folder.read(ListFile); }
    QStringList rowsShown() const {
        QStringList rows;
        for (const ShoppingRow& row : list->rows())
            rows << row.shownText();
        return rows;
    }
};

QString row(const QString& prefix, const QString& item) {
    return prefix + item.leftJustified(40, QLatin1Char(' '));
}

const QString One = QStringLiteral("     ");

} // namespace

using Operation = std::function<ShoppingListResult(ShoppingList&)>;
Q_DECLARE_METATYPE(Operation)

class ShoppingListCoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rows_data();
    void rows();
    void add_data();
    void add();
    void addOnAFullDisk();
    void change_data();
    void change();
    void remove_data();
    void remove();
    void erase_data();
    void erase();
    void changedUnderneath_data();
    void changedUnderneath();
};

void ShoppingListCoreTest::rows_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QList<qint64>>("records");
    QTest::addColumn<QList<QByteArray>>("costs");
    QTest::addColumn<QString>("total");

    // Sorted by item text, equal texts in file order; a quantity of one shows no prefix.
    QTest::newRow("mixed") << shoppingBytes("apple", " 1.5", "3") + shoppingBytes("Banana", " .59", "1") +
                                  shoppingBytes("apple", " 2", "x") + shoppingBytes("Milk", "abc", "1.0")
                           << QStringList{row(One, "Banana"), row(One, "Milk"), row("(3) ", "apple"),
                                          row("(x) ", "apple")}
                           << QList<qint64>{2, 4, 1, 3} << QList<QByteArray>{".59", ".00", "1.50", "2.00"} << "4.09";
    QTest::newRow("below one") << shoppingBytes("Gum", " .5", "1") << QStringList{row(One, "Gum")} << QList<qint64>{1}
                               << QList<QByteArray>{".50"} << ".50";
    QTest::newRow("empty") << QByteArray() << QStringList() << QList<qint64>() << QList<QByteArray>() << "";
}

void ShoppingListCoreTest::rows() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, shown);
    QFETCH(QList<qint64>, records);
    QFETCH(QList<QByteArray>, costs);
    QFETCH(QString, total);
    Fixture f(file);
    QCOMPARE(f.rowsShown(), shown);
    QList<qint64> numbers;
    QList<QByteArray> rowCosts;
    for (const ShoppingRow& shownRow : f.list->rows()) {
        numbers << shownRow.recordNumber;
        rowCosts << shownRow.cost;
    }
    QCOMPARE(numbers, records);
    QCOMPARE(rowCosts, costs);
    QCOMPARE(f.list->total(), total);
    QCOMPARE(f.list->caption(f.list->total()), QStringLiteral("grocery ($") + total + QStringLiteral(")"));
    QCOMPARE(f.session->shoppingCount(), file.size() / ShoppingRecord::Length);
}

void ShoppingListCoreTest::add_data() {
    QTest::addColumn<QByteArray>("price");
    QTest::addColumn<QByteArray>("quantity");
    QTest::addColumn<QByteArray>("quantityField");
    QTest::addColumn<QByteArray>("costField");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("one") << QByteArray("2.49") << QByteArray("1") << QByteArray("1  ") << QByteArray(" 2.49 ")
                         << QString();
    QTest::newRow("two") << QByteArray("2.49") << QByteArray("2") << QByteArray("2  ") << QByteArray(" 4.98 ")
                         << QString();
    QTest::newRow("letters") << QByteArray("2.49") << QByteArray("abc") << QByteArray("abc") << QByteArray(" 0    ")
                             << QString();
    QTest::newRow("quantity cut, cost whole")
        << QByteArray("2.49") << QByteArray("1000") << QByteArray("100") << QByteArray(" 2490 ") << QString();
    QTest::newRow("cost cut to six") << QByteArray("24.69") << QByteArray("5") << QByteArray("5  ")
                                     << QByteArray(" 123.4") << QString();
    QTest::newRow("price that is no number")
        << QByteArray("n/a") << QByteArray("1") << QByteArray("1  ") << QByteArray(" 0    ") << QString();
    QTest::newRow("cost that loses decimals only")
        << QByteArray("1234.5") << QByteArray("1") << QByteArray("1  ") << QByteArray(" 1234.") << QString();
    // A cost whose whole digits do not fit its six characters is refused.
    QTest::newRow("six whole digits") << QByteArray("999999") << QByteArray("1") << QByteArray() << QByteArray()
                                      << "The cost of Cheddar, 999999.00, is too large for the shopping list.  "
                                         "Nothing was added.";
    QTest::newRow("a hundred at 1234.50") << QByteArray("1234.5") << QByteArray("100") << QByteArray() << QByteArray()
                                          << "The cost of Cheddar, 123450.00, is too large for the shopping list.  "
                                             "Nothing was added.";
}

void ShoppingListCoreTest::add() {
    QFETCH(QByteArray, price);
    QFETCH(QByteArray, quantity);
    QFETCH(QByteArray, quantityField);
    QFETCH(QByteArray, costField);
    QFETCH(QString, refusal);

    // Every product goes in the order given; one refused cost stops them all.
    Fixture f(shoppingBytes("Old"), productBytes("Cheddar", price) + productBytes("Brie", "1"));
    const ShoppingListResult result = f.list->add({1, 2}, quantity);
    QCOMPARE(lines(result.notice), refusal.isEmpty() ? QStringList() : QStringList{"! [Add...] " + refusal});
    if (!refusal.isEmpty()) {
        QCOMPARE(result.status, ShoppingListResult::Status::NotDone);
        QCOMPARE(f.onDisk(), shoppingBytes("Old"));
        QCOMPARE(f.session->shoppingCount(), 1);
        return;
    }
    QCOMPARE(result.status, ShoppingListResult::Status::Done);
    const QByteArray cheddar =
        QByteArray("Cheddar").leftJustified(40) + costField + quantityField + QByteArray("Dairy").leftJustified(25);
    QCOMPARE(f.onDisk().mid(ShoppingRecord::Length, ShoppingRecord::Length), cheddar + QByteArray(75, '\0'));
    QCOMPARE(recordAt(f.onDisk(), ShoppingRecord::Length, 3).left(4), QByteArray("Brie"));
    QCOMPARE(f.session->shoppingCount(), 3);
    QVERIFY(!f.list->reload());
    QCOMPARE(f.list->rows().size(), 3);
}

// A disk with room for part of a record: the error is told, and no piece of the record stays.
void ShoppingListCoreTest::addOnAFullDisk() {
    Fixture f(shoppingBytes("Old"), productBytes("Milk"));
    ShoppingListResult result;
    {
        FileSizeLimit limit(ShoppingRecord::Length + 80);
        result = f.list->add({1}, "1");
    }
    QCOMPARE(lines(result.notice), QStringList{"X [] Could not write to grocery.lst: File too large"});
    QCOMPARE(f.onDisk(), shoppingBytes("Old"));
    QVERIFY(!f.list->reload());
    QCOMPARE(f.list->rows().size(), 1);
}

void ShoppingListCoreTest::change_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("quantity");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("refusal");

    // The new cost 1998000 would lose a whole digit in its six characters: nothing is changed.
    QTest::newRow("cost too large") << shoppingBytes("Milk", " 999", "1") << QByteArray("2000") << QByteArray()
                                    << shoppingBytes("Milk", " 999", "1")
                                    << "The cost of Milk, 1998000.00, is too large for the shopping list.  "
                                       "The item was not changed.";
    QTest::newRow("new quantity, same text") << shoppingBytes("Milk", " 6.98", "2") << QByteArray("3") << QByteArray()
                                             << shoppingBytes("Milk", "10.47", "3") << QString();
    QTest::newRow("new text") << shoppingBytes("Milk", " 3.49", "1") << QByteArray("1") << QByteArray("Skim milk")
                              << shoppingBytes("Skim milk", "3.49", "1") << QString();
    QTest::newRow("quantity that reads 0 keeps the cost as unit price")
        << shoppingBytes("Milk", " 5", "abc") << QByteArray("2") << QByteArray() << shoppingBytes("Milk", "10", "2")
        << QString();
}

void ShoppingListCoreTest::change() {
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, quantity);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QFETCH(QString, refusal);

    Fixture f(shoppingBytes("Bread") + stored);
    QCOMPARE(f.list->checkChange(1).status, ShoppingListResult::Status::Done);
    const ShoppingListResult checked = f.list->checkQuantity(1, quantity);
    QCOMPARE(lines(checked.notice), refusal.isEmpty() ? QStringList() : QStringList{"! [] " + refusal});
    if (refusal.isEmpty()) {
        const ShoppingListResult changed = f.list->changeItem(1, quantity, text);
        QCOMPARE(changed.status, ShoppingListResult::Status::Done);
        QVERIFY(!changed.notice);
    } else {
        QCOMPARE(checked.status, ShoppingListResult::Status::NotDone);
    }
    QCOMPARE(f.onDisk(), shoppingBytes("Bread") + expected);
}

void ShoppingListCoreTest::remove_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("left");

    const QByteArray tea = shoppingBytes("Tea", " 1");
    const QByteArray milk = shoppingBytes("Milk", " 2");
    const QByteArray bigTea = shoppingBytes("TEA", " 3");
    const QByteArray bread = shoppingBytes("Bread", " 4");
    // Rows: Bread, Milk, TEA, Tea. Of the items that match ignoring case, the first in the file goes.
    QTest::newRow("first match") << tea + milk + bigTea + bread << 2 << milk + bigTea + bread;
    QTest::newRow("no other match") << tea + milk + bigTea + bread << 0 << tea + milk + bigTea;
    QTest::newRow("the only row") << tea << 0 << QByteArray();
}

void ShoppingListCoreTest::remove() {
    QFETCH(QByteArray, file);
    QFETCH(int, row);
    QFETCH(QByteArray, left);
    Fixture f(file);
    const ShoppingListResult result = f.list->remove(row);
    QCOMPARE(result.status, ShoppingListResult::Status::Done);
    QCOMPARE(f.onDisk(), left);
    QCOMPARE(f.session->shoppingCount(), left.size() / ShoppingRecord::Length);
    QVERIFY(!f.list->reload());
    QCOMPARE(f.list->rows().size(), left.size() / ShoppingRecord::Length);
}

void ShoppingListCoreTest::erase_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("erased") << false;
    QTest::newRow("read-only file") << true;
}

void ShoppingListCoreTest::erase() {
    QFETCH(bool, readOnly);
    const QByteArray two = shoppingBytes("Tea") + shoppingBytes("Jam");
    Fixture f(two);
    PermissionsEnforced enforced;
    if (readOnly)
        QFile::setPermissions(f.folder.filePath(ListFile), QFile::ReadOwner);
    const ShoppingListResult result = f.list->erase();
    QCOMPARE(lines(result.notice),
             readOnly ? QStringList{"X [] Could not save grocery.lst: the file is read-only"} : QStringList());
    QCOMPARE(result.status, readOnly ? ShoppingListResult::Status::NotDone : ShoppingListResult::Status::Done);
    QCOMPARE(f.onDisk(), readOnly ? two : QByteArray());
    QCOMPARE(f.session->shoppingCount(), readOnly ? 2 : 0);
    QCOMPARE(f.list->rows().size(), readOnly ? 2 : 0);
}

void ShoppingListCoreTest::changedUnderneath_data() {
    QTest::addColumn<Operation>("operation");
    QTest::newRow("add") << Operation([](ShoppingList& list) { return list.add({1}, "1"); });
    QTest::newRow("check change") << Operation([](ShoppingList& list) { return list.checkChange(0); });
    QTest::newRow("change") << Operation([](ShoppingList& list) { return list.changeItem(0, "2", "Soy milk"); });
    QTest::newRow("remove") << Operation([](ShoppingList& list) { return list.remove(0); });
    QTest::newRow("erase") << Operation([](ShoppingList& list) { return list.erase(); });
}

// Another program wrote the list after it was read: nothing is written over its change.
void ShoppingListCoreTest::changedUnderneath() {
    QFETCH(Operation, operation);
    Fixture f(shoppingBytes("Milk") + shoppingBytes("Tea"), productBytes("Milk"));
    const QByteArray theirs = shoppingBytes("Milk", " 5", "5") + shoppingBytes("Tea") + shoppingBytes("Jam");
    f.folder.write(ListFile, theirs);
    QVERIFY(!f.list->asShown());
    const ShoppingListResult result = operation(*f.list);
    QCOMPARE(result.status, ShoppingListResult::Status::ChangedUnderneath);
    QCOMPARE(result.changedFile, ListFile);
    QVERIFY(!result.notice);
    QCOMPARE(f.onDisk(), theirs);
}

QTEST_GUILESS_MAIN(ShoppingListCoreTest)
#include "test_shoppinglist.moc"
