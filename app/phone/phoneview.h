// SPDX-License-Identifier: MIT
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <optional>
#include <utility>

class QWidget;

namespace pantrex {

class PhoneServer;
class PhoneWindow;
class Session;

// The phone view as the main window holds it: the server, stopped until asked, and its window.
class PhoneView : public QObject {
    Q_OBJECT

public:
    PhoneView(Session& session, QWidget* window);
    ~PhoneView() override;

    // Shows the "Phone view" window beside the main window.
    void showWindow();
    // Starts serving on address and port; the page's address, or nothing with why.
    std::optional<QUrl> start(const QHostAddress& address, quint16 port, QString& why);
    void stop();
    PhoneServer& server() { return *m_server; }

    // "[ADDRESS:]PORT" from the command line: without an address, the home network's.
    static std::optional<std::pair<QHostAddress, quint16>> listenAddress(const QString& text);

private:
    Session& m_session;
    QWidget* m_mainWindow;
    PhoneServer* m_server;
    QPointer<PhoneWindow> m_window;
};

} // namespace pantrex
