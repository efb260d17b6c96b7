// SPDX-License-Identifier: MIT
// How fast the phone view answers a phone on the loopback: the state of a 5 000-item list, a search
// keystroke over a hundred thousand products, and a tick from the request to the window's row
// repainted; and the memory the running view adds. Each figure is printed beside the time it takes
// just to read the shopping-list file's bytes.
#include "benchkit.h"
#include "core/session.h"
#include "core/shoppingticks.h"
#include "mainwindow/mainwindow.h"
#include "phone/phoneserver.h"
#include "phone/phoneview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <vector>

using namespace pantrex;
using namespace pantrex::bench;

namespace {

// One request, waited for; the reply's body.
QByteArray fetch(QNetworkAccessManager& network, const QNetworkRequest& request, const QByteArray& post = {}) {
    QNetworkReply* reply = post.isNull() ? network.get(request) : network.post(request, post);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    if (reply->error() != QNetworkReply::NoError)
        qFatal("the phone view answered %s", qPrintable(reply->errorString()));
    const QByteArray body = reply->readAll();
    reply->deleteLater();
    return body;
}

} // namespace

int main(int argc, char** argv) {
    const int productCount = takeProductCount(argc, argv);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    writeFiles(folder.path(), productCount);
    const double floor = readFloor(folder.filePath(QStringLiteral("grocery.lst")));
    std::printf("%d products, a list of %d items; median of %d runs\n", productCount, ShoppingItems, Runs);
    std::printf("%-44s %8.2f ms\n", "reading grocery.lst's bytes (the floor)", floor);

    QuietDialogs dialogs;
    Session session(folder.path());
    MainWindow window(session, dialogs);
    window.load();
    QApplication::processEvents();
    const long before = residentKilobytes();
    QString why;
    const std::optional<QUrl> address = window.phoneView().start(QHostAddress(QHostAddress::LocalHost), 0, why);
    if (!address)
        qFatal("the phone view did not start: %s", qPrintable(why));
    QNetworkAccessManager network;
    const QNetworkRequest state(address->resolved(QUrl(QStringLiteral("state"))));

    report("the page's list of 5 000 items (state)", measure(nullptr, [&](int) { (void)fetch(network, state); }), floor,
           50);
    (void)fetch(network, QNetworkRequest(*address));

    // Keystrokes: a prefix of one to three letters of a product's name, as the search box grows.
    const QList<QByteArray> prefixes{"a", "ab", "abc", "b", "be", "bel", "c", "ca", "cab"};
    report("a search keystroke (100 000 products)",
           measure(nullptr,
                   [&](int run) {
                       QUrl url = address->resolved(QUrl(QStringLiteral("search")));
                       url.setQuery(QStringLiteral("q=") +
                                    QString::fromLatin1(prefixes.at((run + 1) % prefixes.size())));
                       (void)fetch(network, QNetworkRequest(url));
                   }),
           floor, 20);

    const QJsonObject first = QJsonDocument::fromJson(fetch(network, state))
                                  .object()
                                  .value(QStringLiteral("categories"))
                                  .toArray()
                                  .first()
                                  .toObject()
                                  .value(QStringLiteral("items"))
                                  .toArray()
                                  .first()
                                  .toObject();
    QNetworkRequest tick(address->resolved(QUrl(QStringLiteral("tick"))));
    tick.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
    tick.setRawHeader("Origin", address->adjusted(QUrl::RemovePath).toString().toLatin1());
    // The view takes at most so many changes a second from one device: the runs keep to that pace.
    std::vector<double> times;
    for (int run = -1; run < Runs; ++run) {
        QThread::msleep(1000 / PhoneServer::MaxChangesPerSecond + 10);
        QJsonObject body = first;
        body.insert(QStringLiteral("ticked"), run % 2 != 0);
        const QByteArray bytes = QJsonDocument(body).toJson(QJsonDocument::Compact);
        QElapsedTimer timer;
        timer.start();
        (void)fetch(network, tick, bytes);
        window.repaint();
        QApplication::processEvents();
        if (run >= 0)
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    if (session.ticks().count() != 0)
        qFatal("the ticks did not come through");
    report("a tick, request to the row repainted", median(times), floor, 50);
    const long added = residentKilobytes() - before;
    std::printf("%-44s %8ld MB   %-4s\n", "resident memory the running view adds", added / 1024,
                added <= 20 * 1024 ? "ok" : "BIG");
    window.quit();
    return 0;
}
