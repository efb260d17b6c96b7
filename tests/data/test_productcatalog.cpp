// The product file in memory: what it holds, and that it follows every change the program makes.
#include "data/filechannels.h"
#include "data/productcatalog.h"
#include "data/records.h"

#include <QTemporaryDir>
#include <QTest>

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
};

QTEST_MAIN(ProductCatalogTest)
#include "test_productcatalog.moc"
