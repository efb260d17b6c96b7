// SPDX-License-Identifier: MIT
// Deleting products: the questions asked, and what the product file holds afterwards.
#include "productsfixture.h"

#include "products/deleteproducts.h"
#include "support/permissions.h"

using namespace pantrex;
using namespace pantrex::testing;
using Answer = Dialogs::Answer;

namespace {

const QString DefaultWarning =
    QStringLiteral("This is the default master list and is used for any shopping lists that do not have their own "
                   "master list.  Deletions here may affect other lists, now and in the future.  Do you wish to "
                   "proceed??");
const QString EntireList =
    QStringLiteral("This will wipe out this ENTIRE master product list.  Is that what you want to do??");
const QString ConfirmEach = QStringLiteral("Do you wish to confirm each item for deletion?");
const QString DeleteSelected = QStringLiteral("Delete selected item(s)?");

// Five products with bytes of their own in the reserved fields, as an import leaves them.
QList<QByteArray> fiveProducts() {
    return {productBytes("Apples", "1.00", "Fruit", "", "", "first", "imported one"),
            productBytes("Bread", "2.00", "Bakery", " ", "1", QByteArray(30, 'x'), QByteArray(43, 'y')),
            productBytes("Cheese", "3.00", "Dairy", "1", " "),
            productBytes("Dates", "4.00", "Fruit", " ", " ", "\x01\x02\x03", "last"),
            productBytes("Eggs", "5.00", "Dairy")};
}

} // namespace

class DeleteProductsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void nothingInAnEmptyList();
    void nothingSelected();
    void defaultListWarningOnce();
    void oneByOneAnsweringNoKeepsThatProduct();
    void allAtOnce();
    void singleProductAsksOnce();
    void entireList();
    void everyRefusalWritesNothing_data();
    void everyRefusalWritesNothing();
    void fileUnwritableSinceOpening();

private:
    DeletionOutcome remove(const QList<qint64>& records) {
        return deleteProducts(*m_fixture->session, m_fixture->dialogs, records, m_fixture->products());
    }

    std::unique_ptr<ProductsFixture> m_fixture;
};

void DeleteProductsTest::init() {
    m_fixture = std::make_unique<ProductsFixture>();
    // Most cases delete from a list's own product file, where no default list warning is due.
    m_fixture->productFile = QStringLiteral("weekly.dat");
}

void DeleteProductsTest::cleanup() {
    QVERIFY2(m_fixture->dialogs.done(), "a scripted box was not shown");
    m_fixture.reset();
}

void DeleteProductsTest::nothingInAnEmptyList() {
    m_fixture->open({});
    QCOMPARE(remove({1}), DeletionOutcome::Nothing);
    QVERIFY(m_fixture->dialogs.shown().isEmpty());
}

void DeleteProductsTest::nothingSelected() {
    m_fixture->open(fiveProducts());
    m_fixture->dialogs.expectMessage(QStringLiteral("No item selected."));
    QCOMPARE(remove({}), DeletionOutcome::Nothing);
    QCOMPARE(m_fixture->lastBox().message.title, QStringLiteral("Oops!"));
    QCOMPARE(m_fixture->lastBox().message.buttons, Dialogs::Buttons::Ok);
    QCOMPARE(m_fixture->lastBox().message.icon, Dialogs::Icon::None);
    QCOMPARE(m_fixture->products(), fiveProducts().join());
}

void DeleteProductsTest::defaultListWarningOnce() {
    m_fixture->productFile = QStringLiteral("grocery.dat");
    const QList<QByteArray> products = fiveProducts();
    m_fixture->open(products);
    m_fixture->dialogs.expectMessage(DefaultWarning, Answer::Yes);
    m_fixture->dialogs.expectMessage(DeleteSelected, Answer::Yes);
    QCOMPARE(remove({1}), DeletionOutcome::ProductsLeft);
    const Dialogs::Message& warning = m_fixture->dialogs.shown().at(0).message;
    QCOMPARE(warning.title, QStringLiteral("WARNING!"));
    QCOMPARE(warning.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(warning.icon, Dialogs::Icon::Exclamation);
    QCOMPARE(m_fixture->session->defaultListWarned(), true);

    // The second deletion from the same list goes straight to the confirmation.
    m_fixture->dialogs.expectMessage(DeleteSelected, Answer::Yes);
    QCOMPARE(remove({1}), DeletionOutcome::ProductsLeft);
    QCOMPARE(m_fixture->products(), products.mid(2).join());
    QCOMPARE(m_fixture->session->productCount(), 3);
}

void DeleteProductsTest::oneByOneAnsweringNoKeepsThatProduct() {
    const QList<QByteArray> products = fiveProducts();
    m_fixture->open(products);
    m_fixture->dialogs.expectMessage(ConfirmEach, Answer::Yes);
    // Asked in file order, whatever the order of the rows.
    m_fixture->dialogs.expectMessage(QStringLiteral("Delete Apples?"), Answer::Yes);
    m_fixture->dialogs.expectMessage(QStringLiteral("Delete Dates?"), Answer::No);
    m_fixture->dialogs.expectMessage(QStringLiteral("Delete Eggs?"), Answer::Yes);
    QCOMPARE(remove({4, 1, 5}), DeletionOutcome::ProductsLeft);
    const Dialogs::Message& each = m_fixture->dialogs.shown().at(0).message;
    QCOMPARE(each.title, QStringLiteral("?"));
    QCOMPARE(each.buttons, Dialogs::Buttons::YesNoCancel);
    QCOMPARE(each.icon, Dialogs::Icon::Question);
    const Dialogs::Message& one = m_fixture->lastBox().message;
    QCOMPARE(one.title, QStringLiteral("Confirm"));
    QCOMPARE(one.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(one.icon, Dialogs::Icon::Question);
    // Each kept product keeps its own bytes, reserved fields included.
    QCOMPARE(m_fixture->products(), products.at(1) + products.at(2) + products.at(3));
    QCOMPARE(m_fixture->session->productCount(), 3);
    QCOMPARE(m_fixture->session->files().file(ProductChannel)->count(), 3);
}

void DeleteProductsTest::allAtOnce() {
    const QList<QByteArray> products = fiveProducts();
    m_fixture->open(products);
    m_fixture->dialogs.expectMessage(ConfirmEach, Answer::No);
    m_fixture->dialogs.expectMessage(DeleteSelected, Answer::Yes);
    QCOMPARE(remove({2, 4}), DeletionOutcome::ProductsLeft);
    QCOMPARE(m_fixture->lastBox().message.title, QStringLiteral("Confirm"));
    QCOMPARE(m_fixture->lastBox().message.icon, Dialogs::Icon::Question);
    QCOMPARE(m_fixture->products(), products.at(0) + products.at(2) + products.at(4));
    QCOMPARE(m_fixture->session->productCount(), 3);
}

void DeleteProductsTest::singleProductAsksOnce() {
    const QList<QByteArray> products = fiveProducts();
    m_fixture->open(products);
    m_fixture->dialogs.expectMessage(DeleteSelected, Answer::Yes);
    QCOMPARE(remove({3}), DeletionOutcome::ProductsLeft);
    QCOMPARE(m_fixture->products(), products.mid(0, 2).join() + products.mid(3).join());
}

void DeleteProductsTest::entireList() {
    m_fixture->productFile = QStringLiteral("grocery.dat");
    m_fixture->open(fiveProducts(), {shoppingBytes("Eggs", "5.00", "1", "Dairy")});
    m_fixture->dialogs.expectMessage(DefaultWarning, Answer::Yes);
    m_fixture->dialogs.expectMessage(EntireList, Answer::Yes);
    m_fixture->dialogs.expectMessage(ConfirmEach, Answer::No);
    m_fixture->dialogs.expectMessage(DeleteSelected, Answer::Yes);
    QCOMPARE(remove({5, 4, 3, 2, 1}), DeletionOutcome::ListEmptied);
    const Dialogs::Message& entire = m_fixture->dialogs.shown().at(1).message;
    QCOMPARE(entire.title, QStringLiteral("Confirm"));
    QCOMPARE(entire.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(entire.icon, Dialogs::Icon::Exclamation);
    QCOMPARE(m_fixture->products(), QByteArray());
    QVERIFY(m_fixture->folder.exists(QStringLiteral("grocery.dat")));
    QCOMPARE(m_fixture->session->productCount(), 0);
    // The shopping list is not touched.
    QCOMPARE(m_fixture->shopping(), shoppingBytes("Eggs", "5.00", "1", "Dairy"));
    // The product list stays open for the products the user adds next.
    QVERIFY(m_fixture->session->files().file(ProductChannel)->isOpen());
}

void DeleteProductsTest::everyRefusalWritesNothing_data() {
    QTest::addColumn<QList<qint64>>("selected");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QList<int>>("answers");
    const int yes = int(Answer::Yes);
    const int no = int(Answer::No);
    const int cancel = int(Answer::Cancel);
    QTest::newRow("default list warning") << QList<qint64>{1} << QStringList{DefaultWarning} << QList<int>{no};
    QTest::newRow("entire list") << QList<qint64>{1, 2, 3, 4, 5} << QStringList{DefaultWarning, EntireList}
                                 << QList<int>{yes, no};
    QTest::newRow("confirm each cancelled")
        << QList<qint64>{1, 2} << QStringList{DefaultWarning, ConfirmEach} << QList<int>{yes, cancel};
    QTest::newRow("delete selected") << QList<qint64>{1, 2} << QStringList{DefaultWarning, ConfirmEach, DeleteSelected}
                                     << QList<int>{yes, no, no};
    QTest::newRow("each one kept") << QList<qint64>{2, 3}
                                   << QStringList{DefaultWarning, ConfirmEach, QStringLiteral("Delete Bread?"),
                                                  QStringLiteral("Delete Cheese?")}
                                   << QList<int>{yes, yes, no, no};
}

void DeleteProductsTest::everyRefusalWritesNothing() {
    QFETCH(QList<qint64>, selected);
    QFETCH(QStringList, questions);
    QFETCH(QList<int>, answers);
    m_fixture->productFile = QStringLiteral("grocery.dat");
    const QByteArray shopping = shoppingBytes("Eggs", "5.00", "1", "Dairy");
    m_fixture->open(fiveProducts(), {shopping});
    const QDateTime written = QFileInfo(m_fixture->folder.filePath(m_fixture->productFile)).lastModified();
    QTest::qWait(15);
    for (qsizetype i = 0; i < questions.size(); ++i)
        m_fixture->dialogs.expectMessage(questions.at(i), Answer(answers.at(i)));
    const DeletionOutcome after = remove(selected);
    QCOMPARE(after, questions.size() == 4 ? DeletionOutcome::ProductsLeft : DeletionOutcome::Nothing);
    QCOMPARE(m_fixture->products(), fiveProducts().join());
    QCOMPARE(QFileInfo(m_fixture->folder.filePath(m_fixture->productFile)).lastModified(), written);
    QCOMPARE(m_fixture->shopping(), shopping);
    QCOMPARE(m_fixture->session->productCount(), 5);
}

void DeleteProductsTest::fileUnwritableSinceOpening() {
    PermissionsEnforced enforced;
    m_fixture->open(fiveProducts());
    m_fixture->makeReadOnly(m_fixture->productFile);
    m_fixture->dialogs.expectMessage(DeleteSelected, Answer::Yes);
    m_fixture->dialogs.expectMessage(QStringLiteral("Could not save weekly.dat: the file is read-only"));
    QCOMPARE(remove({2}), DeletionOutcome::Nothing);
    QCOMPARE(m_fixture->lastBox().message.icon, Dialogs::Icon::Critical);
    QCOMPARE(m_fixture->lastBox().message.title, QStringLiteral("Pantrex"));
    QCOMPARE(m_fixture->products(), fiveProducts().join());
    QCOMPARE(m_fixture->session->productCount(), 5);
    QCOMPARE(m_fixture->session->files().file(ProductChannel)->count(), 5);
}

QTEST_GUILESS_MAIN(DeleteProductsTest)
#include "test_deleteproducts.moc"
