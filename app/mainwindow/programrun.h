// SPDX-License-Identifier: MIT
#pragma once

#include "core/workingfolder.h"
#include "platform/qtdialogs.h"

#include <QString>

#include <memory>

namespace pantrex {

class MainWindow;
class Session;

// One run of Pantrex on a data folder: claims the folder, builds the shared state and the main
// window with the screen's own message boxes, and ends the event loop once the window has quit.
class ProgramRun {
public:
    explicit ProgramRun(const QString& folder);
    ~ProgramRun();

    // Claims the folder and loads the main window. False, the user having been told why, when the
    // folder cannot be used.
    bool start();
    MainWindow& window() const { return *m_window; }

private:
    QtDialogs m_dialogs;
    WorkingFolder m_folder;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace pantrex
