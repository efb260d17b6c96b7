// SPDX-License-Identifier: MIT
#pragma once

#include "core/shoppinglist.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponse;
class QWebSocket;

namespace pantrex {

class Session;

// The phone view: the open shopping list served as a page to the browsers of the home network, in
// the program's event loop, through the very operations the window uses. Nothing listens until
// start(). Each start makes a new secret key, part of every address the page uses: a request
// without it is refused with 403 and nothing else. Changes come only by POST from the page's own
// origin, at most MaxChangesPerSecond a second from one device. The page, its script and its style
// are compiled into the program; nothing from the disk is served.
class PhoneServer : public QObject {
    Q_OBJECT

public:
    static constexpr qsizetype MaxBody = qsizetype(64) * 1024;
    static constexpr int MaxChangesPerSecond = 20;
    static constexpr int MaxSearchResults = 30;

    explicit PhoneServer(Session& session, QObject* parent = nullptr);
    ~PhoneServer() override;

    // Listens on address and port (0: any free one) with a new key; false, with errorString(), when
    // the port cannot be had.
    bool start(const QHostAddress& address, quint16 port);
    void stop();
    bool isRunning() const { return m_server != nullptr; }
    QString errorString() const { return m_error; }
    // The page's address, with the key: "http://192.168.1.20:8080/<key>/".
    QUrl address() const { return m_address; }
    // While busy() holds (the desktop waits for the user's answer to a question about the list), a
    // change would slip in between the question and the operation: it is refused for the moment.
    void setBusy(std::function<bool()> busy) { m_busy = std::move(busy); }

    // The devices whose pages are connected now, by their network address.
    QStringList devices() const;

    // The address of the network the machine reaches others by: the first interface that is up and
    // running, not the loopback, with an IPv4 address; else the loopback.
    static QHostAddress homeNetworkAddress();

Q_SIGNALS:
    void runningChanged(bool running);
    void devicesChanged();

private:
    QHttpServerResponse answer(const QHttpServerRequest& request);
    QHttpServerResponse answerChange(const QHttpServerRequest& request, const QByteArray& what);
    QHttpServerResponse resource(const QString& name, const QByteArray& mimeType) const;
    QHttpServerResponse state() const;
    QHttpServerResponse search(const QString& text) const;
    QHttpServerResponse tick(const QJsonObject& body);
    QHttpServerResponse add(const QJsonObject& body);
    QHttpServerResponse removeTicked();
    QHttpServerResponse outcome(const ShoppingListResult& result);
    bool hasKey(QByteArrayView segment) const;
    bool withinRate(const QHostAddress& device);
    void acceptSocket();
    void tellChanged();

    Session& m_session;
    std::unique_ptr<QHttpServer> m_server;
    QByteArray m_key;
    QByteArray m_origin;
    QUrl m_address;
    QString m_error;
    QList<QWebSocket*> m_sockets;
    QElapsedTimer m_clock;
    QHash<QString, QList<qint64>> m_changeTimes; // per device, the moments of its recent changes
    bool m_changeTold = false;
    std::function<bool()> m_busy;
};

} // namespace pantrex
