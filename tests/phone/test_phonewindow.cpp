// SPDX-License-Identifier: MIT
// The phone view from the desktop: the "Phone view" window started and stopped, ticks struck out in
// the shopping list, a change from the phone shown in the window at once, and --phone's address.
#include "../mainwindow/mainwindowfixture.h"
#include "core/shoppingticks.h"
#include "mainwindow/shoppinglistpanel.h"
#include "phone/phoneserver.h"
#include "phone/phoneview.h"
#include "phone/phonewindow.h"

#include <QAction>
#include <QFont>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListView>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

QByteArray threeItems() {
    return shoppingBytes("Milk", " 2", "2") + shoppingBytes("Bread", " 1.5", "1", "Bakery") + shoppingBytes("Apples");
}

} // namespace

class PhoneWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void struckOut_data();
    void struckOut();
    void changeFromThePhone();
    void startAndStop();
    void listenAddress_data();
    void listenAddress();
};

void PhoneWindowTest::struckOut_data() {
    QTest::addColumn<QList<qint64>>("ticked"); // record numbers
    QTest::addColumn<QList<bool>>("struck");   // rows, in the list's order: Apples, Bread, Milk

    QTest::newRow("none") << QList<qint64>{} << QList<bool>{false, false, false};
    QTest::newRow("bread and milk") << QList<qint64>{1, 2} << QList<bool>{false, true, true};
}

void PhoneWindowTest::struckOut() {
    QFETCH(QList<qint64>, ticked);
    QFETCH(QList<bool>, struck);
    MainWindowFixture f;
    f.folder.write("grocery.lst", threeItems());
    f.load();
    auto* rows = control<QListView>(f.window, "list2");
    QStringList before;
    for (int row = 0; row < 3; ++row)
        before << rows->model()->index(row, 0).data().toString();
    for (const qint64 n : ticked) {
        const QByteArray bytes = recordAt(threeItems(), ShoppingRecord::Length, int(n));
        QCOMPARE(f.session->ticks().setTicked(n, ShoppingTicks::keyOf(bytes), true).status,
                 ShoppingListResult::Status::Done);
    }
    for (int row = 0; row < 3; ++row) {
        const QModelIndex index = rows->model()->index(row, 0);
        QCOMPARE(index.data(Qt::FontRole).value<QFont>().strikeOut(), struck.at(row));
        QCOMPARE(index.data().toString(), before.at(row));
    }
    QCOMPARE(f.folder.read("grocery.lst"), threeItems());
}

// A product added on the phone shows in the window's list and total as soon as it is written.
void PhoneWindowTest::changeFromThePhone() {
    MainWindowFixture f;
    f.folder.write("grocery.lst", threeItems());
    f.folder.write("grocery.dat", productBytes("Bagels", "1.20", "Bakery"));
    f.load();
    QString why;
    const std::optional<QUrl> address = f.window->phoneView().start(QHostAddress(QHostAddress::LocalHost), 0, why);
    QVERIFY2(address, qPrintable(why));
    QNetworkAccessManager network;
    QNetworkRequest request(address->resolved(QUrl(QStringLiteral("add"))));
    request.setRawHeader("Origin", address->adjusted(QUrl::RemovePath).toString().toLatin1());
    QNetworkReply* reply = network.post(request, QByteArray(R"({"product":1,"name":"Bagels"})"));
    QSignalSpy finished(reply, &QNetworkReply::finished);
    QVERIFY(finished.wait(5000));
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    reply->deleteLater();
    QCOMPARE(control<QListView>(f.window, "list2")->model()->rowCount(), 4);
    QCOMPARE(control<QLabel>(f.window, "listlbl")->text(), QStringLiteral("grocery ($6.70)"));
}

void PhoneWindowTest::startAndStop() {
    MainWindowFixture f;
    f.folder.write("grocery.lst", threeItems());
    f.load();
    PhoneServer& server = f.window->phoneView().server();
    QVERIFY(!server.isRunning());
    control<QAction>(f.window, "phoneviewcmd")->trigger();
    auto* window = control<PhoneWindow>(f.window, "phoneview");
    QVERIFY(window && window->isVisible());
    QVERIFY(!control<QLabel>(window, "phonelistcode")->pixmap().isNull());
    QCOMPARE(PhoneWindow::listAsText(*f.session), QStringLiteral("grocery\n2 Apples\n1 Bread\n2 Milk"));

    QTest::mouseClick(control<QPushButton>(window, "phonestart"), Qt::LeftButton);
    QVERIFY(server.isRunning());
    QCOMPARE(control<QLabel>(window, "phoneaddress")->text(), server.address().toString());
    QVERIFY(!control<QLabel>(window, "phoneaddresscode")->pixmap().isNull());

    QTest::mouseClick(control<QPushButton>(window, "phonestop"), Qt::LeftButton);
    QVERIFY(!server.isRunning());
    QVERIFY(control<QLabel>(window, "phoneaddress")->text().isEmpty());

    // Quitting stops a view that runs.
    QTest::mouseClick(control<QPushButton>(window, "phonestart"), Qt::LeftButton);
    QVERIFY(server.isRunning());
    f.window->quit();
    QVERIFY(!server.isRunning());
}

void PhoneWindowTest::listenAddress_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("address"); // empty: the home network's
    QTest::addColumn<int>("port");

    QTest::newRow("port only") << "8080" << true << QString() << 8080;
    QTest::newRow("address and port") << "127.0.0.1:9000" << true << "127.0.0.1" << 9000;
    QTest::newRow("IPv6") << "[::1]:9000" << true << "::1" << 9000;
    QTest::newRow("any free port") << "127.0.0.1:0" << true << "127.0.0.1" << 0;
    QTest::newRow("port too large") << "70000" << false << QString() << 0;
    QTest::newRow("not an address") << "pantry:80" << false << QString() << 0;
    QTest::newRow("no port") << "127.0.0.1:" << false << QString() << 0;
}

void PhoneWindowTest::listenAddress() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, address);
    QFETCH(int, port);
    const auto parsed = PhoneView::listenAddress(text);
    QCOMPARE(parsed.has_value(), valid);
    if (!valid)
        return;
    QCOMPARE(parsed->first, address.isEmpty() ? PhoneServer::homeNetworkAddress() : QHostAddress(address));
    QCOMPARE(int(parsed->second), port);
}

QTEST_MAIN(PhoneWindowTest)
#include "test_phonewindow.moc"
