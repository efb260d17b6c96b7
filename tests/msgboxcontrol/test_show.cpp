// SPDX-License-Identifier: MIT
// MsgBox::Show from a host's side: the box it puts up for its arguments and the control's
// properties, and the answer it returns.

#include "boxdriver.h"
#include "pictures.h"
#include "twips.h"

#include "notiva/msgbox.h"

#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>

using namespace Notiva;
using namespace Qt::StringLiterals;

namespace {

QLabel* label(QDialog* box, const QString& name) {
    return box->findChild<QLabel*>(name);
}

QPushButton* command(QDialog* box, int number) {
    return box->findChild<QPushButton*>(u"Command%1"_s.arg(number));
}

QList<QPushButton*> visibleButtons(QDialog* box) {
    QList<QPushButton*> buttons;
    for (int n = 1; n <= 5; ++n) {
        if (command(box, n)->isVisible())
            buttons.append(command(box, n));
    }
    return buttons;
}

// Presses the leftmost visible button, so a test that has looked at the box can let Show return.
void pressFirst(QDialog* box) {
    QTest::mouseClick(visibleButtons(box).first(), Qt::LeftButton);
}

QColor pixelAt(QDialog* box, int x, int y) {
    return QColor(box->grab().toImage().pixel(x, y));
}

} // namespace

class TestShow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void returnsPressedButton_data();
    void returnsPressedButton();
    void plainBoxWithDefaults();
    void pictureMovesTextAndButtons();
    void alignment_data();
    void alignment();
    void messageTakesForeColorAndFont();
    void shadowOffset_data();
    void shadowOffset();
    void gradientWithShadow();
    void flatBackgroundWithShadow();
    void propertiesReadAtEachCall();
    void allowedCloseReturnsMinusOne();
    void refusedCloseLeavesBoxOpen();
    void outOfRangeArgumentsRefused_data();
    void outOfRangeArgumentsRefused();
    void secondBoxOnThreadRefused();
    void everyPictureIsDrawn();
};

void TestShow::returnsPressedButton_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << int(btnOKOnly) << 5 << int(mbeOK);
    QTest::newRow("Cancel") << int(btnOKCancel) << 5 << int(mbeCancel);
    QTest::newRow("Ignore") << int(btnAbortRetryCancel) << 5 << int(mbeIgnore);
    QTest::newRow("No") << int(btnYesNo) << 5 << int(mbeNo);
    QTest::newRow("Yes to All") << int(btnYesYesToAllNoCancel) << 3 << int(mbeYesToAll);
    QTest::newRow("Yes of five") << int(btnYesYesToAllNoNoToAllCancel) << 1 << int(mbeYes);
    QTest::newRow("Keep All") << int(btnRemoveRemoveAllKeepKeepAll) << 5 << int(mbeKeepAll);
}

void TestShow::returnsPressedButton() {
    QFETCH(int, group);
    QFETCH(int, button);
    QFETCH(int, result);
    MsgBox control;
    BoxDriver driver([button](QDialog* box) { QTest::mouseClick(command(box, button), Qt::LeftButton); });
    QCOMPARE(control.Show(u"Go on?"_s, group), result);
    QVERIFY(driver.acted());
    QCOMPARE(BoxDriver::openBox(), nullptr);
}

void TestShow::plainBoxWithDefaults() {
    QWidget host;
    auto* control = new MsgBox(&host);
    BoxDriver driver([](QDialog* box) {
        QVERIFY(label(box, u"Picture1"_s)->isHidden());
        QCOMPARE(Twips::geometry(label(box, u"lblMessage"_s)).left(), 100.0);
        QCOMPARE(Twips::geometry(label(box, u"lblMessage"_s)).width(), 5355.0);
        QCOMPARE(label(box, u"lblMessage"_s)->text(), u"Hello"_s);
        QVERIFY(label(box, u"lblShadow"_s)->isHidden());
        const QList<QPushButton*> buttons = visibleButtons(box);
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons[0]->text(), u"&OK"_s);
        QCOMPARE(Twips::geometry(buttons[0]).left(), 2280.0);
        QVERIFY(!box->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(box->windowTitle(), QString());
        QCOMPARE(box->size(), QSize(373, 136));
        pressFirst(box);
    });
    QCOMPARE(control->Show(u"Hello"_s, btnOKOnly), int(mbeOK));
    QVERIFY(driver.acted());
}

void TestShow::pictureMovesTextAndButtons() {
    MsgBox control;
    BoxDriver driver([](QDialog* box) {
        QLabel* picture = label(box, u"Picture1"_s);
        QVERIFY(picture->isVisible());
        QCOMPARE(picture->pixmap().size(), QSize(53, 53));
        QCOMPARE(picture->accessibleName(), u"Question"_s);
        QCOMPARE(picture->pixmap().toImage(), Pictures::pixmap(icnQuestion1).toImage());
        QCOMPARE(Twips::geometry(picture).topLeft(), QPointF(120, 120));
        QCOMPARE(Twips::geometry(label(box, u"lblMessage"_s)).left(), 1065.0);
        QCOMPARE(Twips::geometry(label(box, u"lblMessage"_s)).width(), 4390.0);
        QCOMPARE(Twips::geometry(label(box, u"lblShadow"_s)).width(), 4390.0);
        QList<double> lefts;
        for (QPushButton* button : visibleButtons(box))
            lefts.append(Twips::geometry(button).left());
        QCOMPARE(lefts, (QList<double>{1700, 2780, 3860}));
        QCOMPARE(box->windowTitle(), u"Delete"_s);
        pressFirst(box);
    });
    QCOMPARE(control.Show(u"Delete it?"_s, btnYesNoCancel, u"Delete"_s, icnQuestion1), int(mbeYes));
}

void TestShow::alignment_data() {
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("flag");
    QTest::newRow("left") << int(vbLeftJustify) << int(Qt::AlignLeft);
    QTest::newRow("right") << int(vbRightJustify) << int(Qt::AlignRight);
    QTest::newRow("centred") << int(vbCenter) << int(Qt::AlignHCenter);
}

void TestShow::alignment() {
    QFETCH(int, alignment);
    QFETCH(int, flag);
    MsgBox control;
    control.setShadow(true);
    BoxDriver driver([flag](QDialog* box) {
        for (const QString& name : {u"lblMessage"_s, u"lblShadow"_s})
            QCOMPARE(int(label(box, name)->alignment() & Qt::AlignHorizontal_Mask), flag);
        pressFirst(box);
    });
    control.Show(u"Aligned"_s, btnOKOnly, QString(), icnNone, alignment);
    QVERIFY(driver.acted());
}

void TestShow::messageTakesForeColorAndFont() {
    QFont font(u"DejaVu Serif"_s);
    font.setPointSizeF(11);
    font.setBold(true);
    font.setItalic(true);
    font.setUnderline(true);
    font.setStrikeOut(true);
    MsgBox control;
    control.setForeColor(0x0000FF); // red
    control.setFontObject(font);
    BoxDriver driver([font](QDialog* box) {
        QLabel* message = label(box, u"lblMessage"_s);
        QCOMPARE(message->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(message->font(), font);
        QCOMPARE(label(box, u"lblShadow"_s)->font(), font);
        QCOMPARE(label(box, u"lblShadow"_s)->text(), u"Styled"_s);
        pressFirst(box);
    });
    control.Show(u"Styled"_s, btnOKOnly);
    QVERIFY(driver.acted());
}

void TestShow::shadowOffset_data() {
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("icon");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::newRow("12 points") << 12.0 << 0 << 118.0 << 138.0;
    QTest::newRow("8.25 points") << 8.25 << 0 << 112.0 << 132.0;
    QTest::newRow("9 points") << 9.0 << 0 << 113.5 << 133.5;
    QTest::newRow("12 points beside a picture") << 12.0 << 27 << 1083.0 << 138.0;
}

void TestShow::shadowOffset() {
    QFETCH(double, points);
    QFETCH(int, icon);
    QFETCH(double, left);
    QFETCH(double, top);
    QFont font(u"DejaVu Sans"_s);
    font.setPointSizeF(points);
    MsgBox control;
    control.setFontObject(font);
    control.setShadow(true);
    BoxDriver driver([left, top](QDialog* box) {
        QLabel* shadow = label(box, u"lblShadow"_s);
        QVERIFY(shadow->isVisible());
        QCOMPARE(Twips::geometry(shadow).topLeft(), QPointF(left, top));
        pressFirst(box);
    });
    control.Show(u"Shadowed"_s, btnOKOnly, QString(), icon);
    QVERIFY(driver.acted());
}

void TestShow::gradientWithShadow() {
    MsgBox control;
    control.setBackColor(0xFFFFFF);
    control.setGradientEndColor(0x000000);
    control.setGradient(true);
    control.setShadow(true);
    BoxDriver driver([](QDialog* box) {
        QCOMPARE(label(box, u"lblShadow"_s)->palette().color(QPalette::WindowText), QColor(231, 231, 231));
        QCOMPARE(pixelAt(box, 370, 0), QColor(255, 255, 255));
        QVERIFY(qGray(pixelAt(box, 370, 135).rgb()) <= 3);
        pressFirst(box);
    });
    control.Show(u"Fading"_s, btnOKOnly);
    QVERIFY(driver.acted());
}

void TestShow::flatBackgroundWithShadow() {
    MsgBox control;
    control.setBackColor(0x0AC832); // RGB(50, 200, 10)
    control.setShadow(true);
    BoxDriver driver([](QDialog* box) {
        QCOMPARE(label(box, u"lblShadow"_s)->palette().color(QPalette::WindowText), QColor(0, 104, 0));
        QCOMPARE(pixelAt(box, 370, 0), QColor(50, 200, 10));
        QCOMPARE(pixelAt(box, 370, 135), QColor(50, 200, 10));
        pressFirst(box);
    });
    control.Show(u"Green"_s, btnOKOnly);
    QVERIFY(driver.acted());
}

void TestShow::propertiesReadAtEachCall() {
    MsgBox control;
    for (const uint colour : {0x0000FFu, 0xFF0000u}) {
        control.setBackColor(colour);
        QColor seen;
        BoxDriver driver([&seen](QDialog* box) {
            seen = pixelAt(box, 370, 0);
            pressFirst(box);
        });
        control.Show(u"Again"_s, btnOKOnly);
        QCOMPARE(seen, QColor(colour & 0xFF, (colour >> 8) & 0xFF, colour >> 16));
    }
}

void TestShow::allowedCloseReturnsMinusOne() {
    MsgBox control;
    BoxDriver driver([](QDialog* box) {
        QVERIFY(box->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(box->close());
    });
    QCOMPARE(control.Show(u"Close me"_s, btnYesNo, QString(), icnNone, vbLeftJustify, true), int(mbeClosed));
    QCOMPARE(int(mbeClosed), -1);
}

void TestShow::refusedCloseLeavesBoxOpen() {
    MsgBox control;
    bool stayedOpen = false;
    BoxDriver driver([&stayedOpen](QDialog* box) {
        stayedOpen = !box->close() && box->isVisible();
        QTest::mouseClick(command(box, 5), Qt::LeftButton);
    });
    QCOMPARE(control.Show(u"Answer me"_s, btnYesNo), int(mbeNo));
    QVERIFY(stayedOpen);
}

void TestShow::outOfRangeArgumentsRefused_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QString>("warning");
    QTest::newRow("group -1") << -1 << 0 << 0 << u"ButtonGroup -1"_s;
    QTest::newRow("group 16") << 16 << 0 << 0 << u"ButtonGroup 16"_s;
    QTest::newRow("icon -1") << 0 << -1 << 0 << u"Icon -1"_s;
    QTest::newRow("icon 31") << 0 << 31 << 0 << u"Icon 31"_s;
    QTest::newRow("alignment 3") << 0 << 0 << 3 << u"Alignment 3"_s;
    QTest::newRow("alignment -1") << 0 << 0 << -1 << u"Alignment -1"_s;
}

void TestShow::outOfRangeArgumentsRefused() {
    QFETCH(int, group);
    QFETCH(int, icon);
    QFETCH(int, alignment);
    QFETCH(QString, warning);
    MsgBox control;
    BoxDriver driver([](QDialog* box) { box->done(0); });
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Notiva: MsgBox::Show refused: "_s + warning + u" "_s));
    QCOMPARE(control.Show(u"Never shown"_s, group, QString(), icon, alignment), int(mbeRefused));
    QTest::qWait(20);
    QVERIFY(!driver.acted());
}

void TestShow::secondBoxOnThreadRefused() {
    MsgBox control;
    MsgBox other;
    int nested = 0;
    BoxDriver driver([&](QDialog* box) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"already open"_s));
        nested = other.Show(u"Me too"_s, btnOKOnly);
        pressFirst(box);
    });
    QCOMPARE(control.Show(u"First"_s, btnOKOnly), int(mbeOK));
    QCOMPARE(nested, int(mbeRefused));
    // The thread is free again afterwards.
    BoxDriver again([](QDialog* box) { pressFirst(box); });
    QCOMPARE(other.Show(u"Now"_s, btnOKCancel), int(mbeOK));
}

void TestShow::everyPictureIsDrawn() {
    QSet<QByteArray> seen;
    for (int icon = icnDanger1; icon <= icnNews2; ++icon) {
        const QImage image = Pictures::pixmap(icon).toImage();
        QCOMPARE(image.size(), QSize(53, 53));
        int painted = 0;
        for (int y = 0; y < 53; ++y) {
            for (int x = 0; x < 53; ++x)
                painted += qAlpha(image.pixel(x, y)) > 0;
        }
        QVERIFY2(painted > 400, qPrintable(Pictures::resourcePath(icon)));
        seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    QCOMPARE(seen.size(), 30);
    QVERIFY(Pictures::pixmap(icnNone).isNull());
    QVERIFY(Pictures::pixmap(31).isNull());
}

QTEST_MAIN(TestShow)
#include "test_show.moc"
