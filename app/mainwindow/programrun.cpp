// SPDX-License-Identifier: MIT
#include "programrun.h"

#include "core/session.h"
#include "mainwindow/mainwindow.h"
#include "platform/messages.h"
#include "platform/pictures.h"

#include <QApplication>

namespace pantrex {

ProgramRun::ProgramRun(const QString& folder) : m_folder(folder) {}

// The window goes before the shared state it works on, and the folder's claim last.
ProgramRun::~ProgramRun() = default;

bool ProgramRun::start() {
    if (const std::optional<Notice> refused = m_folder.claim()) {
        report(m_dialogs, *refused);
        return false;
    }
    // Desktops match the windows to the menu entry (installed as PANTREX_APP_ID.desktop) and its
    // icon by these.
    QGuiApplication::setDesktopFileName(QStringLiteral(PANTREX_APP_ID));
    QApplication::setWindowIcon(basketPicture());
    m_session = std::make_unique<Session>(m_folder.path());
    m_window = std::make_unique<MainWindow>(*m_session, m_dialogs);
    m_dialogs.setParent(m_window.get());
    QObject::connect(m_window.get(), &MainWindow::finished, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    m_window->load();
    return true;
}

} // namespace pantrex
