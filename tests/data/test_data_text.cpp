// SPDX-License-Identifier: MIT
#include "data/ansitext.h"
#include "data/displaysort.h"
#include "data/numbertext.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cfloat>

using namespace pantrex;

class TestDataText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyByteSurvivesARoundTrip() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = fromAnsi(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            QCOMPARE(text.at(b).unicode(), b);
        QCOMPARE(pantrex::toAnsi(text), all);
    }

    void caseWithinTheCodePage() {
        QCOMPARE(pantrex::ansiLower("Caf\xc9 AU LAIT 12"), QByteArray("caf\xe9 au lait 12"));
        QCOMPARE(pantrex::ansiUpper("stra\xdf"
                                    "e \xff \x9a"),
                 QByteArray("STRA\xdf"
                            "E \x9f \x8a"));
        QCOMPARE(pantrex::ansiUpper(QByteArray("\0a", 2)), QByteArray("\0A", 2));
    }

    void toAnsi_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("code page") << QStringLiteral("\u20AC\u2019\u00E9") << QByteArray("\x80\x92\xE9");
        QTest::newRow("outside it") << QStringLiteral("a\u0100\u0080b") << QByteArray("a??b");
        QTest::newRow("beyond the BMP") << QStringLiteral("x\U0001F600y") << QByteArray("x?y");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
        QTest::newRow("a real 0x1A stays") << QStringLiteral("\x1A\u0100\x1A") << QByteArray("\x1A?\x1A");
    }
    void toAnsi() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(pantrex::toAnsi(text), bytes);
    }

    void numberValue_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("blanks anywhere") << QByteArray(" - 1 2\t.5") << -12.5;
        QTest::newRow("point first") << QByteArray("+.5") << 0.5;
        QTest::newRow("second point ends") << QByteArray("1.2.3") << 1.2;
        QTest::newRow("letters end") << QByteArray("12abc") << 12.0;
        QTest::newRow("no digits") << QByteArray("(2) ") << 0.0;
        QTest::newRow("no exponent") << QByteArray("1e3") << 1.0;
        QTest::newRow("no hex") << QByteArray("0x10") << 0.0;
        QTest::newRow("no comma") << QByteArray("1,5") << 1.0;
        QTest::newRow("sign and point only") << QByteArray("-.") << 0.0;
        QTest::newRow("one sign only") << QByteArray("+ -15") << 0.0;
        QTest::newRow("zero byte ends") << QByteArray(1, '4') + '\0' + '5' << 4.0;
        QTest::newRow("seventy whole digits") << QByteArray(" 1") + QByteArray(70, '0') + ".00" << 1e70;
        QTest::newRow("beyond a double") << QByteArray("-2") + QByteArray(308, '0') << -DBL_MAX;
        QTest::newRow("below a double") << QByteArray(".") + QByteArray(400, '0') + '1' << 0.0;
    }
    void numberValue() {
        QFETCH(QByteArray, text);
        QFETCH(double, value);
        QCOMPARE(pantrex::numberValue(text), value);
    }

    void numberForms_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("leadingBlank");
        QTest::addColumn<QByteArray>("plain");
        QTest::newRow("negative zero") << -0.0 << QByteArray(" 0") << QByteArray("0");
        QTest::newRow("minus half") << -0.5 << QByteArray("-.5") << QByteArray("-0.5");
        QTest::newRow("binary noise") << 0.1 + 0.2 << QByteArray(" .3") << QByteArray("0.3");
        QTest::newRow("integer") << 1200.0 << QByteArray(" 1200") << QByteArray("1200");
        QTest::newRow("third") << 1.0 / 3 << QByteArray(" .333333333333333") << QByteArray("0.333333333333333");
        QTest::newRow("15 digits") << 123456789012345.0 << QByteArray(" 123456789012345")
                                   << QByteArray("123456789012345");
        QTest::newRow("rounds to 1E+15") << 999999999999999.9 << QByteArray(" 1E+15") << QByteArray("1E+15");
        QTest::newRow("large") << -1234567890123456.0 << QByteArray("-1.23456789012346E+15")
                               << QByteArray("-1.23456789012346E+15");
        QTest::newRow("smallest plain") << 0.0001 << QByteArray(" .0001") << QByteArray("0.0001");
        QTest::newRow("small") << 1.5e-5 << QByteArray(" 1.5E-05") << QByteArray("1.5E-05");
        QTest::newRow("huge") << 1e300 << QByteArray(" 1E+300") << QByteArray("1E+300");
    }
    void numberForms() {
        QFETCH(double, value);
        QFETCH(QByteArray, leadingBlank);
        QFETCH(QByteArray, plain);
        QCOMPARE(leadingBlankForm(value), leadingBlank);
        QCOMPARE(plainForm(value), plain);
    }

    // Through the text overload, which reads the number first.
    void formatMoney_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("money");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("blanks") << QByteArray("  \t ") << QByteArray();
        QTest::newRow("never assigned") << QByteArray(6, '\0') << QByteArray();
        QTest::newRow("not a number") << QByteArray("abc") << QByteArray(".00");
        QTest::newRow("below one") << QByteArray(" .5 ") << QByteArray(".50");
        QTest::newRow("thousands") << QByteArray("1234.5") << QByteArray("1234.50");
        QTest::newRow("2.675") << QByteArray("2.675") << QByteArray("2.68");
        QTest::newRow("1.005") << QByteArray("1.005") << QByteArray("1.01");
        QTest::newRow("carry") << QByteArray("9.995") << QByteArray("10.00");
        QTest::newRow("half a cent") << QByteArray(".005") << QByteArray(".01");
        QTest::newRow("under half a cent") << QByteArray(".0049") << QByteArray(".00");
        QTest::newRow("negative") << QByteArray("-2.675") << QByteArray("-2.68");
        QTest::newRow("negative whole") << QByteArray("-12") << QByteArray("-12.00");
        QTest::newRow("negative to zero") << QByteArray("-.001") << QByteArray(".00");
        QTest::newRow("large") << QByteArray("1000000000000000") << QByteArray("1000000000000000.00");
    }
    void formatMoney() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, money);
        QCOMPARE(pantrex::formatMoney(QByteArrayView(text)), money);
    }

    // A number goes into a fixed field losing decimals at most; "" means it is refused.
    void fitNumberField_data() {
        QTest::addColumn<QByteArray>("form");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("fits") << QByteArray(" 2.49") << QByteArray(" 2.49");
        QTest::newRow("cents cut") << QByteArray(" 123.45") << QByteArray(" 123.4");
        QTest::newRow("all decimals cut") << QByteArray(" 1234.5") << QByteArray(" 1234.");
        QTest::newRow("point cut") << QByteArray("12345.6") << QByteArray("12345.");
        QTest::newRow("whole six") << QByteArray("999999") << QByteArray("999999");
        QTest::newRow("whole digits lost") << QByteArray(" 999999") << QByteArray();
        QTest::newRow("hundred times too small") << QByteArray(" 123450") << QByteArray();
        QTest::newRow("point past the field") << QByteArray(" 123456.5") << QByteArray();
        QTest::newRow("exponent") << QByteArray(" 1e+20") << QByteArray();
        QTest::newRow("exponent cut") << QByteArray(" 1.5e+20") << QByteArray();
        QTest::newRow("below plain digits") << QByteArray(" 1.5E-05") << QByteArray(" 0");
        QTest::newRow("below plain digits, plain form") << QByteArray("-6.3E-87") << QByteArray("0");
        QTest::newRow("exponent of nothing") << QByteArray("1E-00") << QByteArray();
    }
    void fitNumberField() {
        QFETCH(QByteArray, form);
        QFETCH(QByteArray, field);
        QCOMPARE(pantrex::fitNumberField(form, 6).value_or(QByteArray()), field);
    }

    // The order of the exchange sort the lists always had: passes of neighbour swaps until a
    // pass swaps nothing, comparing unsigned bytes.
    void displaySortMatchesExchangeSort() {
        using Item = std::pair<QByteArray, int>;
        const char alphabet[] = "aAb \x7f\x80\xe9\xff";
        QRandomGenerator random(1252);
        for (int round = 0; round < 20; ++round) {
            QList<Item> items;
            for (int id = 0; id < 60; ++id) {
                QByteArray key;
                for (int n = random.bounded(4); n > 0; --n)
                    key.append(alphabet[random.bounded(8)]);
                items.append({key, id});
            }
            QList<Item> expected = items;
            const auto after = [](const QByteArray& a, const QByteArray& b) {
                return std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                                    [](char x, char y) { return uchar(x) < uchar(y); });
            };
            for (bool swapped = true; swapped;) {
                swapped = false;
                for (qsizetype i = 0; i + 1 < expected.size(); ++i) {
                    if (after(expected[i].first, expected[i + 1].first)) {
                        std::swap(expected[i], expected[i + 1]);
                        swapped = true;
                    }
                }
            }
            displaySort(items, &Item::first);
            QCOMPARE(items, expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestDataText)
#include "test_data_text.moc"
