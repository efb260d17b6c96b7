// SPDX-License-Identifier: MIT
// The ticks kept beside a shopping list: which item each stays on as the list changes, what lies in
// the ticks file, and that the list file itself is never touched by a tick.
#include "core/session.h"
#include "core/shoppingticks.h"
#include "data/records.h"
#include "support/productrecords.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

const QString ListFile = QStringLiteral("grocery.lst");
const QString TicksFile = QStringLiteral("grocery.lst.ticks");

// Four items; the two milks share their text (ignoring case).
QByteArray fourItems() {
    return shoppingBytes("Milk", " 2", "2") + shoppingBytes("Bread") + shoppingBytes("milk", " 1", "1") +
           shoppingBytes("Eggs");
}

struct Fixture {
    TestFolder folder;
    std::unique_ptr<Session> session;

    explicit Fixture(const QByteArray& list, const QByteArray& ticks = {}) {
        folder.write(ListFile, list);
        if (!ticks.isEmpty())
            folder.write(TicksFile, ticks);
        start();
    }
    void start() {
        session = std::make_unique<Session>(folder.path());
        session->setShoppingListPath(ListFile);
        session->files().open(ShoppingChannel, ListFile, ShoppingRecord::Length);
        (void)session->shoppingList().reload();
    }
    ShoppingListResult::Status tick(qint64 n, bool ticked = true) const {
        const QByteArray bytes = recordAt(folder.read(ListFile), ShoppingRecord::Length, int(n));
        return session->ticks().setTicked(n, ShoppingTicks::keyOf(bytes), ticked).status;
    }
    QList<qint64> ticked() const {
        QList<qint64> numbers;
        for (qint64 n = 1; n <= session->shoppingCount(); ++n)
            if (session->ticks().isTicked(n))
                numbers << n;
        return numbers;
    }
    int row(const QByteArray& text) const {
        const QList<ShoppingRow>& rows = session->shoppingList().rows();
        for (int r = 0; r < rows.size(); ++r)
            if (rows.at(r).itemText.trimmed() == text)
                return r;
        return -1;
    }
};

// The ticks file as it must be for these records of the list, ticked.
QByteArray ticksBytes(const QByteArray& list, const QList<int>& numbers) {
    QByteArray bytes;
    for (const int n : numbers)
        bytes += QByteArray::number(n).leftJustified(8, ' ') + recordAt(list, ShoppingRecord::Length, n);
    return bytes;
}

using Change = std::function<void(Fixture&)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class ShoppingTicksTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void follow_data();
    void follow();
    void tickFromAfar_data();
    void tickFromAfar();
    void removeTicked_data();
    void removeTicked();
    void failedWrite();
};

void ShoppingTicksTest::follow_data() {
    QTest::addColumn<QList<qint64>>("ticks");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QList<qint64>>("after");
    QTest::addColumn<QList<int>>("onDisk"); // records of the list as it is afterwards

    QTest::newRow("kept over a restart") << QList<qint64>{2, 4} << Change([](Fixture& f) { f.start(); })
                                         << QList<qint64>{2, 4} << QList<int>{2, 4};
    QTest::newRow("untick") << QList<qint64>{2, 4}
                            << Change([](Fixture& f) { QCOMPARE(f.tick(2, false), ShoppingListResult::Status::Done); })
                            << QList<qint64>{4} << QList<int>{4};
    // The window's remove takes the first "milk": the ticked second one moves up and keeps its tick.
    QTest::newRow("remove before") << QList<qint64>{3, 4} << Change([](Fixture& f) {
        (void)f.session->shoppingList().remove(f.row("milk"));
        (void)f.session->shoppingList().reload();
    }) << QList<qint64>{2, 3} << QList<int>{2, 3};
    QTest::newRow("removed item's tick dropped") << QList<qint64>{1, 4} << Change([](Fixture& f) {
        (void)f.session->shoppingList().remove(f.row("Milk"));
        (void)f.session->shoppingList().reload();
    }) << QList<qint64>{3} << QList<int>{3};
    QTest::newRow("changed item's tick dropped") << QList<qint64>{2} << Change([](Fixture& f) {
        (void)f.session->shoppingList().changeItem(f.row("Bread"), "3", QByteArray());
        (void)f.session->shoppingList().reload();
    }) << QList<qint64>{} << QList<int>{};
    QTest::newRow("erased") << QList<qint64>{2} << Change([](Fixture& f) { (void)f.session->shoppingList().erase(); })
                            << QList<qint64>{} << QList<int>{};
    // Another program put a new item first while Pantrex was closed: the ticks on file name records
    // that now hold other items, and are dropped rather than moved onto them.
    QTest::newRow("list changed between runs") << QList<qint64>{2} << Change([](Fixture& f) {
        f.folder.write(ListFile, shoppingBytes("Tea") + fourItems());
        f.start();
    }) << QList<qint64>{} << QList<int>{};
    QTest::newRow("list changed while open") << QList<qint64>{2} << Change([](Fixture& f) {
        f.folder.write(ListFile, shoppingBytes("Tea") + fourItems());
        (void)f.session->shoppingList().reload();
    }) << QList<qint64>{3} << QList<int>{3};
}

void ShoppingTicksTest::follow() {
    QFETCH(QList<qint64>, ticks);
    QFETCH(Change, change);
    QFETCH(QList<qint64>, after);
    QFETCH(QList<int>, onDisk);
    Fixture f(fourItems());
    for (const qint64 n : ticks)
        QCOMPARE(f.tick(n), ShoppingListResult::Status::Done);
    QCOMPARE(f.folder.read(ListFile), fourItems());
    change(f);
    QCOMPARE(f.ticked(), after);
    QCOMPARE(f.folder.read(TicksFile), ticksBytes(f.folder.read(ListFile), onDisk));
    QCOMPARE(f.folder.exists(TicksFile), !onDisk.isEmpty());
}

void ShoppingTicksTest::tickFromAfar_data() {
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<bool>("changeFile");
    QTest::addColumn<ShoppingListResult::Status>("status");
    QTest::addColumn<QList<qint64>>("ticked");

    QTest::newRow("right") << qint64(2) << shoppingBytes("Bread") << false << ShoppingListResult::Status::Done
                           << QList<qint64>{2};
    // The page still showed the list before the first milk went: the one Eggs is found where it is now.
    QTest::newRow("moved") << qint64(5) << shoppingBytes("Eggs") << false << ShoppingListResult::Status::Done
                           << QList<qint64>{4};
    QTest::newRow("gone") << qint64(2) << shoppingBytes("Butter") << false << ShoppingListResult::Status::NotDone
                          << QList<qint64>{};
    QTest::newRow("other item there") << qint64(3) << shoppingBytes("Bread", " 3", "3") << false
                                      << ShoppingListResult::Status::NotDone << QList<qint64>{};
    QTest::newRow("file changed") << qint64(2) << shoppingBytes("Bread") << true
                                  << ShoppingListResult::Status::ChangedUnderneath << QList<qint64>{};
}

void ShoppingTicksTest::tickFromAfar() {
    QFETCH(qint64, number);
    QFETCH(QByteArray, record);
    QFETCH(bool, changeFile);
    QFETCH(ShoppingListResult::Status, status);
    QFETCH(QList<qint64>, ticked);
    Fixture f(fourItems());
    if (changeFile)
        f.folder.write(ListFile, fourItems() + shoppingBytes("Tea"));
    const QByteArray list = f.folder.read(ListFile);
    QSignalSpy told(&f.session->ticks(), &ShoppingTicks::ticksChanged);
    QCOMPARE(f.session->ticks().setTicked(number, ShoppingTicks::keyOf(record), true).status, status);
    QCOMPARE(f.ticked(), ticked);
    QCOMPARE(told.size(), ticked.size());
    QCOMPARE(f.folder.read(ListFile), list);
    QCOMPARE(f.folder.exists(TicksFile), !ticked.isEmpty());
}

void ShoppingTicksTest::removeTicked_data() {
    QTest::addColumn<QList<qint64>>("ticks");
    QTest::addColumn<QByteArray>("left");
    QTest::addColumn<bool>("told");

    QTest::newRow("two") << QList<qint64>{1, 4} << shoppingBytes("Bread") + shoppingBytes("milk", " 1", "1") << false;
    QTest::newRow("all") << QList<qint64>{1, 2, 3, 4} << QByteArray() << false;
    // Removing the second milk would take the first, unticked one: it stays, and the user is told.
    QTest::newRow("behind its namesake") << QList<qint64>{2, 3}
                                         << shoppingBytes("Milk", " 2", "2") + shoppingBytes("milk", " 1", "1") +
                                                shoppingBytes("Eggs")
                                         << true;
}

void ShoppingTicksTest::removeTicked() {
    QFETCH(QList<qint64>, ticks);
    QFETCH(QByteArray, left);
    QFETCH(bool, told);
    Fixture f(fourItems());
    for (const qint64 n : ticks)
        QCOMPARE(f.tick(n), ShoppingListResult::Status::Done);
    const ShoppingListResult result = f.session->ticks().removeTicked();
    QCOMPARE(result.status, ShoppingListResult::Status::Done);
    QCOMPARE(result.notice.has_value(), told);
    QCOMPARE(f.folder.read(ListFile), left);
    QCOMPARE(f.session->ticks().count(), told ? 1 : 0);
}

// A ticks file that cannot be replaced (a folder in its place) leaves the tick undone, with the reason.
void ShoppingTicksTest::failedWrite() {
    Fixture f(fourItems());
    QVERIFY(QDir(f.folder.path()).mkdir(TicksFile));
    const QByteArray bytes = recordAt(fourItems(), ShoppingRecord::Length, 2);
    const ShoppingListResult result = f.session->ticks().setTicked(2, ShoppingTicks::keyOf(bytes), true);
    QCOMPARE(result.status, ShoppingListResult::Status::NotDone);
    QVERIFY(result.notice.has_value());
    QVERIFY(!f.session->ticks().isTicked(2));
    QVERIFY(QFileInfo(f.folder.filePath(TicksFile)).isDir());
    QCOMPARE(f.folder.read(ListFile), fourItems());
}

QTEST_GUILESS_MAIN(ShoppingTicksTest)
#include "test_shoppingticks.moc"
