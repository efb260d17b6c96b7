// SPDX-License-Identifier: MIT
#include "phoneview.h"

#include "phone/phoneserver.h"
#include "phone/phonewindow.h"

#include <QApplication>

namespace pantrex {

PhoneView::PhoneView(Session& session, QWidget* window)
    : QObject(window), m_session(session), m_mainWindow(window), m_server(new PhoneServer(session, this)) {
    // A box on the desktop asks about the list as it is now: nothing from the phone may change it meanwhile.
    m_server->setBusy([] { return QApplication::activeModalWidget() != nullptr; });
}

PhoneView::~PhoneView() {
    stop();
}

void PhoneView::showWindow() {
    if (!m_window)
        m_window = new PhoneWindow(m_session, *m_server, m_mainWindow);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

std::optional<QUrl> PhoneView::start(const QHostAddress& address, quint16 port, QString& why) {
    if (!m_server->start(address, port)) {
        why = m_server->errorString();
        return std::nullopt;
    }
    return m_server->address();
}

void PhoneView::stop() {
    m_server->stop();
}

std::optional<std::pair<QHostAddress, quint16>> PhoneView::listenAddress(const QString& text) {
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    bool isNumber = false;
    const uint port = text.mid(colon + 1).toUInt(&isNumber);
    if (!isNumber || port > 65535)
        return std::nullopt;
    QHostAddress address = PhoneServer::homeNetworkAddress();
    if (colon >= 0) {
        QString host = text.left(colon);
        if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
            host = host.mid(1, host.size() - 2);
        if (!address.setAddress(host))
            return std::nullopt;
    }
    return std::make_pair(address, quint16(port));
}

} // namespace pantrex
