// SPDX-License-Identifier: MIT
// The product file in memory: what it holds, and that it follows every change the program makes.
#include "data/ansitext.h"
#include "data/filechannels.h"
#include "data/productcatalog.h"
#include "data/records.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace pantrex;

namespace {

Record product(const QByteArray& name, const QByteArray& category, bool fat = false) {
    Record record(ProductRecord::Length);
    record.set(ProductRecord::ItemName, name);
    record.set(ProductRecord::Price, "1.00");
    record.set(ProductRecord::HighFat, fat ? "1" : " ");
    record.set(ProductRecord::Category, category);
    return record;
}

QList<QByteArray> namesInOrder(const ProductCatalog& catalog) {
    QList<QByteArray> names;
    for (const qint32 n : catalog.byName())
        names.append(catalog.name(n).toByteArray());
    return names;
}

// What the views read from a catalog, to compare one that followed changes with one read afresh.
QStringList shownBy(const ProductCatalog& catalog) {
    QStringList shown;
    for (const qint32 n : catalog.byName()) {
        shown << QStringLiteral("%1 %2 %3 %4 key %5")
                     .arg(n)
                     .arg(QString::fromLatin1(catalog.name(n)), QString::fromLatin1(catalog.price(n)))
                     .arg(catalog.highFat(n))
                     .arg(catalog.keyOfUpperCategory(catalog.record(n).sliced(121).trimmed().toByteArray().toUpper()) ==
                          catalog.categoryKey(n));
    }
    for (const QByteArray& category : catalog.categories())
        shown << QString::fromLatin1("category " + category);
    shown << QStringLiteral("blank %1").arg(catalog.hasBlankCategory());
    return shown;
}

} // namespace

class ProductCatalogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void holdsTheFile() {
        QTemporaryDir dir;
        FileChannels files(dir.path());
        RecordFile* file = files.open(ProductChannel, QStringLiteral("grocery.dat"), ProductRecord::Length);
        QVERIFY(file);
        for (const Record& record : {product("  Tea ", "Drinks"), product("bread", " dairy"),
                                     product("Tea", "DAIRY", true), product("Apple", "Fruit")})
            QVERIFY(file->append(record));
        ProductCatalog catalog;
        catalog.refresh(files, QStringLiteral("grocery.dat"));
        QCOMPARE(catalog.count(), 4);
        QCOMPARE(namesInOrder(catalog), QList<QByteArray>({"Apple", "Tea", "Tea", "bread"}));
        QCOMPARE(std::vector<qint32>(catalog.byName()), std::vector<qint32>({4, 1, 3, 2}));
        QCOMPARE(catalog.categories(), QList<QByteArray>({"DAIRY", "Drinks", "Fruit", "dairy"}));
        QCOMPARE(catalog.categoryKey(2), catalog.categoryKey(3));
        QCOMPARE(catalog.keyOfUpperCategory("DAIRY"), catalog.categoryKey(3));
        QCOMPARE(catalog.keyOfUpperCategory("MEAT"), -1);
        QVERIFY(catalog.nameStartsWith(2, "bre"));
        QVERIFY(!catalog.nameStartsWith(1, "tea")); // the stored name begins with blanks
        QVERIFY(catalog.highFat(3) && !catalog.highFat(1));
    }

    // The program appends, changes in place and removes records; the catalog follows each change
    // as a fresh read of the file would show it.
    void followsChangesAsAFreshReadDoes() {
        QTemporaryDir dir;
        FileChannels files(dir.path());
        const QString name = QStringLiteral("grocery.dat");
        RecordFile* file = files.open(ProductChannel, name, ProductRecord::Length);
        QList<Record> records;
        for (int i = 0; i < 40; ++i)
            records.append(product("Item " + QByteArray::number(i % 13), "Cat " + QByteArray::number(i % 5), i % 3));
        QVERIFY(file->rewrite(records));
        ProductCatalog followed;
        followed.refresh(files, name);
        const std::vector<std::function<bool()>> changes = {
            [&] { return file->append(product("Apple", "Fruit")); },
            [&] { return file->append(product("Item 3", "")); },
            [&] { return file->write(5, product("Zebra cake", "cat 0")); },
            [&] { return file->write(7, product("Item 1", "Fruit")); },
            [&] { return file->rewrite(file->readAll()->mid(1, 20) + file->readAll()->mid(30)); },
            [&] {
                QList<Record> reversed = *file->readAll();
                std::reverse(reversed.begin(), reversed.end());
                return file->rewrite(reversed);
            },
            [&] { return file->rewrite(file->readAll()->mid(0, 1)); },
            [&] { return file->rewrite({}); },
            [&] { return file->append(product("Bread", "")); },
        };
        for (const auto& change : changes) {
            QVERIFY(change());
            followed.refresh(files, name);
            ProductCatalog fresh;
            fresh.refresh(files, name);
            QCOMPARE(followed.count(), fresh.count());
            QCOMPARE(shownBy(followed), shownBy(fresh));
        }
    }

    void followsWritesOfTheSameSize() {
        QTemporaryDir dir;
        FileChannels files(dir.path());
        RecordFile* file = files.open(ProductChannel, QStringLiteral("grocery.dat"), ProductRecord::Length);
        QVERIFY(file->append(product("Milk", "Dairy")));
        ProductCatalog catalog;
        catalog.refresh(files, QStringLiteral("grocery.dat"));
        QCOMPARE(catalog.categories(), QList<QByteArray>({"Dairy"}));
        // An in-place change keeps the length and may keep the time stamp; the catalog still sees it.
        QVERIFY(file->write(1, product("Milk", "Drinks")));
        catalog.refresh(files, QStringLiteral("grocery.dat"));
        QCOMPARE(catalog.categories(), QList<QByteArray>({"Drinks"}));
        QVERIFY(file->rewrite({}));
        catalog.refresh(files, QStringLiteral("grocery.dat"));
        QCOMPARE(catalog.count(), 0);
        QVERIFY(catalog.categories().isEmpty());
    }

    void takesInAppendedRecords() {
        // Products appended to a file already in memory come out as they would from the whole file.
        QTemporaryDir dir;
        FileChannels files(dir.path());
        RecordFile* file = files.open(ProductChannel, QStringLiteral("grocery.dat"), ProductRecord::Length);
        for (const Record& record : {product("Tea", "Drinks"), product("bread", "Bakery"), product("Milk", "Dairy")})
            QVERIFY(file->append(record));
        ProductCatalog catalog;
        catalog.refresh(files, QStringLiteral("grocery.dat"));
        qint64 appended = 0;
        QVERIFY(file->appendAll({product("Tea", "DRINKS", true), product("Apple", "Fruit"), product("Milk", "dairy"),
                                 product("Zucchini", "Drinks")},
                                appended));
        catalog.refresh(files, QStringLiteral("grocery.dat"));
        ProductCatalog whole;
        whole.refresh(files, QStringLiteral("grocery.dat"));
        QCOMPARE(catalog.count(), 7);
        QCOMPARE(std::vector<qint32>(catalog.byName()), std::vector<qint32>({5, 3, 6, 1, 4, 7, 2}));
        QCOMPARE(std::vector<qint32>(catalog.byName()), std::vector<qint32>(whole.byName()));
        QCOMPARE(catalog.categories(), whole.categories());
        for (qint64 n = 1; n <= 7; ++n) {
            for (qint64 m = 1; m <= 7; ++m)
                QCOMPARE(catalog.categoryKey(n) == catalog.categoryKey(m),
                         whole.categoryKey(n) == whole.categoryKey(m));
            QCOMPARE(catalog.highFat(n), whole.highFat(n));
            QVERIFY(catalog.nameStartsWith(n, ansiLower(whole.name(n))));
        }
    }

    void followsItsOwnRewrites() {
        // A rewrite the program made and told the catalog of comes out as the file read afresh.
        QTemporaryDir dir;
        FileChannels files(dir.path());
        const QString name = QStringLiteral("grocery.dat");
        RecordFile* file = files.open(ProductChannel, name, ProductRecord::Length);
        for (const Record& record :
             {product("Tea", "Drinks"), product("bread", "Bakery", true), product("Milk", "Dairy"),
              product("Brie", "dairy", true), product("Beans", "Bakery")})
            QVERIFY(file->append(record));
        ProductCatalog followed;
        followed.refresh(files, name);
        QCOMPARE(file->holds(followed.bytes()), std::optional<bool>(true));
        const QByteArrayView bytes = followed.bytes();
        const qsizetype length = ProductRecord::Length;
        QVERIFY(file->rewritePieces({bytes.first(length), bytes.sliced(2 * length, length), bytes.sliced(4 * length)}));
        QCOMPARE(file->holds(followed.bytes()), std::optional<bool>(false));
        followed.followRemoval(files, name, {2, 4});
        QCOMPARE(followed.stamp(), FileStamp::of(files, name));

        Record renamed(length);
        renamed.set(ProductRecord::Category, "Pantry");
        const QByteArray field = renamed.raw(ProductRecord::Category);
        const QByteArrayView kept = followed.bytes();
        const qsizetype at = 2 * length + ProductRecord::Category.offset;
        QVERIFY(file->rewritePieces({kept.first(at), field, kept.sliced(at + field.size())}));
        followed.followFieldChange(files, name, {3}, ProductRecord::Category, field);

        ProductCatalog fresh;
        fresh.refresh(files, name);
        QCOMPARE(shownBy(followed), shownBy(fresh));
        QCOMPARE(namesInOrder(followed), QList<QByteArray>({"Beans", "Milk", "Tea"}));
        QCOMPARE(followed.categories(), QList<QByteArray>({"Dairy", "Drinks", "Pantry"}));
    }

    void selectsThroughTheFilters() {
        QTemporaryDir dir;
        FileChannels files(dir.path());
        RecordFile* file = files.open(ProductChannel, QStringLiteral("grocery.dat"), ProductRecord::Length);
        for (const Record& record :
             {product("Tea", "Drinks"), product("bread", "Bakery", true), product("Milk", "Dairy"),
              product("Brie", "dairy", true), product("Beans", "Bakery"), product("Breadsticks", "Bakery")})
            QVERIFY(file->append(record));
        ProductCatalog catalog;
        catalog.refresh(files, QStringLiteral("grocery.dat"));
        auto selected = [&catalog](QByteArrayView prefix, bool noFat, int key, qint64 most = 6) {
            ProductCatalog::Filter filter;
            filter.lowerPrefix = prefix;
            filter.noHighFat = noFat;
            filter.categoryKey = key;
            filter.most = most;
            QList<qint32> records;
            catalog.select(filter, records);
            return records;
        };
        QCOMPARE(selected("", false, -1), QList<qint32>({5, 6, 4, 3, 1, 2}));
        QCOMPARE(selected("b", false, -1), QList<qint32>({5, 6, 4, 2}));
        QCOMPARE(selected("brea", false, -1), QList<qint32>({6, 2}));
        QCOMPARE(selected("breads", false, -1), QList<qint32>({6}));
        QCOMPARE(selected("b", true, -1), QList<qint32>({5, 6}));
        QCOMPARE(selected("", false, catalog.keyOfUpperCategory("DAIRY")), QList<qint32>({4, 3}));
        QCOMPARE(selected("", false, -1, 3), QList<qint32>({3, 1, 2}));
    }
};

QTEST_MAIN(ProductCatalogTest)
#include "test_productcatalog.moc"
