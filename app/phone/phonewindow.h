// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace pantrex {

class PhoneServer;
class Session;

// The "Phone view" window: starts and stops the phone view, and shows its address as a QR code
// and as text, the devices connected now, and a second QR code with the list itself as plain text
// for a phone that only needs to read it. Modeless; the server outlives it while it runs.
class PhoneWindow : public QDialog {
    Q_OBJECT

public:
    PhoneWindow(Session& session, PhoneServer& server, QWidget* parent = nullptr);

    // The list as plain text: its name, then one item a line (quantity and text).
    static QString listAsText(const Session& session);

private:
    void start();
    void showServer();
    void showDevices();
    void showListCode();

    Session& m_session;
    PhoneServer& m_server;
    QLabel* m_addressCode;
    QLabel* m_address;
    QListWidget* m_devices;
    QLabel* m_listCode;
    QLabel* m_status;
    QPushButton* m_startButton;
    QPushButton* m_stopButton;
};

} // namespace pantrex
