// SPDX-License-Identifier: MIT
#include "phoneserver.h"

#include "core/aisleorder.h"
#include "core/session.h"
#include "core/shoppingticks.h"
#include "data/ansitext.h"
#include "phone/phonestate.h"

#include <QFile>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkInterface>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTimer>
#include <QUrlQuery>
#include <QWebSocket>

#include <array>

namespace pantrex {

namespace {

using Status = QHttpServerResponse::StatusCode;

// Every answer carries these: nothing but the page's own may run in it or be fetched by it, the
// browser takes each answer for the type it is given, and no address with the key leaves it.
QHttpServerResponse withGuards(QHttpServerResponse response) {
    response.setHeader("Content-Security-Policy", "default-src 'self'");
    response.setHeader("X-Content-Type-Options", "nosniff");
    response.setHeader("Referrer-Policy", "no-referrer");
    response.setHeader("Cache-Control", "no-store");
    return response;
}

// A refusal says nothing of why, so that it tells nothing to whoever tries.
QHttpServerResponse refusal(Status status) {
    return withGuards(QHttpServerResponse(QByteArray("text/plain"), QByteArray(), status));
}

QHttpServerResponse json(const QJsonObject& object, Status status = Status::Ok) {
    return withGuards(QHttpServerResponse(QByteArray("application/json"),
                                          QJsonDocument(object).toJson(QJsonDocument::Compact), status));
}

QByteArray newKey() {
    std::array<quint32, 4> words{};
    QRandomGenerator::system()->fillRange(words.data(), qsizetype(words.size()));
    QByteArray key;
    for (const quint32 word : words)
        key += QByteArray::number(word, 16).rightJustified(8, '0');
    return key;
}

} // namespace

PhoneServer::PhoneServer(Session& session, QObject* parent) : QObject(parent), m_session(session) {
    m_clock.start();
    connect(&session, &Session::shoppingListChanged, this, &PhoneServer::tellChanged);
    connect(&session, &Session::productsChanged, this, &PhoneServer::tellChanged);
    connect(&session.ticks(), &ShoppingTicks::ticksChanged, this, &PhoneServer::tellChanged);
    connect(&session.aisles(), &AisleOrder::orderChanged, this, &PhoneServer::tellChanged);
}

PhoneServer::~PhoneServer() {
    stop();
}

QHostAddress PhoneServer::homeNetworkAddress() {
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& interface : interfaces) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol && !entry.ip().isLoopback())
                return entry.ip();
        }
    }
    return QHostAddress(QHostAddress::LocalHost);
}

bool PhoneServer::start(const QHostAddress& address, quint16 port) {
    stop();
    auto server = std::make_unique<QHttpServer>();
    server->setMissingHandler([this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
        answer(request).write(std::move(responder));
    });
    const quint16 listening = server->listen(address, port);
    if (listening == 0) {
        const QList<QTcpServer*> servers = server->servers();
        m_error = servers.isEmpty() ? tr("The port could not be opened.") : servers.constFirst()->errorString();
        return false;
    }
    m_key = newKey();
    // Qt hands a connection to its socket server only when a route takes the upgrade request; every
    // other request goes on to answer(). The socket is checked again when it comes in.
    server->route(QStringLiteral("/%1/socket").arg(QString::fromLatin1(m_key)),
                  [this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
                      if (request.value("Upgrade").compare("websocket", Qt::CaseInsensitive) != 0)
                          answer(request).write(std::move(responder));
                  });
    connect(server.get(), &QHttpServer::newWebSocketConnection, this, &PhoneServer::acceptSocket);
    m_server = std::move(server);
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QLatin1Char('[') + address.toString() + QLatin1Char(']')
                             : address.toString();
    m_origin = QStringLiteral("http://%1:%2").arg(host).arg(listening).toLatin1();
    m_address = QUrl(QString::fromLatin1(m_origin + '/' + m_key + '/'));
    m_error.clear();
    m_changeTimes.clear();
    Q_EMIT runningChanged(true);
    return true;
}

void PhoneServer::stop() {
    if (!m_server)
        return;
    for (QWebSocket* socket : std::as_const(m_sockets)) {
        socket->disconnect(this);
        socket->close();
        socket->deleteLater();
    }
    m_sockets.clear();
    m_server.reset();
    m_key.clear();
    m_address.clear();
    Q_EMIT devicesChanged();
    Q_EMIT runningChanged(false);
}

QStringList PhoneServer::devices() const {
    QStringList addresses;
    for (const QWebSocket* socket : m_sockets) {
        const QString address = socket->peerAddress().toString();
        if (!addresses.contains(address))
            addresses << address;
    }
    return addresses;
}

// The key is compared in constant time: how long a wrong key takes says nothing of how near it was.
bool PhoneServer::hasKey(QByteArrayView segment) const {
    if (m_key.isEmpty())
        return false;
    unsigned difference = segment.size() == m_key.size() ? 0U : 1U;
    for (qsizetype i = 0; i < m_key.size(); ++i)
        difference |= unsigned(uchar(m_key.at(i)) ^ uchar(i < segment.size() ? segment.at(i) : 0));
    return difference == 0;
}

QHttpServerResponse PhoneServer::answer(const QHttpServerRequest& request) {
    const QByteArray path = request.url().path(QUrl::FullyEncoded).toLatin1();
    const qsizetype slash = path.indexOf('/', 1);
    if (!path.startsWith('/') || slash < 0 || !hasKey(QByteArrayView(path).sliced(1, slash - 1)))
        return refusal(Status::Forbidden);
    const QByteArray what = path.mid(slash + 1);
    if (request.method() == QHttpServerRequest::Method::Post)
        return answerChange(request, what);
    if (request.method() != QHttpServerRequest::Method::Get)
        return refusal(Status::MethodNotAllowed);
    if (what.isEmpty())
        return resource(QStringLiteral("page.html"), "text/html; charset=utf-8");
    if (what == "page.js")
        return resource(QStringLiteral("page.js"), "text/javascript; charset=utf-8");
    if (what == "page.css")
        return resource(QStringLiteral("page.css"), "text/css; charset=utf-8");
    if (what == "state")
        return state();
    if (what == "search")
        return search(request.query().queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded));
    return refusal(Status::NotFound);
}

QHttpServerResponse PhoneServer::answerChange(const QHttpServerRequest& request, const QByteArray& what) {
    if (request.value("Origin") != m_origin)
        return refusal(Status::Forbidden);
    if (what != "tick" && what != "add" && what != "remove-ticked")
        return refusal(Status::NotFound);
    if (request.body().size() > MaxBody)
        return refusal(Status::PayloadTooLarge);
    if (!withinRate(request.remoteAddress()))
        return refusal(Status::TooManyRequests);
    if (m_busy && m_busy())
        return json({{QStringLiteral("message"),
                      tr("Pantrex is waiting for an answer on the computer.  Try again in a moment.")}},
                    Status::ServiceUnavailable);
    QJsonParseError error{};
    const QJsonDocument body = QJsonDocument::fromJson(request.body(), &error);
    if (error.error != QJsonParseError::NoError || !body.isObject())
        return refusal(Status::BadRequest);
    if (what == "tick")
        return tick(body.object());
    if (what == "add")
        return add(body.object());
    return removeTicked();
}

// At most so many changes in any second from one device; what comes beyond is refused unread.
bool PhoneServer::withinRate(const QHostAddress& device) {
    const qint64 now = m_clock.elapsed();
    QList<qint64>& times = m_changeTimes[device.toString()];
    times.removeIf([now](qint64 then) { return now - then >= 1000; });
    if (times.size() >= MaxChangesPerSecond)
        return false;
    times.append(now);
    return true;
}

QHttpServerResponse PhoneServer::resource(const QString& name, const QByteArray& mimeType) const {
    QFile file(QStringLiteral(":/phone/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return refusal(Status::NotFound);
    return withGuards(QHttpServerResponse(mimeType, file.readAll()));
}

QHttpServerResponse PhoneServer::state() const {
    // The list is shown as it is on disk now: another program may have changed it. Not while the
    // desktop asks about the rows it shows, though: they must stay what the question was about.
    const bool busy = m_busy && m_busy();
    if (const std::optional<Notice> failure = busy ? std::nullopt : m_session.shoppingList().reload())
        return json({{QStringLiteral("message"), failure->text}}, Status::InternalServerError);
    QString socket = m_address.toString(QUrl::FullyEncoded) + QStringLiteral("socket");
    socket.replace(0, 4, QStringLiteral("ws"));
    return withGuards(QHttpServerResponse(QByteArray("application/json"), shoppingListState(m_session, socket)));
}

QHttpServerResponse PhoneServer::search(const QString& text) const {
    m_session.catalog().refresh(m_session.files(), m_session.productListPath());
    return json(productSearch(m_session, text, MaxSearchResults));
}

QHttpServerResponse PhoneServer::tick(const QJsonObject& body) {
    const QJsonValue record = body.value(QStringLiteral("record"));
    const QJsonValue key = body.value(QStringLiteral("key"));
    const QJsonValue ticked = body.value(QStringLiteral("ticked"));
    if (!record.isDouble() || !key.isString() || !ticked.isBool())
        return refusal(Status::BadRequest);
    return outcome(m_session.ticks().setTicked(qint64(record.toDouble()), key.toString().toLatin1(), ticked.toBool()));
}

QHttpServerResponse PhoneServer::add(const QJsonObject& body) {
    const QJsonValue product = body.value(QStringLiteral("product"));
    const QJsonValue name = body.value(QStringLiteral("name"));
    if (!product.isDouble() || !name.isString())
        return refusal(Status::BadRequest);
    // The product is added only as the page found it: the product list may have changed since.
    ProductCatalog& catalog = m_session.catalog();
    catalog.refresh(m_session.files(), m_session.productListPath());
    const auto n = qint64(product.toDouble());
    if (n < 1 || n > catalog.count() || n > m_session.productCount() || fromAnsi(catalog.name(n)) != name.toString())
        return outcome(ShoppingListResult::changed(m_session.productListPath()));
    return outcome(m_session.shoppingList().add({n}, "1"));
}

QHttpServerResponse PhoneServer::removeTicked() {
    return outcome(m_session.ticks().removeTicked());
}

// What an operation came to, for the page: its message, if any; a list changed by another program
// is read again and nothing was written.
QHttpServerResponse PhoneServer::outcome(const ShoppingListResult& result) {
    ShoppingList& list = m_session.shoppingList();
    const std::optional<Notice> failure = list.reload();
    QJsonObject answer{{QStringLiteral("done"), result.status == ShoppingListResult::Status::Done}};
    QString message = result.notice ? result.notice->text : failure ? failure->text : QString();
    Status status = Status::Ok;
    if (result.status == ShoppingListResult::Status::ChangedUnderneath) {
        m_session.catalog().refresh(m_session.files(), m_session.productListPath());
        message = tr("%1 was changed by another program.  Nothing was changed here; the list has been reloaded, "
                     "so please look it over and try again.")
                      .arg(result.changedFile);
        status = Status::Conflict;
    } else if (result.status == ShoppingListResult::Status::NotDone) {
        status = Status::UnprocessableEntity;
    }
    if (!message.isEmpty())
        answer.insert(QStringLiteral("message"), message);
    return json(answer, status);
}

// The page's socket only carries word of a change; it must name the key and come from the page.
void PhoneServer::acceptSocket() {
    while (m_server && m_server->hasPendingWebSocketConnections()) {
        QWebSocket* socket = m_server->nextPendingWebSocketConnection().release();
        const QByteArray path = socket->requestUrl().path(QUrl::FullyEncoded).toLatin1();
        const bool keyed = path.size() > 1 && path.endsWith("/socket") &&
                           hasKey(QByteArrayView(path).sliced(1, path.size() - 1 - qsizetype(sizeof("/socket") - 1)));
        if (!keyed || socket->origin().toLatin1() != m_origin) {
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
            socket->deleteLater();
            continue;
        }
        m_sockets.append(socket);
        connect(socket, &QWebSocket::disconnected, this, [this, socket] {
            m_sockets.removeOne(socket);
            socket->deleteLater();
            Q_EMIT devicesChanged();
        });
        // The page says nothing over the socket; whatever it sends is dropped.
        Q_EMIT devicesChanged();
    }
}

// A change is told once, when the event loop comes round: an operation may change the list several times.
void PhoneServer::tellChanged() {
    if (m_changeTold || m_sockets.isEmpty())
        return;
    m_changeTold = true;
    QTimer::singleShot(0, this, [this] {
        m_changeTold = false;
        for (QWebSocket* socket : std::as_const(m_sockets))
            socket->sendTextMessage(QStringLiteral("changed"));
    });
}

} // namespace pantrex
