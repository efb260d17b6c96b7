// SPDX-License-Identifier: MIT
// Products out to comma-separated values and back in, as other programs write them: what the user
// is told and what lands in the product file.
#include "core/productcsv.h"
#include "core/session.h"
#include "support/permissions.h"
#include "support/productrecords.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

QByteArray joined(const QList<QByteArray>& records) {
    QByteArray bytes;
    for (const QByteArray& record : records)
        bytes += record;
    return bytes;
}

} // namespace

class CsvTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exportRows_data();
    void exportRows();
    void exportRefusesDataFiles();
    void import_data();
    void import();
    void refusedFiles_data();
    void refusedFiles();
    void nothingWrittenOnFailure_data();
    void nothingWrittenOnFailure();
};

void CsvTest::exportRows_data() {
    QTest::addColumn<QByteArray>("products");
    QTest::addColumn<QByteArray>("csv");

    QTest::newRow("empty list") << QByteArray() << QByteArray("name,price,category,high_fat,high_carb\r\n");
    QTest::newRow("file order, flags, display price")
        << joined({productBytes("Milk", "2.49", "Dairy", "1", " "), productBytes("Apples", ".99", "Fruit", " ", "1")})
        << QByteArray(
               "name,price,category,high_fat,high_carb\r\nMilk,2.49,Dairy,yes,no\r\nApples,.99,Fruit,no,yes\r\n");
    QTest::newRow("quotes, commas and the code page")
        << joined({productBytes("Eggs, \"Large\"", "3", "Caf\xE9", " ", " ")})
        << QByteArray("name,price,category,high_fat,high_carb\r\n\"Eggs, \"\"Large\"\"\",3.00,Caf\xC3\xA9,no,no\r\n");
}

void CsvTest::exportRows() {
    QFETCH(QByteArray, products);
    QFETCH(QByteArray, csv);
    TestFolder folder;
    folder.write(QStringLiteral("grocery.dat"), products);
    Session session(folder.path());
    QVERIFY(!exportProductsCsv(session, folder.filePath(QStringLiteral("out.csv"))));
    QCOMPARE(folder.read(QStringLiteral("out.csv")), csv);
    QCOMPARE(folder.read(QStringLiteral("grocery.dat")), products);
}

// A data file of the working folder is never replaced by an export.
void CsvTest::exportRefusesDataFiles() {
    TestFolder folder;
    const QByteArray products = productBytes("Milk");
    folder.write(QStringLiteral("grocery.dat"), products);
    Session session(folder.path());
    QVERIFY(exportProductsCsv(session, folder.filePath(QStringLiteral("grocery.dat"))));
    QVERIFY(exportProductsCsv(session, folder.filePath(QStringLiteral("party.LST"))));
    QCOMPARE(folder.read(QStringLiteral("grocery.dat")), products);
    QCOMPARE(folder.files(), QStringList{QStringLiteral("grocery.dat")});
}

void CsvTest::import_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QByteArray>("added");
    QTest::addColumn<QString>("summary");

    const QByteArray milk = productBytes("MILK", "1.00", "Dairy");
    // A spreadsheet's "Save as CSV" in a language with a decimal comma: ";" between the fields, a
    // byte order mark, CRLF, names in quotes with the quotes inside doubled, an empty last column.
    QTest::newRow("spreadsheet with semicolons")
        << milk
        << QByteArray("\xEF\xBB\xBFName;Price;Category;High fat;High carb\r\n"
                      "\"eggs, large\";2,49;dairy;x;\r\n"
                      "\"say \"\"cheese\"\"\";1;;no;YES\r\n"
                      "milk;3;Dairy;;\r\n"
                      ";;;;\r\n")
        << joined({productBytes("Eggs, Large", "2.49", "Dairy", "1", " "),
                   productBytes("Say \"cheese\"", "1.00", "Miscellaneous", " ", "1")})
        << QStringLiteral("Added 2 products; 1 was already there.");
    QTest::newRow("tabs, headers reordered, LF")
        << QByteArray() << QByteArray("high_carb\tCATEGORY\tprice\tname\n1\tfrozen foods\t 12 \tpeas\n")
        << productBytes("Peas", "12.00", "Frozen Foods", " ", "1") << QStringLiteral("Added 1 product.");
    QTest::newRow("line breaks in quotes keep the line numbers")
        << QByteArray()
        << QByteArray("name,price,notes\r\nBread,2,\"baked\r\nfresh\r\ndaily\"\r\n\r\n,3,\nTea,abc,\"x\ny\"\nTea,1\n")
        << productBytes("Bread", "2.00", "Miscellaneous") + productBytes("Tea", "1.00", "Miscellaneous")
        << QStringLiteral("Added 2 products; 2 lines were refused (line 6: the name is empty; line 7: price \"abc\" is "
                          "not a number).");
    QTest::newRow("a name twice, another case")
        << QByteArray() << QByteArray("name,price\nBread,1\nBREAD ,2\nbread,3\n")
        << productBytes("Bread", "1.00", "Miscellaneous") << QStringLiteral("Added 1 product; 2 were already there.");
    QTest::newRow("what does not fit")
        << QByteArray()
        << QByteArray("name,price,category,high_fat\n" + QByteArray(41, 'a') + ",1,,\n" + QByteArray(40, 'b') +
                      ",1,,\nCoffee \xE2\x98\x95,1,,\nTea,1," + QByteArray(26, 'c') +
                      ",\nOil,1234.5,,\nJam,1,,maybe\n"
                      "Fig\x01,1,,\n\xFF\xFE,1,,\n")
        << productBytes("B" + QByteArray(39, 'b'), "1.00", "Miscellaneous")
        << QStringLiteral(
               "Added 1 product; 7 lines were refused (line 2: the name \"A%1\" does not fit in 40 characters; "
               "line 4: the name \"Coffee \u2615\" holds \"\u2615\", which the product list cannot store; "
               "line 5: the category \"C%2\" does not fit in 25 characters; line 6: price \"1234.5\" does "
               "not fit in 6 characters (1234.50); line 7: high_fat \"maybe\" is not yes or no; line 8: the "
               "name is not text; line 9: the name is not text).")
               .arg(QString(40, QLatin1Char('a')), QString(25, QLatin1Char('c')));
    QTest::newRow("nothing new") << milk << QByteArray("name,price\nMilk,1\n") << QByteArray()
                                 << QStringLiteral("Added no products; 1 was already there.");
}

void CsvTest::import() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, csv);
    QFETCH(QByteArray, added);
    QFETCH(QString, summary);
    TestFolder folder;
    folder.write(QStringLiteral("grocery.dat"), before);
    Session session(folder.path());
    QVERIFY(session.openProductList(QStringLiteral("grocery.dat")));
    QSignalSpy changed(&session, &Session::productsChanged);

    const CsvImportPlan plan = planCsvImport(session, csv);
    QVERIFY(!plan.refused);
    QCOMPARE(folder.read(QStringLiteral("grocery.dat")), before);
    QVERIFY(!commitCsvImport(session, plan));
    QCOMPARE(plan.summary(CsvImportPlan::Tense::Done), summary);
    QCOMPARE(folder.read(QStringLiteral("grocery.dat")), before + added);
    QCOMPARE(changed.count(), added.isEmpty() ? 0 : 1);
    QCOMPARE(session.productCount(), (before.size() + added.size()) / ProductRecord::Length);
}

void CsvTest::refusedFiles_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no price column") << QByteArray("name,category\nMilk,Dairy\n");
    QTest::newRow("not text") << QByteArray("\x00\x01\x02\xFF\n\x00", 6);
}

void CsvTest::refusedFiles() {
    QFETCH(QByteArray, csv);
    TestFolder folder;
    Session session(folder.path());
    const CsvImportPlan plan = planCsvImport(session, csv);
    QVERIFY(plan.refused);
    QVERIFY(!commitCsvImport(session, plan));
    QVERIFY(!folder.exists(QStringLiteral("grocery.dat")) || folder.read(QStringLiteral("grocery.dat")).isEmpty());
}

void CsvTest::nothingWrittenOnFailure_data() {
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::newRow("read-only folder") << true;
    QTest::newRow("changed by another program") << false;
}

// The additions are one rewrite: a failure leaves the product file as it was, with nothing beside it.
void CsvTest::nothingWrittenOnFailure() {
    QFETCH(bool, readOnlyFolder);
    TestFolder folder;
    const QByteArray before = productBytes("Milk");
    folder.write(QStringLiteral("grocery.dat"), before);
    Session session(folder.path());
    const CsvImportPlan plan = planCsvImport(session, "name,price\nBread,1\nTea,2\n");
    QCOMPARE(plan.additions.size(), 2);

    QByteArray expected = before;
    std::optional<Notice> failure;
    if (readOnlyFolder) {
        const PermissionsEnforced enforced;
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        failure = commitCsvImport(session, plan);
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    } else {
        expected += productBytes("Jam");
        folder.write(QStringLiteral("grocery.dat"), expected);
        failure = commitCsvImport(session, plan);
    }
    QVERIFY(failure);
    QCOMPARE(folder.read(QStringLiteral("grocery.dat")), expected);
    QCOMPARE(folder.files(), QStringList{QStringLiteral("grocery.dat")});
}

QTEST_GUILESS_MAIN(CsvTest)
#include "test_csv.moc"
