// SPDX-License-Identifier: MIT
// The phone view's server as a browser meets it on the loopback: the key, every refusal, the
// operations, and what each leaves on disk.
#include "core/session.h"
#include "phone/phoneserver.h"
#include "support/productrecords.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>
#include <QWebSocket>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

const QString ListFile = QStringLiteral("grocery.lst");
const QString TicksFile = QStringLiteral("grocery.lst.ticks");

QByteArray twoItems() {
    return shoppingBytes("Milk", " 2", "2") + shoppingBytes("Bread", " 1.5", "1", "Bakery");
}

QByteArray products() {
    return productBytes("Butter", "2.50") + productBytes("Bagels", "1.20", "Bakery") + productBytes("Caviar", "999.99");
}

struct Answer {
    int status = 0;
    QByteArray body;
    QList<QNetworkReply::RawHeaderPair> headers;
    QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
};

struct Fixture {
    TestFolder folder;
    std::unique_ptr<Session> session;
    std::unique_ptr<PhoneServer> server;
    QNetworkAccessManager network;

    Fixture() {
        folder.write(ListFile, twoItems());
        folder.write(QStringLiteral("grocery.dat"), products());
        session = std::make_unique<Session>(folder.path());
        session->setShoppingListPath(ListFile);
        session->files().open(ShoppingChannel, ListFile, ShoppingRecord::Length);
        session->openProductList(QStringLiteral("grocery.dat"));
        (void)session->shoppingList().reload();
        server = std::make_unique<PhoneServer>(*session);
        QVERIFY(server->start(QHostAddress(QHostAddress::LocalHost), 0));
    }
    QString origin() const { return server->address().adjusted(QUrl::RemovePath).toString(QUrl::RemoveUserInfo); }
    QString keyed(const QString& what) const { return server->address().path() + what; }

    Answer send(const QByteArray& method, const QString& path, const QByteArray& body = {},
                const QByteArray& from = "page") {
        QUrl url = server->address();
        const qsizetype query = path.indexOf(QLatin1Char('?'));
        url.setPath(path.left(query));
        if (query >= 0)
            url.setQuery(path.mid(query + 1));
        QNetworkRequest request(url);
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
        if (from == "page")
            request.setRawHeader("Origin", origin().toLatin1());
        else if (!from.isEmpty())
            request.setRawHeader("Origin", from);
        QNetworkReply* reply = network.sendCustomRequest(request, method, body);
        QSignalSpy finished(reply, &QNetworkReply::finished);
        if (!reply->isFinished())
            finished.wait(5000);
        Answer answer{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll(),
                      reply->rawHeaderPairs()};
        reply->deleteLater();
        return answer;
    }
    // The state as the page fetches it, and a tick body for its nth item (in the page's order).
    QJsonObject state() { return send("GET", keyed(QStringLiteral("state"))).json(); }
    QByteArray tickBody(int record, bool ticked = true) {
        const QByteArray bytes = recordAt(folder.read(ListFile), ShoppingRecord::Length, record);
        return QJsonDocument(QJsonObject{{QStringLiteral("record"), record},
                                         {QStringLiteral("key"), QString::fromLatin1(ShoppingTicks::keyOf(bytes))},
                                         {QStringLiteral("ticked"), ticked}})
            .toJson();
    }
};

bool hasHeader(const Answer& answer, const QByteArray& name, const QByteArray& value = {}) {
    return std::any_of(answer.headers.cbegin(), answer.headers.cend(), [&](const auto& header) {
        return header.first.compare(name, Qt::CaseInsensitive) == 0 && (value.isNull() || header.second == value);
    });
}

} // namespace

class PhoneServerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void key_data();
    void key();
    void refusal_data();
    void refusal();
    void change_data();
    void change();
    void changedUnderneath();
    void itemTexts_data();
    void itemTexts();
    void tooManyChanges();
    void socketTellsOfChanges();
    void stopped();
};

void PhoneServerTest::key_data() {
    QTest::addColumn<QString>("path"); // KEY stands for the right key
    QTest::addColumn<int>("status");

    QTest::newRow("no key") << "/state" << 403;
    QTest::newRow("root") << "/" << 403;
    QTest::newRow("wrong key") << "/0123456789abcdef0123456789abcdef/state" << 403;
    QTest::newRow("key cut short") << "/KEY/state" << 403;
    QTest::newRow("key and more") << "/KEYx/state" << 403;
    QTest::newRow("page") << "/KEY/" << 200;
    QTest::newRow("script") << "/KEY/page.js" << 200;
    QTest::newRow("state") << "/KEY/state" << 200;
    QTest::newRow("no file from disk") << "/KEY/grocery.lst" << 404;
    QTest::newRow("nor through the resources") << "/KEY/..%2Fgrocery.lst" << 404;
}

void PhoneServerTest::key() {
    QFETCH(QString, path);
    QFETCH(int, status);
    Fixture f;
    QString key = f.server->address().path().mid(1, 32);
    if (QByteArray(QTest::currentDataTag()) == "key cut short")
        key.chop(1);
    const Answer answer = f.send("GET", path.replace(QStringLiteral("KEY"), key));
    QCOMPARE(answer.status, status);
    if (status != 200)
        QVERIFY(answer.body.isEmpty());
    QVERIFY(hasHeader(answer, "Content-Security-Policy", "default-src 'self'"));
    QVERIFY(hasHeader(answer, "X-Content-Type-Options", "nosniff"));
    QVERIFY(hasHeader(answer, "Referrer-Policy", "no-referrer"));
    QVERIFY(!hasHeader(answer, "Access-Control-Allow-Origin"));
}

void PhoneServerTest::refusal_data() {
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("origin");
    QTest::addColumn<int>("status");

    const QByteArray tick = R"({"record":1,"key":"x","ticked":true})";
    QTest::newRow("no origin") << QByteArray("POST") << "tick" << tick << QByteArray() << 403;
    QTest::newRow("other origin") << QByteArray("POST") << "tick" << tick << QByteArray("http://evil.example") << 403;
    QTest::newRow("not a post") << QByteArray("PUT") << "tick" << tick << QByteArray("page") << 405;
    QTest::newRow("too large") << QByteArray("POST") << "tick" << QByteArray(64 * 1024 + 1, ' ') << QByteArray("page")
                               << 413;
    QTest::newRow("not json") << QByteArray("POST") << "tick" << QByteArray("{record") << QByteArray("page") << 400;
    QTest::newRow("wrong types") << QByteArray("POST") << "tick" << QByteArray(R"({"record":"1","key":1})")
                                 << QByteArray("page") << 400;
    QTest::newRow("add without name") << QByteArray("POST") << "add" << QByteArray(R"({"product":1})")
                                      << QByteArray("page") << 400;
    QTest::newRow("tick for a gone item") << QByteArray("POST") << "tick" << tick << QByteArray("page") << 422;
    QTest::newRow("desktop busy") << QByteArray("POST") << "remove-ticked" << QByteArray("{}") << QByteArray("page")
                                  << 503;
}

void PhoneServerTest::refusal() {
    QFETCH(QByteArray, method);
    QFETCH(QString, what);
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, origin);
    QFETCH(int, status);
    Fixture f;
    f.server->setBusy([status] { return status == 503; });
    QCOMPARE(f.send(method, f.keyed(what), body, origin).status, status);
    QCOMPARE(f.folder.read(ListFile), twoItems());
    QVERIFY(!f.folder.exists(TicksFile));
}

void PhoneServerTest::change_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<QByteArray>("body"); // TICK1 stands for a tick of record 1
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<bool>("message");

    QTest::newRow("tick") << "tick" << QByteArray("TICK1") << 200 << twoItems() << false;
    // The same record the window's add makes: quantity 1, the line cost in the leading-blank form.
    QTest::newRow("add") << "add" << QByteArray(R"({"product":2,"name":"Bagels"})") << 200
                         << twoItems() + shoppingBytes("Bagels", " 1.2", "1", "Bakery") << false;
    QTest::newRow("add a product renamed since")
        << "add" << QByteArray(R"({"product":2,"name":"Butter"})") << 409 << twoItems() << true;
    QTest::newRow("remove ticked") << "remove-ticked" << QByteArray("{}") << 200
                                   << shoppingBytes("Bread", " 1.5", "1", "Bakery") << false;
}

void PhoneServerTest::change() {
    QFETCH(QString, what);
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(QByteArray, list);
    QFETCH(bool, message);
    Fixture f;
    if (what == QStringLiteral("remove-ticked"))
        QCOMPARE(f.send("POST", f.keyed(QStringLiteral("tick")), f.tickBody(1)).status, 200);
    if (body == "TICK1")
        body = f.tickBody(1);
    const Answer answer = f.send("POST", f.keyed(what), body);
    QCOMPARE(answer.status, status);
    QCOMPARE(answer.json().contains(QStringLiteral("message")), message);
    QCOMPARE(f.folder.read(ListFile), list);
    const QJsonObject state = f.state();
    QCOMPARE(state.value(QStringLiteral("count")).toInt(), list.size() / ShoppingRecord::Length);
    QCOMPARE(state.value(QStringLiteral("ticked")).toInt(), what == QStringLiteral("tick") ? 1 : 0);
}

// Another program changed the list between the page and the tick: nothing is written, the page is
// told, and the list is read again.
void PhoneServerTest::changedUnderneath() {
    Fixture f;
    QCOMPARE(f.state().value(QStringLiteral("count")).toInt(), 2);
    const QByteArray body = f.tickBody(2);
    const QByteArray other = twoItems() + shoppingBytes("Tea");
    f.folder.write(ListFile, other);
    const Answer answer = f.send("POST", f.keyed(QStringLiteral("tick")), body);
    QCOMPARE(answer.status, 409);
    QVERIFY(answer.json().value(QStringLiteral("message")).toString().startsWith(ListFile));
    QCOMPARE(f.folder.read(ListFile), other);
    QVERIFY(!f.folder.exists(TicksFile));
    QCOMPARE(f.state().value(QStringLiteral("count")).toInt(), 3);
    QCOMPARE(f.send("POST", f.keyed(QStringLiteral("tick")), body).status, 200);
}

void PhoneServerTest::itemTexts_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shown");

    QTest::newRow("plain") << QByteArray("Milk") << QStringLiteral("Milk");
    QTest::newRow("quotes and backslash") << QByteArray(R"(Ham "Parma" \ 1)") << QStringLiteral(R"(Ham "Parma" \ 1)");
    QTest::newRow("windows-1252") << QByteArray("K\xe4se \x80") << QStringLiteral(u"K\u00e4se \u20ac");
    QTest::newRow("control character") << QByteArray("Tab\tbed") << QStringLiteral("Tab\tbed");
}

// The page shows each item's text as the window does, whatever characters it holds.
void PhoneServerTest::itemTexts() {
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    Fixture f;
    f.folder.write(ListFile, shoppingBytes(stored, " 1", "1", stored));
    const QJsonObject category = f.state().value(QStringLiteral("categories")).toArray().first().toObject();
    QCOMPARE(category.value(QStringLiteral("name")).toString(), shown);
    QCOMPARE(
        category.value(QStringLiteral("items")).toArray().first().toObject().value(QStringLiteral("text")).toString(),
        shown);
}

void PhoneServerTest::tooManyChanges() {
    Fixture f;
    QList<int> statuses;
    for (int i = 0; i < PhoneServer::MaxChangesPerSecond + 5; ++i)
        statuses << f.send("POST", f.keyed(QStringLiteral("tick")), f.tickBody(1, i % 2 == 0)).status;
    QVERIFY(statuses.count(200) <= PhoneServer::MaxChangesPerSecond);
    QVERIFY(statuses.contains(429));
}

void PhoneServerTest::socketTellsOfChanges() {
    Fixture f;
    QString address = f.state().value(QStringLiteral("socket")).toString();
    QVERIFY(address.startsWith(QStringLiteral("ws://127.0.0.1:")));
    QWebSocket stranger(QStringLiteral("http://evil.example"));
    QSignalSpy strangerGone(&stranger, &QWebSocket::disconnected);
    stranger.open(QUrl(address));
    QVERIFY(strangerGone.wait(5000));

    QWebSocket page(f.origin());
    QSignalSpy connected(&page, &QWebSocket::connected);
    QSignalSpy told(&page, &QWebSocket::textMessageReceived);
    page.open(QUrl(address));
    QVERIFY(connected.wait(5000));
    QTRY_COMPARE(f.server->devices(), QStringList{QStringLiteral("127.0.0.1")});
    f.folder.write(ListFile, twoItems() + shoppingBytes("Tea"));
    (void)f.session->shoppingList().reload();
    QVERIFY(told.wait(1000));
    QCOMPARE(told.constFirst().constFirst().toString(), QStringLiteral("changed"));
}

void PhoneServerTest::stopped() {
    Fixture f;
    const QUrl address = f.server->address();
    f.server->stop();
    QNetworkReply* reply = f.network.get(QNetworkRequest(address.resolved(QUrl(QStringLiteral("state")))));
    QSignalSpy finished(reply, &QNetworkReply::finished);
    QVERIFY(finished.wait(5000));
    QCOMPARE(reply->error(), QNetworkReply::ConnectionRefusedError);
    reply->deleteLater();
}

QTEST_GUILESS_MAIN(PhoneServerTest)
#include "test_phoneserver.moc"
