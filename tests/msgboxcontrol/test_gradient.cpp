// SPDX-License-Identifier: MIT
// The background gradient's bands and the rounding they use, and how a painted box looks.

#include "colours.h"
#include "gradient.h"
#include "messageform.h"

#include <QTest>

using namespace Notiva;

namespace {

struct Rgb {
    int r, g, b;
};

Rgb channelsOf(qint32 rgb) {
    return {rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF};
}

} // namespace

class TestGradient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void whiteToBlackBands_data();
    void whiteToBlackBands();
    void whiteToBlackRunsDown();
    void colouredBands_data();
    void colouredBands();
    void heightNotMultipleOfTen();
    void paintedBoxRunsFromTopToBottomColour();
};

void TestGradient::roundsHalvesToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("252.5") << 252.5 << 252;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("2.49") << 2.49 << 2;
    QTest::newRow("2.51") << 2.51 << 3;
}

void TestGradient::roundsHalvesToEven() {
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

void TestGradient::whiteToBlackBands_data() {
    // 255 less 1.25 per band, halves to even.
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("grey");
    QTest::newRow("first") << 0 << 255;
    QTest::newRow("253.75") << 1 << 254;
    QTest::newRow("252.5") << 2 << 252;
    QTest::newRow("251.25") << 3 << 251;
    QTest::newRow("247.5") << 6 << 248;
    QTest::newRow("242.5") << 10 << 242;
    QTest::newRow("127.5") << 102 << 128;
    QTest::newRow("1.25") << 203 << 1;
    QTest::newRow("last") << 204 << 0;
}

void TestGradient::whiteToBlackBands() {
    QFETCH(int, band);
    QFETCH(int, grey);
    const QList<GradientBand> bands = gradientBands(0xFFFFFF, 0x000000, 2040);
    QCOMPARE(bands.size(), 205);
    QCOMPARE(bands[band].y, band * 10);
    QCOMPARE(bands[band].rgb, rgbValue(grey, grey, grey));
}

void TestGradient::whiteToBlackRunsDown() {
    const QList<GradientBand> bands = gradientBands(0xFFFFFF, 0x000000, 2040);
    for (int i = 1; i < bands.size(); ++i) {
        const Rgb before = channelsOf(bands[i - 1].rgb);
        const Rgb now = channelsOf(bands[i].rgb);
        QVERIFY(now.r <= before.r && before.r - now.r <= 2);
        QCOMPARE(now.g, now.r);
        QCOMPARE(now.b, now.r);
    }
}

void TestGradient::colouredBands_data() {
    // From RGB(0, 255, 51) to RGB(204, 153, 0) over 2040 twips: steps of 1, -0.5 and -0.25 per band.
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("first") << 0 << 0 << 255 << 51;
    QTest::newRow("254.5, 50.75") << 1 << 1 << 254 << 51;
    QTest::newRow("254, 50.5") << 2 << 2 << 254 << 50;
    QTest::newRow("253.5, 50.25") << 3 << 3 << 254 << 50;
    QTest::newRow("252, 49.5") << 6 << 6 << 252 << 50;
    QTest::newRow("middle") << 102 << 102 << 204 << 26;
    QTest::newRow("last") << 204 << 204 << 153 << 0;
}

void TestGradient::colouredBands() {
    QFETCH(int, band);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    const QList<GradientBand> bands = gradientBands(rgbValue(0, 255, 51), rgbValue(204, 153, 0), 2040);
    QCOMPARE(bands.size(), 205);
    const Rgb got = channelsOf(bands[band].rgb);
    QCOMPARE(got.r, red);
    QCOMPARE(got.g, green);
    QCOMPARE(got.b, blue);
}

void TestGradient::heightNotMultipleOfTen() {
    // The last band stands at 2040 and stops short of black by less than one step (2550 / 2045).
    const QList<GradientBand> bands = gradientBands(0xFFFFFF, 0x000000, 2045);
    QCOMPARE(bands.size(), 205);
    QCOMPARE(bands.last().y, 2040);
    const int lastGrey = channelsOf(bands.last().rgb).r;
    QVERIFY(lastGrey > 0);
    QVERIFY(lastGrey <= 2);
}

void TestGradient::paintedBoxRunsFromTopToBottomColour() {
    MessageForm form(false);
    form.setBackColor(0xFFFFFF);
    form.setGradient(true);
    form.setGradientEndColor(0x000000);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage image = form.grab().toImage();
    const int x = image.width() - 3; // right of the text
    QCOMPARE(QColor(image.pixel(x, 0)), QColor(255, 255, 255));
    QVERIFY(qGray(image.pixel(x, image.height() - 1)) <= 3);
    QVERIFY(qAbs(qGray(image.pixel(x, image.height() / 2)) - 128) <= 3);
    for (int y = 1; y < image.height(); ++y)
        QVERIFY(qGray(image.pixel(x, y)) <= qGray(image.pixel(x, y - 1)));
}

QTEST_MAIN(TestGradient)
#include "test_gradient.moc"
