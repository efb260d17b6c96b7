// SPDX-License-Identifier: MIT
#pragma once

#include "platform/filechooser.h"

#include <QList>
#include <QString>

namespace pantrex::testing {

// Answers file-open dialogs from a script and records every request. A request the script did not
// expect fails the running test, and so does a scripted answer that was never asked for.
class ScriptedFileChooser : public FileChooser {
public:
    ~ScriptedFileChooser() override;

    // The next dialog is answered with this path; "" is the user cancelling.
    void expectOpen(const QString& answer);

    QString openFile(const Request& request) override;
    // A save dialog is answered from the same script.
    QString saveFile(const Request& request) override { return openFile(request); }

    const QList<Request>& shown() const { return m_shown; }
    bool done() const { return m_script.isEmpty(); }

private:
    QList<QString> m_script;
    QList<Request> m_shown;
};

} // namespace pantrex::testing
