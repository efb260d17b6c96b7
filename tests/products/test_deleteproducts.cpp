// SPDX-License-Identifier: MIT
// Deleting products: the questions asked, in order, with their titles, buttons and icons. What the
// product file holds afterwards is the core's, tested in tests/core.
#include "productsfixture.h"

#include "products/deleteproducts.h"
#include "support/permissions.h"

#include <QDateTime>
#include <QFileInfo>

using namespace pantrex;
using namespace pantrex::testing;
using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;

namespace {

const QString DefaultWarning =
    QStringLiteral("This is the default master list and is used for any shopping lists that do not have their own "
                   "master list.  Deletions here may affect other lists, now and in the future.  Do you wish to "
                   "proceed??");
const QString EntireList =
    QStringLiteral("This will wipe out this ENTIRE master product list.  Is that what you want to do??");
const QString ConfirmEach = QStringLiteral("Do you wish to confirm each item for deletion?");
const QString DeleteSelected = QStringLiteral("Delete selected item(s)?");

// Each question's box; the question for one product ("Delete Apples?") looks as "Delete selected item(s)?".
void compareBox(const Dialogs::Message& box) {
    const bool warning = box.text == DefaultWarning;
    QCOMPARE(box.title, warning                   ? QStringLiteral("WARNING!")
                        : box.text == ConfirmEach ? QStringLiteral("?")
                                                  : QStringLiteral("Confirm"));
    QCOMPARE(box.buttons, box.text == ConfirmEach ? Buttons::YesNoCancel : Buttons::YesNo);
    QCOMPARE(box.icon, warning || box.text == EntireList ? Icon::Exclamation : Icon::Question);
}

} // namespace

class DeleteProductsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void nothingInAnEmptyList();
    void nothingSelected();
    void questions_data();
    void questions();
    void defaultListWarningOnce();
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
}

void DeleteProductsTest::questions_data() {
    QTest::addColumn<bool>("defaultList");
    QTest::addColumn<QList<qint64>>("selected");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("left");
    const int yes = int(Answer::Yes);
    const int no = int(Answer::No);
    const int cancel = int(Answer::Cancel);
    const int productsLeft = int(DeletionOutcome::ProductsLeft);
    const int nothing = int(DeletionOutcome::Nothing);
    // Asked in file order, whatever the order of the rows.
    QTest::newRow("one by one") << false << QList<qint64>{4, 1, 5}
                                << QStringList{ConfirmEach, "Delete Apples?", "Delete Dates?", "Delete Eggs?"}
                                << QList<int>{yes, yes, no, yes} << productsLeft << 3;
    QTest::newRow("all at once") << false << QList<qint64>{2, 4} << QStringList{ConfirmEach, DeleteSelected}
                                 << QList<int>{no, yes} << productsLeft << 3;
    QTest::newRow("single product asks once")
        << false << QList<qint64>{3} << QStringList{DeleteSelected} << QList<int>{yes} << productsLeft << 4;
    QTest::newRow("entire list") << true << QList<qint64>{5, 4, 3, 2, 1}
                                 << QStringList{DefaultWarning, EntireList, ConfirmEach, DeleteSelected}
                                 << QList<int>{yes, yes, no, yes} << int(DeletionOutcome::ListEmptied) << 0;
    // Every refusal writes nothing.
    QTest::newRow("default list warning refused")
        << true << QList<qint64>{1} << QStringList{DefaultWarning} << QList<int>{no} << nothing << 5;
    QTest::newRow("entire list refused") << true << QList<qint64>{1, 2, 3, 4, 5}
                                         << QStringList{DefaultWarning, EntireList} << QList<int>{yes, no} << nothing
                                         << 5;
    QTest::newRow("confirm each cancelled") << true << QList<qint64>{1, 2} << QStringList{DefaultWarning, ConfirmEach}
                                            << QList<int>{yes, cancel} << nothing << 5;
    QTest::newRow("delete selected refused")
        << true << QList<qint64>{1, 2} << QStringList{DefaultWarning, ConfirmEach, DeleteSelected}
        << QList<int>{yes, no, no} << nothing << 5;
    QTest::newRow("each one kept") << true << QList<qint64>{2, 3}
                                   << QStringList{DefaultWarning, ConfirmEach, "Delete Bread?", "Delete Cheese?"}
                                   << QList<int>{yes, yes, no, no} << productsLeft << 5;
}

void DeleteProductsTest::questions() {
    QFETCH(bool, defaultList);
    QFETCH(QList<qint64>, selected);
    QFETCH(QStringList, questions);
    QFETCH(QList<int>, answers);
    QFETCH(int, outcome);
    QFETCH(int, left);
    if (defaultList)
        m_fixture->productFile = QStringLiteral("grocery.dat");
    m_fixture->open(fiveProducts());
    const QDateTime written = QFileInfo(m_fixture->folder.filePath(m_fixture->productFile)).lastModified();
    QTest::qWait(15);
    for (qsizetype i = 0; i < questions.size(); ++i)
        m_fixture->dialogs.expectMessage(questions.at(i), Answer(answers.at(i)));
    QCOMPARE(int(remove(selected)), outcome);
    for (const ScriptedDialogs::Shown& box : m_fixture->dialogs.shown())
        compareBox(box.message);
    QCOMPARE(m_fixture->session->productCount(), left);
    if (left == 5) {
        QCOMPARE(m_fixture->products(), fiveProducts().join());
        QCOMPARE(QFileInfo(m_fixture->folder.filePath(m_fixture->productFile)).lastModified(), written);
    }
}

void DeleteProductsTest::defaultListWarningOnce() {
    m_fixture->productFile = QStringLiteral("grocery.dat");
    m_fixture->open(fiveProducts());
    m_fixture->dialogs.expectMessage(DefaultWarning, Answer::Yes);
    m_fixture->dialogs.expectMessage(DeleteSelected, Answer::Yes);
    QCOMPARE(remove({1}), DeletionOutcome::ProductsLeft);
    // The second deletion from the same list goes straight to the confirmation.
    m_fixture->dialogs.expectMessage(DeleteSelected, Answer::Yes);
    QCOMPARE(remove({1}), DeletionOutcome::ProductsLeft);
    QCOMPARE(m_fixture->session->productCount(), 3);
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
    QCOMPARE(m_fixture->session->productCount(), 5);
}

QTEST_GUILESS_MAIN(DeleteProductsTest)
#include "test_deleteproducts.moc"
