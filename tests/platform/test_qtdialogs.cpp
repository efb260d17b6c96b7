// SPDX-License-Identifier: MIT
// The real message and input boxes: what they show and what they answer.
#include "platform/qtdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace pantrex;

class QtDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void messageBoxShowsWhatItIsGiven_data();
    void messageBoxShowsWhatItIsGiven();
    void escapeGivesCancel();
    void inputBox_data();
    void inputBox();

private:
    // Runs act on the modal box once it is up.
    template <typename Box> void whenShown(std::function<void(Box*)> act) {
        QTimer::singleShot(0, this, [act] {
            auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
            QVERIFY(box);
            act(box);
        });
    }
};

void QtDialogsTest::messageBoxShowsWhatItIsGiven_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("answer");

    using B = Dialogs::Buttons;
    using I = Dialogs::Icon;
    using A = Dialogs::Answer;
    QTest::newRow("ok") << "Oops!" << int(B::Ok) << int(I::None) << 0 << QStringList{"OK"} << 0 << int(A::Ok);
    QTest::newRow("empty title, ok/cancel")
        << "" << int(B::OkCancel) << int(I::Exclamation) << 0 << QStringList{"OK", "Cancel"} << 1 << int(A::Cancel);
    QTest::newRow("yes/no/cancel") << "Set Data Source..." << int(B::YesNoCancel) << int(I::Question) << 1
                                   << QStringList{"Yes", "No", "Cancel"} << 1 << int(A::No);
    QTest::newRow("yes/no, critical") << "Pantrex" << int(B::YesNo) << int(I::Critical) << 0 << QStringList{"Yes", "No"}
                                      << 0 << int(A::Yes);
}

void QtDialogsTest::messageBoxShowsWhatItIsGiven() {
    QFETCH(QString, title);
    QFETCH(int, buttons);
    QFETCH(int, icon);
    QFETCH(int, defaultButton);
    QFETCH(QStringList, captions);
    QFETCH(int, press);
    QFETCH(int, answer);

    const QMap<int, QMessageBox::Icon> icons = {{int(Dialogs::Icon::None), QMessageBox::NoIcon},
                                                {int(Dialogs::Icon::Exclamation), QMessageBox::Warning},
                                                {int(Dialogs::Icon::Question), QMessageBox::Question},
                                                {int(Dialogs::Icon::Critical), QMessageBox::Critical}};
    whenShown<QMessageBox>([&](QMessageBox* box) {
        QCOMPARE(box->windowTitle(), title);
        QCOMPARE(box->text(), QStringLiteral("party.lst is empty and will be eliminated."));
        QCOMPARE(box->icon(), icons.value(icon));
        QStringList shown;
        for (QAbstractButton* button : box->buttons())
            shown << button->text().remove('&');
        QCOMPARE(shown.size(), captions.size());
        for (const QString& caption : captions)
            QVERIFY2(shown.contains(caption), qPrintable(caption));
        QCOMPARE(box->defaultButton()->text().remove('&'), captions.at(defaultButton));
        for (QAbstractButton* button : box->buttons()) {
            if (button->text().remove('&') == captions.at(press))
                button->click();
        }
    });
    QtDialogs dialogs;
    Dialogs::Message message{QStringLiteral("party.lst is empty and will be eliminated."), title,
                             Dialogs::Buttons(buttons), Dialogs::Icon(icon), defaultButton};
    QCOMPARE(int(dialogs.message(message)), answer);
}

void QtDialogsTest::escapeGivesCancel() {
    whenShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    QtDialogs dialogs;
    Dialogs::Message message;
    message.text = QStringLiteral("Erase?");
    message.buttons = Dialogs::Buttons::OkCancel;
    QCOMPARE(message.title, QStringLiteral("Pantrex"));
    QCOMPARE(dialogs.message(message), Dialogs::Answer::Cancel);

    whenShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    message.buttons = Dialogs::Buttons::Ok;
    QCOMPARE(dialogs.message(message), Dialogs::Answer::Ok);
}

void QtDialogsTest::inputBox_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("answer");
    QTest::newRow("proposed answer") << QString() << true << "2";
    QTest::newRow("typed answer") << "12" << true << "12";
    QTest::newRow("cancel") << "12" << false << "";
}

void QtDialogsTest::inputBox() {
    QFETCH(QString, typed);
    QFETCH(bool, accept);
    QFETCH(QString, answer);
    whenShown<QInputDialog>([&](QInputDialog* box) {
        QCOMPARE(box->windowTitle(), QStringLiteral("Pantrex"));
        QCOMPARE(box->labelText(), QStringLiteral("Enter a quantity..."));
        QCOMPARE(box->textValue(), QStringLiteral("2"));
        if (!typed.isEmpty())
            box->setTextValue(typed);
        accept ? box->accept() : box->reject();
    });
    QtDialogs dialogs;
    Dialogs::Input input;
    input.prompt = QStringLiteral("Enter a quantity...");
    input.defaultText = QStringLiteral("2");
    QCOMPARE(dialogs.input(input), answer);
}

QTEST_MAIN(QtDialogsTest)
#include "test_qtdialogs.moc"
