// SPDX-License-Identifier: MIT
// Product maintenance on a session, without a window: deleting products, renaming a category and
// saving a product, checked on what lands on disk and on what the user is to be told.
#include "core/productoperations.h"
#include "core/session.h"
#include "support/noticelines.h"
#include "support/permissions.h"
#include "support/productrecords.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace pantrex;
using namespace pantrex::testing;
using namespace pantrex::testing::dairy;

namespace {

QByteArray picked(const QList<QByteArray>& records, const QList<int>& indexes) {
    QByteArray bytes;
    for (const int i : indexes)
        bytes += records.at(i);
    return bytes;
}
} // namespace

class ProductOperationsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_fixture = std::make_unique<ProductFiles>();
        m_fixture->productFile = QStringLiteral("weekly.dat");
    }
    void cleanup() { m_fixture.reset(); }

    void deletion_data();
    void deletion();
    void beforeDeletion();
    void defaultListWarning_data();
    void defaultListWarning();
    void deletionFromAChangedFile_data();
    void deletionFromAChangedFile();
    void deletionKeepsOddBytesAndDropsAPartialRecord();
    void deletionFailures_data();
    void deletionFailures();

    void rename_data();
    void rename();
    void renameWithAReadOnlyShoppingList();

    void productRecord_data();
    void productRecord();
    void addProduct();
    void changeProduct_data();
    void changeProduct();
    void shoppingListLine_data();
    void shoppingListLine();

private:
    ProductOperations operations() { return ProductOperations(*m_fixture->session); }

    std::unique_ptr<ProductFiles> m_fixture;
};

void ProductOperationsTest::deletion_data() {
    QTest::addColumn<QList<qint64>>("selected");
    QTest::addColumn<bool>("oneByOne");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QList<int>>("kept");
    QTest::addColumn<int>("outcome");
    const int left = int(DeletionOutcome::ProductsLeft);
    QTest::newRow("all at once") << QList<qint64>{2, 4} << false << QList<bool>{} << QStringList{}
                                 << QList<int>{0, 2, 4} << left;
    QTest::newRow("single product") << QList<qint64>{3} << false << QList<bool>{} << QStringList{}
                                    << QList<int>{0, 1, 3, 4} << left;
    // Asked in file order, whatever the order of the rows; each kept product keeps its own bytes.
    QTest::newRow("one by one") << QList<qint64>{4, 1, 5} << true << QList<bool>{true, false, true}
                                << QStringList{"Apples", "Dates", "Eggs"} << QList<int>{1, 2, 3} << left;
    QTest::newRow("each one kept") << QList<qint64>{2, 3} << true << QList<bool>{false, false}
                                   << QStringList{"Bread", "Cheese"} << QList<int>{0, 1, 2, 3, 4} << left;
    QTest::newRow("entire list") << QList<qint64>{5, 4, 3, 2, 1} << false << QList<bool>{} << QStringList{}
                                 << QList<int>{} << int(DeletionOutcome::ListEmptied);
}

void ProductOperationsTest::deletion() {
    QFETCH(QList<qint64>, selected);
    QFETCH(bool, oneByOne);
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, asked);
    QFETCH(QList<int>, kept);
    QFETCH(int, outcome);
    const QByteArray shopping = shoppingBytes("Eggs", "5.00", "1", "Dairy");
    m_fixture->open(fiveProducts(), {shopping});
    const QFileInfo file(m_fixture->folder.filePath(m_fixture->productFile));
    const QDateTime written = file.lastModified();
    if (kept.size() == 5)
        QTest::qWait(15);
    QSignalSpy changed(m_fixture->session.get(), &Session::productsChanged);
    QStringList names;
    std::function<bool(const QString&)> confirmEach;
    if (oneByOne)
        confirmEach = [&](const QString& name) {
            names << name;
            return answers.value(names.size() - 1);
        };
    const DeletionResult result = operations().deleteProducts(selected, m_fixture->products(), confirmEach);
    QCOMPARE(int(result.outcome), outcome);
    QVERIFY(!result.notice);
    QCOMPARE(names, asked);
    QCOMPARE(m_fixture->products(), picked(fiveProducts(), kept));
    QCOMPARE(m_fixture->session->productCount(), kept.size());
    QCOMPARE(m_fixture->session->files().file(ProductChannel)->count(), kept.size());
    QCOMPARE(changed.count(), kept.size() < 5 ? 1 : 0);
    // With every product kept the file is not written at all.
    if (kept.size() == 5)
        QCOMPARE(QFileInfo(file.filePath()).lastModified(), written);
    // The product list stays open for the products the user adds next; the shopping list is not touched.
    QVERIFY(m_fixture->folder.exists(m_fixture->productFile));
    QVERIFY(m_fixture->session->files().file(ProductChannel)->isOpen());
    QCOMPARE(m_fixture->shopping(), shopping);
}

void ProductOperationsTest::beforeDeletion() {
    m_fixture->open({});
    std::optional<Notice> refusal;
    QVERIFY(!operations().canDelete({1}, refusal));
    QVERIFY(!refusal);

    m_fixture->open(fiveProducts());
    QVERIFY(operations().canDelete({1}, refusal));
    QVERIFY(!refusal);
    QVERIFY(!operations().canDelete({}, refusal));
    QCOMPARE(lines(refusal), QStringList{"[Oops!] No item selected."});
    std::optional<Notice> failure;
    QCOMPARE(operations().countProducts(failure), std::optional<qint64>(5));
}

void ProductOperationsTest::defaultListWarning_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("due");
    QTest::newRow("default") << "grocery.dat" << true;
    QTest::newRow("capitals") << "GROCERY.Dat" << true;
    QTest::newRow("own list") << "grocery1.dat" << false;
    QTest::newRow("merge file name") << "grocery.mrg" << false;
}

void ProductOperationsTest::defaultListWarning() {
    QFETCH(QString, path);
    QFETCH(bool, due);
    m_fixture->productFile = path;
    m_fixture->open(fiveProducts());
    ProductOperations products = operations();
    QCOMPARE(products.defaultListWarningDue(), due);
    // Given once, the warning is not due again for the list opened.
    products.markDefaultListWarned();
    QVERIFY(m_fixture->session->defaultListWarned());
    QVERIFY(!products.defaultListWarningDue());
}

// Another program changed the file after the rows were built: the record numbers may name other
// products, so nothing is written and nobody is asked about a product.
void ProductOperationsTest::deletionFromAChangedFile_data() {
    QTest::addColumn<bool>("oneByOne");
    QTest::addColumn<bool>("whileAsked");
    QTest::newRow("all at once") << false << false;
    QTest::newRow("before the questions") << true << false;
    QTest::newRow("while the user is asked") << true << true;
}

// Another program reorders the products after they were shown: nothing is written, whenever it
// happened, and the user is not asked of products the numbers may no longer name.
void ProductOperationsTest::deletionFromAChangedFile() {
    QFETCH(bool, oneByOne);
    QFETCH(bool, whileAsked);
    m_fixture->open(fiveProducts());
    const QByteArray shown = m_fixture->products();
    const QByteArray now = picked(fiveProducts(), {1, 0, 2, 3, 4});
    if (!whileAsked)
        m_fixture->folder.write(m_fixture->productFile, now);
    int asked = 0;
    auto ask = [&](const QString&) {
        if (whileAsked && asked == 0)
            m_fixture->folder.write(m_fixture->productFile, now);
        ++asked;
        return true;
    };
    const DeletionResult result =
        operations().deleteProducts({1, 3}, shown, oneByOne ? std::function<bool(const QString&)>(ask) : nullptr);
    QCOMPARE(result.outcome, DeletionOutcome::FileChanged);
    QVERIFY(!result.notice);
    QCOMPARE(asked, whileAsked ? 2 : 0);
    QCOMPARE(m_fixture->products(), now);
}

// Bytes that Windows-1252 leaves undefined, zero bytes inside fields and a partial last record:
// kept records come back byte for byte; the partial record, which holds no whole product, goes.
void ProductOperationsTest::deletionKeepsOddBytesAndDropsAPartialRecord() {
    const QByteArray odd1 = productBytes("Caf\x81 \x00Noir", "\x90\x9d", "\xff\x8d", "\x00", "\x7f");
    const QByteArray odd2 = QByteArray(ProductRecord::Length, '\x81');
    const QByteArray plain = productBytes("Tea", "1.00", "Drinks");
    m_fixture->open({plain, odd1, odd2, QByteArray(50, 'z')});
    QCOMPARE(m_fixture->session->productCount(), 3);
    QCOMPARE(operations().deleteProducts({1}, m_fixture->products()).outcome, DeletionOutcome::ProductsLeft);
    QCOMPARE(m_fixture->products(), odd1 + odd2);
    QCOMPARE(m_fixture->session->productCount(), 2);
}

void ProductOperationsTest::deletionFailures_data() {
    QTest::addColumn<bool>("folderLocked");
    QTest::addColumn<QString>("error");
    QTest::newRow("file read-only since opening") << false << "Could not save weekly.dat: the file is read-only";
    QTest::newRow("folder unwritable") << true << "Could not save weekly.dat: Permission denied";
}

void ProductOperationsTest::deletionFailures() {
    QFETCH(bool, folderLocked);
    QFETCH(QString, error);
    PermissionsEnforced enforced;
    m_fixture->open(fiveProducts());
    const QString folder = m_fixture->folder.path();
    if (folderLocked)
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    else
        m_fixture->makeReadOnly(m_fixture->productFile);
    QSignalSpy changed(m_fixture->session.get(), &Session::productsChanged);
    const DeletionResult result = operations().deleteProducts({2}, m_fixture->products());
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(result.outcome, DeletionOutcome::Nothing);
    QCOMPARE(lines(result.notice), QStringList{"X [] " + error});
    QCOMPARE(m_fixture->products(), fiveProducts().join());
    QCOMPARE(m_fixture->folder.files(), QStringList({QStringLiteral("grocery.lst"), QStringLiteral("weekly.dat")}));
    QCOMPARE(m_fixture->session->productCount(), 5);
    QCOMPARE(m_fixture->session->files().file(ProductChannel)->count(), 5);
    QCOMPARE(changed.count(), 0);
}

void ProductOperationsTest::rename_data() {
    QTest::addColumn<QList<QByteArray>>("products");
    QTest::addColumn<QList<QByteArray>>("shopping");
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QList<QByteArray>>("renamedProducts");
    QTest::addColumn<QList<QByteArray>>("renamedShopping");
    const QByteArray renamed("Dairy Products");
    // The shopping list matches in any case, the product list exactly.
    const QList<QByteArray> products = dairy::Products;
    const QList<QByteArray> shopping = dairy::Shopping;
    QTest::newRow("both files") << products << shopping << "Dairy"
                                << "Dairy Products"
                                << QList<QByteArray>{withCategory(Milk, 121, renamed), Cheese, Bread,
                                                     withCategory(Yogurt, 121, renamed)}
                                << QList<QByteArray>{withCategory(MilkLine, 49, renamed),
                                                     withCategory(CheeseLine, 49, renamed),
                                                     withCategory(CreamLine, 49, renamed), BreadLine};
    const QByteArray soap = productBytes("Soap", "2.00", "");
    const QByteArray soapLine = shoppingBytes("Soap", "2.00", "1", "");
    QTest::newRow("blank category") << QList<QByteArray>{soap, Bread} << QList<QByteArray>{soapLine, BreadLine} << ""
                                    << "Household" << QList<QByteArray>{withCategory(soap, 121, "Household"), Bread}
                                    << QList<QByteArray>{withCategory(soapLine, 49, "Household"), BreadLine};
    // The old name elsewhere in a record, or as part of a longer category, is not the category.
    const QByteArray named = productBytes("Dairy", "1.00", "Bakery");
    const QByteArray longer = productBytes("Milk", "1.00", "Dairy Products");
    const QByteArray padded = productBytes("Cream", "1.00", "  Dairy");
    const QByteArray reserved = productBytes("Tea", "1.00", "Dairy", " ", " ", "Dairy", "Dairy");
    QTest::newRow("whole category only") << QList<QByteArray>{named, longer, padded, reserved} << QList<QByteArray>{}
                                         << "Dairy"
                                         << "Milk"
                                         << QList<QByteArray>{named, longer, withCategory(padded, 121, "Milk"),
                                                              withCategory(reserved, 121, "Milk")}
                                         << QList<QByteArray>{};
    QTest::newRow("in no record") << products << shopping << "Toys"
                                  << "Games" << products << shopping;
}

void ProductOperationsTest::rename() {
    QFETCH(QList<QByteArray>, products);
    QFETCH(QList<QByteArray>, shopping);
    QFETCH(QString, oldName);
    QFETCH(QString, newName);
    QFETCH(QList<QByteArray>, renamedProducts);
    QFETCH(QList<QByteArray>, renamedShopping);
    // Written from the product list in memory when it holds what the file holds, else from the
    // file: also when another program added a product since the list was read.
    enum Source { FromFile, FromMemory, FromChangedFile };
    for (const Source source : {FromFile, FromMemory, FromChangedFile}) {
        m_fixture->open(products, shopping);
        if (source != FromFile)
            m_fixture->session->catalog().refresh(m_fixture->session->files(), m_fixture->productFile);
        QList<QByteArray> before = products;
        QList<QByteArray> after = renamedProducts;
        if (source == FromChangedFile) {
            before << products.constFirst();
            after << renamedProducts.constFirst();
            m_fixture->folder.write(m_fixture->productFile, before.join());
            QVERIFY(m_fixture->session->openProductList(m_fixture->productFile));
        }
        QSignalSpy productsChanged(m_fixture->session.get(), &Session::productsChanged);
        const CategoryRenameResult result = operations().renameCategory(oldName, newName);
        QVERIFY(result.renamed);
        QVERIFY(!result.notice);
        QCOMPARE(result.filesChanged, renamedProducts != products || renamedShopping != shopping);
        QCOMPARE(m_fixture->products(), after.join());
        QCOMPARE(m_fixture->shopping(), renamedShopping.join());
        QCOMPARE(m_fixture->session->productCount(), before.size());
        QCOMPARE(productsChanged.count(), renamedProducts != products ? 1 : 0);
        if (source == FromMemory)
            QCOMPARE(m_fixture->session->catalog().bytes(), renamedProducts.join());
    }
}

void ProductOperationsTest::renameWithAReadOnlyShoppingList() {
    PermissionsEnforced enforced;
    m_fixture->lay(dairy::Products, dairy::Shopping);
    m_fixture->makeReadOnly(m_fixture->shoppingFile);
    m_fixture->openChannels();
    const CategoryRenameResult result = operations().renameCategory(QStringLiteral("Dairy"), QStringLiteral("Milk"));
    QVERIFY(!result.renamed);
    QVERIFY(!result.filesChanged);
    QCOMPARE(lines(result.notice), QStringList{"X [] Could not save grocery.lst: the file is read-only"});
    QCOMPARE(m_fixture->products(), dairy::Products.join());
    QCOMPARE(m_fixture->shopping(), dairy::Shopping.join());
}

void ProductOperationsTest::productRecord_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("category");
    QTest::addColumn<bool>("trimCategory");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("trimmed") << "  Low Fat Milk "
                             << " Dairy " << true << productBytes("Low Fat Milk", "2.50", "Dairy", "1", " ");
    QTest::newRow("category as typed") << "Milk"
                                       << " Dairy" << false << productBytes("Milk", "2.50", " Dairy", "1", " ");
    QTest::newRow("blank category") << "Milk"
                                    << "   " << false << productBytes("Milk", "2.50", "Miscellaneous", "1", " ");
    QTest::newRow("no category") << "Milk"
                                 << "" << true << productBytes("Milk", "2.50", "Miscellaneous", "1", " ");
}

void ProductOperationsTest::productRecord() {
    QFETCH(QString, name);
    QFETCH(QString, category);
    QFETCH(bool, trimCategory);
    QFETCH(QByteArray, bytes);
    const ProductEntry entry{name, QStringLiteral("2.50"), true, false, category};
    QCOMPARE(ProductOperations::productRecord(entry, trimCategory).bytes(), bytes);
}

void ProductOperationsTest::addProduct() {
    m_fixture->open({Bread});
    QSignalSpy changed(m_fixture->session.get(), &Session::productsChanged);
    QVERIFY(!operations().addProduct(Record(ProductRecord::Length, Milk)));
    QCOMPARE(m_fixture->products(), Bread + Milk);
    QCOMPARE(m_fixture->session->productCount(), 2);
    QCOMPARE(changed.count(), 1);
}

void ProductOperationsTest::changeProduct_data() {
    QTest::addColumn<QList<QByteArray>>("meanwhile");
    QTest::addColumn<bool>("saved");
    QTest::newRow("unchanged") << QList<QByteArray>{Bread, Milk, Yogurt} << true;
    QTest::newRow("changed meanwhile") << QList<QByteArray>{Bread, Cheese, Yogurt} << false;
    QTest::newRow("moved by a deletion") << QList<QByteArray>{Milk, Yogurt} << false;
    QTest::newRow("deleted") << QList<QByteArray>{Bread} << false;
}

// A changed product is written over the record it was loaded from, and only while that record is
// what was loaded: else it would overwrite another product.
void ProductOperationsTest::changeProduct() {
    QFETCH(QList<QByteArray>, meanwhile);
    QFETCH(bool, saved);
    m_fixture->open({Bread, Milk, Yogurt});
    std::optional<Notice> failure;
    LoadedProduct loaded = operations().loadProduct(2, failure);
    QVERIFY(!failure);
    QCOMPARE(loaded.bytes, Milk);
    m_fixture->folder.write(m_fixture->productFile, meanwhile.join());
    const Record changed(ProductRecord::Length, productBytes("Milk", "1.10", "Dairy"));
    const std::optional<Notice> notice = operations().changeProduct(loaded, changed);
    if (saved) {
        QVERIFY(!notice);
        QCOMPARE(m_fixture->products(), Bread + changed.bytes() + Yogurt);
        QCOMPARE(loaded.bytes, changed.bytes());
        return;
    }
    QCOMPARE(lines(notice), QStringList{"! [Error] This product was changed or deleted in the product list while it "
                                        "was open here, so it was not saved.  Return and open it again to make your "
                                        "changes."});
    QCOMPARE(m_fixture->products(), meanwhile.join());
}

void ProductOperationsTest::shoppingListLine_data() {
    QTest::addColumn<QByteArray>("price");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("priced by the quantity")
        << QByteArray("1.25") << "2" << shoppingBytes("Rice", "2.50", "2", "Grains");
    QTest::newRow("cost loses decimals only")
        << QByteArray("1.00") << "1000" << shoppingBytes("Rice", "1000.0", "100", "Grains");
    QTest::newRow("cost with six whole digits")
        << QByteArray("999.99") << "1000" << shoppingBytes("Rice", "999990", "100", "Grains");
    QTest::newRow("cost that would lose whole digits") << QByteArray("1234") << "1000" << QByteArray();
}

void ProductOperationsTest::shoppingListLine() {
    QFETCH(QByteArray, price);
    QFETCH(QString, quantity);
    QFETCH(QByteArray, line);
    m_fixture->open({});
    const Record rice(ProductRecord::Length, productBytes("Rice", price, "Grains"));
    const std::optional<Notice> notice = operations().addToShoppingList(rice, QStringLiteral("Rice"), quantity);
    QCOMPARE(m_fixture->shopping(), line);
    QCOMPARE(m_fixture->session->shoppingCount(), line.isEmpty() ? 0 : 1);
    QCOMPARE(lines(notice), line.isEmpty() ? QStringList{"[Error] The cost of Rice, 1234000.00, is too large for "
                                                         "the shopping list.  The product was saved but not put on "
                                                         "the list."}
                                           : QStringList());
}

QTEST_GUILESS_MAIN(ProductOperationsTest)
#include "test_productoperations.moc"
