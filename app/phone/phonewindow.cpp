// SPDX-License-Identifier: MIT
#include "phonewindow.h"

#include "core/session.h"
#include "data/ansitext.h"
#include "data/filenames.h"
#include "phone/phoneserver.h"
#include "phone/qrcodeimage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace pantrex {

namespace {

constexpr int ModuleSize = 4;

QLabel* codeLabel(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(accessibleName);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumSize(160, 160);
    return label;
}

} // namespace

PhoneWindow::PhoneWindow(Session& session, PhoneServer& server, QWidget* parent)
    : QDialog(parent), m_session(session), m_server(server) {
    setObjectName(QStringLiteral("phoneview"));
    setWindowTitle(tr("Phone view"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("phonestatus"));
    m_status->setWordWrap(true);
    m_addressCode = codeLabel(QStringLiteral("phoneaddresscode"), tr("QR code of the page's address"), this);
    m_address = new QLabel(this);
    m_address->setObjectName(QStringLiteral("phoneaddress"));
    m_address->setAccessibleName(tr("Address"));
    m_address->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_devices = new QListWidget(this);
    m_devices->setObjectName(QStringLiteral("phonedevices"));
    m_devices->setAccessibleName(tr("Connected devices"));
    m_devices->setMaximumHeight(80);
    m_listCode = codeLabel(QStringLiteral("phonelistcode"), tr("QR code of the list as text"), this);
    m_startButton = new QPushButton(tr("Start"), this);
    m_startButton->setObjectName(QStringLiteral("phonestart"));
    m_startButton->setAccessibleName(tr("Start"));
    m_stopButton = new QPushButton(tr("Stop"), this);
    m_stopButton->setObjectName(QStringLiteral("phonestop"));
    m_stopButton->setAccessibleName(tr("Stop"));

    auto* codes = new QGridLayout;
    codes->addWidget(new QLabel(tr("Open the page:"), this), 0, 0);
    codes->addWidget(new QLabel(tr("Or just read the list:"), this), 0, 1);
    codes->addWidget(m_addressCode, 1, 0);
    codes->addWidget(m_listCode, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_startButton);
    buttons->addWidget(m_stopButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addLayout(codes);
    layout->addWidget(m_address);
    auto* devicesLabel = new QLabel(tr("Connected devices:"), this);
    devicesLabel->setBuddy(m_devices);
    layout->addWidget(devicesLabel);
    layout->addWidget(m_devices);
    layout->addLayout(buttons);

    connect(m_startButton, &QPushButton::clicked, this, &PhoneWindow::start);
    connect(m_stopButton, &QPushButton::clicked, &m_server, &PhoneServer::stop);
    connect(&m_server, &PhoneServer::runningChanged, this, &PhoneWindow::showServer);
    connect(&m_server, &PhoneServer::devicesChanged, this, &PhoneWindow::showDevices);
    connect(&m_session, &Session::shoppingListChanged, this, &PhoneWindow::showListCode);
    showServer();
    showListCode();
}

QString PhoneWindow::listAsText(const Session& session) {
    QStringList lines{baseName(session.shoppingListPath())};
    for (const ShoppingRow& row : session.shoppingList().rows())
        lines << fromAnsi(fieldText(row.quantity)) + QLatin1Char(' ') + fromAnsi(fieldText(row.itemText));
    return lines.join(QLatin1Char('\n'));
}

void PhoneWindow::start() {
    if (!m_server.start(PhoneServer::homeNetworkAddress(), 0))
        m_status->setText(tr("The phone view could not start: %1").arg(m_server.errorString()));
}

void PhoneWindow::showServer() {
    const bool running = m_server.isRunning();
    m_startButton->setEnabled(!running);
    m_stopButton->setEnabled(running);
    const QString address = m_server.address().toString();
    m_address->setText(running ? address : QString());
    m_addressCode->setPixmap(running ? QPixmap::fromImage(qrCodeImage(address.toUtf8(), ModuleSize)) : QPixmap());
    m_status->setText(running ? tr("Anyone on this network who has the address can see and change the open "
                                   "shopping list until you press Stop.")
                              : tr("The phone view is stopped: nothing is served."));
    showDevices();
}

void PhoneWindow::showDevices() {
    m_devices->clear();
    m_devices->addItems(m_server.devices());
}

void PhoneWindow::showListCode() {
    const QImage code = qrCodeImage(listAsText(m_session).toUtf8(), 3);
    if (code.isNull()) {
        m_listCode->setPixmap(QPixmap());
        m_listCode->setText(tr("The list is too long for a QR code."));
        return;
    }
    m_listCode->setPixmap(QPixmap::fromImage(code));
}

} // namespace pantrex
