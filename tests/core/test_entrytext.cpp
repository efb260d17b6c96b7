// SPDX-License-Identifier: MIT
// What the product entry dialog makes of typed names, prices and quantities.
#include "core/entrytext.h"

#include <QTest>

using namespace pantrex;

class EntryTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void priceCheck_data();
    void priceCheck();
    void capitalisedWords_data();
    void capitalisedWords();
    void quantities_data();
    void quantities();
};

void EntryTextTest::priceCheck_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole") << "5" << true << "5.00";
    QTest::newRow("cents") << "2.49" << true << "2.49";
    QTest::newRow("no leading zero") << ".5" << true << ".50";
    QTest::newRow("zero") << "0" << true << ".00";
    QTest::newRow("point only") << "." << true << ".00";
    QTest::newRow("blanks around") << " 12 " << true << "12.00";
    QTest::newRow("blank inside") << "1 2" << true << "12.00";
    QTest::newRow("rounded") << "2.499" << true << "2.50";
    QTest::newRow("four digits") << "1234" << true << "1234.00";
    QTest::newRow("largest whole") << "999.99" << true << "999.99";
    QTest::newRow("two points") << "12.5.0" << false << "";
    QTest::newRow("minus") << "-3" << false << "";
    QTest::newRow("plus") << "+3" << false << "";
    QTest::newRow("comma") << "2,49" << false << "";
    QTest::newRow("letter") << "2a" << false << "";
    QTest::newRow("dollar") << "$2" << false << "";
    QTest::newRow("letter then point") << "a." << false << "";
    QTest::newRow("tab") << "\t2" << false << "";
    QTest::newRow("euro sign") << QStringLiteral("2\u20ac") << false << "";
    QTest::newRow("arabic digit") << QStringLiteral("\u0663") << false << "";
}

void EntryTextTest::priceCheck() {
    QFETCH(QString, entry);
    QFETCH(bool, accepted);
    QFETCH(QString, shown);
    QCOMPARE(priceEntryAccepted(entry), accepted);
    if (accepted)
        QCOMPARE(formatPriceEntry(entry), shown);
}

void EntryTextTest::capitalisedWords_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::newRow("words") << "low fat MILK"
                           << "Low Fat MILK";
    QTest::newRow("nothing lowered") << "fROZEN fOODS"
                                     << "FROZEN FOODS";
    QTest::newRow("leading blank") << " dairy"
                                   << " Dairy";
    QTest::newRow("two blanks") << "a  b"
                                << "A  B";
    QTest::newRow("hyphen is not a blank") << "half-and-half"
                                           << "Half-and-half";
    QTest::newRow("digits") << "2 percent"
                            << "2 Percent";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("accented") << QStringLiteral("\u00e9clair caf\u00e9") << QStringLiteral("\u00c9clair Caf\u00e9");
    // y with diaeresis has its capital in Windows-1252, micro sign's capital (Greek Mu) is not there.
    QTest::newRow("capital in code page") << QStringLiteral("\u00ffes") << QStringLiteral("\u0178es");
    QTest::newRow("capital not in code page") << QStringLiteral("\u00b5g salt") << QStringLiteral("\u00b5g Salt");
}

void EntryTextTest::capitalisedWords() {
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QCOMPARE(capwords(typed), result);
}

void EntryTextTest::quantities_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("number");
    QTest::newRow("whole") << "2" << true;
    QTest::newRow("decimal") << "1.5" << true;
    QTest::newRow("blanks") << " 3 " << true;
    QTest::newRow("zero") << "0" << true;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("unit") << "2kg" << false;
    QTest::newRow("negative") << "-2" << false;
    QTest::newRow("point only") << "." << false;
    QTest::newRow("two points") << "1.2.3" << false;
}

void EntryTextTest::quantities() {
    QFETCH(QString, answer);
    QFETCH(bool, number);
    QCOMPARE(quantityIsNumber(answer), number);
}

QTEST_GUILESS_MAIN(EntryTextTest)
#include "test_entrytext.moc"
