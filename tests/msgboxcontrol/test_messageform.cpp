// SPDX-License-Identifier: MIT
// The message form on its own: the button groups, their layout, the close rules, the shadow
// colour and the colour translation.

#include "colours.h"
#include "messageform.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Notiva;
using namespace Qt::StringLiterals;

using IntList = QList<int>;

namespace {

// A form as Show leaves it before showing: a group's buttons, a picture or none.
struct PreparedForm {
    explicit PreparedForm(int group, bool allowClose = false, int icon = 0) {
        form.reset(new MessageForm(allowClose));
        form->showPicture(icon);
        form->showButtonGroup(group);
        form->show();
    }
    QList<QPushButton*> visibleButtons() const {
        QList<QPushButton*> buttons;
        for (int n = 1; n <= 5; ++n) {
            if (form->commandButton(n)->isVisible())
                buttons.append(form->commandButton(n));
        }
        return buttons;
    }
    QScopedPointer<MessageForm> form;
};

QColor textColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class TestMessageForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void groupShowsItsButtons_data() { groups(); }
    void groupShowsItsButtons();
    void groupButtonsGiveTheirResults_data() { groups(); }
    void groupButtonsGiveTheirResults();
    void accessKeysPressButtons_data();
    void accessKeysPressButtons();
    void buttonLefts_data();
    void buttonLefts();
    void unknownGroupShowsNoButton();
    void leftmostButtonHasFocus();
    void messageIsShownAsWritten();
    void withoutCloseButtonRefusesToClose();
    void withCloseButtonClosesWithoutAnswer();
    void escapeDoesNotClose();
    void unloadHidesButtonsAndShadow();
    void shadowColour_data();
    void shadowColour();
    void translateColor_data();
    void translateColor();
    void translateColorUsesCurrentPalette();

private:
    // Every group with its captions and results, left to right, as the user sees them.
    void groups();
};

void TestMessageForm::groups() {
    QTest::addColumn<int>("group");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<IntList>("results");
    QTest::newRow("btnOKOnly") << 0 << QStringList{u"&OK"_s} << IntList{0};
    QTest::newRow("btnOKCancel") << 1 << QStringList{u"&OK"_s, u"&Cancel"_s} << IntList{0, 1};
    QTest::newRow("btnAbortRetryCancel") << 2 << QStringList{u"&Abort"_s, u"&Retry"_s, u"&Ignore"_s}
                                         << IntList{2, 3, 4};
    QTest::newRow("btnYesNoCancel") << 3 << QStringList{u"&Yes"_s, u"&No"_s, u"&Cancel"_s} << IntList{5, 6, 1};
    QTest::newRow("btnYesNo") << 4 << QStringList{u"&Yes"_s, u"&No"_s} << IntList{5, 6};
    QTest::newRow("btnRetryCancel") << 5 << QStringList{u"&Retry"_s, u"&Cancel"_s} << IntList{3, 1};
    QTest::newRow("btnYesYesToAllNo") << 6 << QStringList{u"&Yes"_s, u"Yes to &All"_s, u"&No"_s} << IntList{5, 7, 6};
    QTest::newRow("btnYesYesToAllNoCancel")
        << 7 << QStringList{u"&Yes"_s, u"Yes to &All"_s, u"&No"_s, u"&Cancel"_s} << IntList{5, 7, 6, 1};
    QTest::newRow("btnYesNoNoToAll") << 8 << QStringList{u"&Yes"_s, u"&No"_s, u"No to &All"_s} << IntList{5, 6, 8};
    QTest::newRow("btnYesNoNoToAllCancel")
        << 9 << QStringList{u"&Yes"_s, u"&No"_s, u"No to &All"_s, u"&Cancel"_s} << IntList{5, 6, 8, 1};
    QTest::newRow("btnYesYesToAllNoNoToAll")
        << 10 << QStringList{u"&Yes"_s, u"Yes to All"_s, u"&No"_s, u"No to All"_s} << IntList{5, 7, 6, 8};
    QTest::newRow("btnYesYesToAllNoNoToAllCancel")
        << 11 << QStringList{u"&Yes"_s, u"Yes to All"_s, u"&No"_s, u"No to All"_s, u"&Cancel"_s}
        << IntList{5, 7, 6, 8, 1};
    QTest::newRow("btnRemoveKeep") << 12 << QStringList{u"&Remove"_s, u"&Keep"_s} << IntList{9, 10};
    QTest::newRow("btnRemoveRemoveAllKeep")
        << 13 << QStringList{u"&Remove"_s, u"Remove &All"_s, u"&Keep"_s} << IntList{9, 11, 10};
    QTest::newRow("btnRemoveKeepKeepAll")
        << 14 << QStringList{u"&Remove"_s, u"&Keep"_s, u"Keep &All"_s} << IntList{9, 10, 12};
    QTest::newRow("btnRemoveRemoveAllKeepKeepAll")
        << 15 << QStringList{u"&Remove"_s, u"Remove All"_s, u"&Keep"_s, u"Keep All"_s} << IntList{9, 11, 10, 12};
}

void TestMessageForm::groupShowsItsButtons() {
    QFETCH(int, group);
    QFETCH(QStringList, captions);
    PreparedForm prepared(group);
    const QList<QPushButton*> buttons = prepared.visibleButtons();
    QStringList shown;
    for (const QPushButton* button : buttons)
        shown.append(button->text());
    QCOMPARE(shown, captions);
    // A group of k buttons takes the last k of Command1 to Command5.
    QCOMPARE(buttons.first(), prepared.form->commandButton(6 - static_cast<int>(captions.size())));
}

void TestMessageForm::groupButtonsGiveTheirResults() {
    QFETCH(int, group);
    QFETCH(IntList, results);
    for (int i = 0; i < results.size(); ++i) {
        PreparedForm prepared(group);
        QPushButton* button = prepared.visibleButtons().at(i);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(prepared.form->buttonPressed(), results[i]);
        QCOMPARE(prepared.form->result(), int(QDialog::Accepted));
        QVERIFY(!prepared.form->isVisible());
    }
}

void TestMessageForm::accessKeysPressButtons_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("Alt+O in OK only") << 0 << int(Qt::Key_O) << 0;
    QTest::newRow("Alt+I is Ignore") << 2 << int(Qt::Key_I) << 4;
    QTest::newRow("Alt+N is No") << 3 << int(Qt::Key_N) << 6;
    QTest::newRow("Alt+A is Yes to All") << 7 << int(Qt::Key_A) << 7;
    QTest::newRow("Alt+A is No to All") << 9 << int(Qt::Key_A) << 8;
    QTest::newRow("Alt+A is Remove All") << 13 << int(Qt::Key_A) << 11;
    QTest::newRow("Alt+K is Keep") << 15 << int(Qt::Key_K) << 10;
}

void TestMessageForm::accessKeysPressButtons() {
    QFETCH(int, group);
    QFETCH(int, key);
    QFETCH(int, result);
    PreparedForm prepared(group);
    QApplication::setActiveWindow(prepared.form.data());
    QVERIFY(QTest::qWaitForWindowActive(prepared.form.data()));
    QTest::keyClick(prepared.form.data(), Qt::Key(key), Qt::AltModifier);
    // An access key presses its button the way a click does, after the button has shown itself down.
    QTRY_COMPARE(prepared.form->buttonPressed(), result);
}

void TestMessageForm::buttonLefts_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("icon");
    QTest::addColumn<IntList>("lefts");
    QTest::newRow("1 button") << 0 << 0 << IntList{2280};
    QTest::newRow("1 button, picture") << 0 << 19 << IntList{2780};
    QTest::newRow("2 buttons") << 4 << 0 << IntList{1740, 2820};
    QTest::newRow("2 buttons, picture") << 12 << 27 << IntList{2240, 3320};
    QTest::newRow("3 buttons") << 3 << 0 << IntList{1200, 2280, 3360};
    QTest::newRow("3 buttons, picture") << 2 << 19 << IntList{1700, 2780, 3860};
    QTest::newRow("4 buttons") << 7 << 0 << IntList{660, 1740, 2820, 3900};
    QTest::newRow("4 buttons, picture") << 15 << 1 << IntList{1120, 2200, 3280, 4360};
    QTest::newRow("5 buttons") << 11 << 0 << IntList{120, 1200, 2280, 3360, 4440};
    QTest::newRow("5 buttons, picture") << 11 << 30 << IntList{120, 1200, 2280, 3360, 4440};
}

void TestMessageForm::buttonLefts() {
    QFETCH(int, group);
    QFETCH(int, icon);
    QFETCH(IntList, lefts);
    PreparedForm prepared(group, false, icon);
    QCOMPARE(prepared.form->findChild<QLabel*>(u"Picture1"_s)->isVisible(), icon != 0);
    const QList<QPushButton*> buttons = prepared.visibleButtons();
    QCOMPARE(buttons.size(), lefts.size());
    for (int i = 0; i < buttons.size(); ++i) {
        QCOMPARE(Twips::geometry(buttons[i]).left(), double(lefts[i]));
        QCOMPARE(buttons[i]->x(), qRound(lefts[i] / 15.0));
        QCOMPARE(Twips::geometry(buttons[i]).top(), 1560.0);
        QCOMPARE(Twips::geometry(buttons[i]).size(), QSizeF(1035, 375));
    }
}

void TestMessageForm::unknownGroupShowsNoButton() {
    PreparedForm prepared(16);
    QVERIFY(prepared.visibleButtons().isEmpty());
    for (int n = 1; n <= 5; ++n)
        QCOMPARE(Twips::geometry(prepared.form->commandButton(n)).left(), 120.0 + (n - 1) * 1080);
}

void TestMessageForm::messageIsShownAsWritten() {
    PreparedForm prepared(0);
    const QString text = QStringLiteral("Delete <b>all</b> & <p>?");
    prepared.form->setMessage(text, Qt::AlignLeft, 0, QFont());
    for (const char* name : {"lblMessage", "lblShadow"}) {
        auto* label = prepared.form->findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY(label);
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }
    QCOMPARE(prepared.form->findChild<QLabel*>(QStringLiteral("lblMessage"))->text(), text);
}

void TestMessageForm::leftmostButtonHasFocus() {
    PreparedForm prepared(3);
    QApplication::setActiveWindow(prepared.form.data());
    QVERIFY(QTest::qWaitForWindowActive(prepared.form.data()));
    QCOMPARE(QApplication::focusWidget(), prepared.form->commandButton(3));
}

void TestMessageForm::withoutCloseButtonRefusesToClose() {
    PreparedForm prepared(0, false);
    QVERIFY(!prepared.form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!prepared.form->windowFlags().testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!prepared.form->close());
    QVERIFY(prepared.form->isVisible());
    QCOMPARE(prepared.form->buttonPressed(), -1);
}

void TestMessageForm::withCloseButtonClosesWithoutAnswer() {
    PreparedForm prepared(4, true);
    QVERIFY(prepared.form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(prepared.form->close());
    QVERIFY(!prepared.form->isVisible());
    QCOMPARE(prepared.form->buttonPressed(), -1);
}

void TestMessageForm::escapeDoesNotClose() {
    for (bool allowClose : {false, true}) {
        PreparedForm prepared(1, allowClose);
        QTest::keyClick(prepared.form.data(), Qt::Key_Escape);
        QVERIFY(prepared.form->isVisible());
        QCOMPARE(prepared.form->buttonPressed(), -1);
    }
}

void TestMessageForm::unloadHidesButtonsAndShadow() {
    PreparedForm prepared(11);
    prepared.form->showShadow();
    QTest::mouseClick(prepared.form->commandButton(2), Qt::LeftButton);
    for (int n = 1; n <= 5; ++n)
        QVERIFY(prepared.form->commandButton(n)->isHidden());
    QVERIFY(prepared.form->findChild<QLabel*>(u"lblShadow"_s)->isHidden());
    QCOMPARE(prepared.form->buttonPressed(), 7);
}

void TestMessageForm::shadowColour_data() {
    QTest::addColumn<uint>("background");
    QTest::addColumn<bool>("gradient");
    QTest::addColumn<QColor>("shadow");
    QTest::newRow("white") << 0xFFFFFFu << false << QColor(159, 159, 159);
    QTest::newRow("white, gradient") << 0xFFFFFFu << true << QColor(231, 231, 231);
    QTest::newRow("RGB(50, 200, 10)") << 0x0AC832u << false << QColor(0, 104, 0);
    QTest::newRow("RGB(50, 200, 10), gradient") << 0x0AC832u << true << QColor(26, 176, 0);
    QTest::newRow("untranslatable counts as white") << 0x80000019u << false << QColor(159, 159, 159);
}

void TestMessageForm::shadowColour() {
    QFETCH(uint, background);
    QFETCH(bool, gradient);
    QFETCH(QColor, shadow);
    MessageForm form(false);
    form.setGradient(gradient);
    form.setShadowColor(background);
    QCOMPARE(textColour(form.findChild<QLabel*>(u"lblShadow"_s)), shadow);
}

void TestMessageForm::translateColor_data() {
    QTest::addColumn<uint>("colour");
    QTest::addColumn<int>("rgb");
    QTest::newRow("RGB passes") << 0x00123456u << 0x123456;
    QTest::newRow("black") << 0u << 0;
    QTest::newRow("palette-relative RGB") << 0x02123456u << 0x123456;
    QTest::newRow("active border is the window colour") << 0x8000000Au << 0x302010;
    QTest::newRow("window background is the base colour") << 0x80000005u << 0x605040;
    QTest::newRow("window text") << 0x80000008u << 0x0000FF;
    QTest::newRow("button face") << 0x8000000Fu << 0x00FF00;
    QTest::newRow("unassigned index 25") << 0x80000019u << -1;
    QTest::newRow("index past the table") << 0x8000001Fu << -1;
    QTest::newRow("index with high bits") << 0x8001000Au << -1;
    QTest::newRow("unknown kind") << 0x40000000u << -1;
}

void TestMessageForm::translateColor() {
    QFETCH(uint, colour);
    QFETCH(int, rgb);
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Window, QColor(0x10, 0x20, 0x30));
    palette.setColor(QPalette::Active, QPalette::Base, QColor(0x40, 0x50, 0x60));
    palette.setColor(QPalette::Active, QPalette::Text, QColor(0xFF, 0, 0));
    palette.setColor(QPalette::Active, QPalette::Button, QColor(0, 0xFF, 0));
    QCOMPARE(Notiva::translateColor(colour, palette), rgb);
}

void TestMessageForm::translateColorUsesCurrentPalette() {
    const QPalette saved = QGuiApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    QGuiApplication::setPalette(palette);
    const qint32 translated = Notiva::translateColor(0x8000000Au);
    QGuiApplication::setPalette(saved);
    QCOMPARE(translated, rgbValue(1, 2, 3));
}

QTEST_MAIN(TestMessageForm)
#include "test_messageform.moc"
