// SPDX-License-Identifier: MIT
#include "scriptedfilechooser.h"

#include <QTest>

namespace pantrex::testing {

ScriptedFileChooser::~ScriptedFileChooser() {
    if (!m_script.isEmpty() && !QTest::currentTestFailed())
        QTest::qFail(qPrintable(QStringLiteral("the file dialog was never shown for \"%1\"").arg(m_script.first())),
                     __FILE__, __LINE__);
}

void ScriptedFileChooser::expectOpen(const QString& answer) {
    m_script.append(answer);
}

QString ScriptedFileChooser::openFile(const Request& request) {
    m_shown.append(request);
    if (m_script.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected file dialog \"%1\"").arg(request.title)), __FILE__,
                     __LINE__);
        return QString();
    }
    return m_script.takeFirst();
}

} // namespace pantrex::testing
