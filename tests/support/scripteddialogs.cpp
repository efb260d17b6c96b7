// SPDX-License-Identifier: MIT
#include "scripteddialogs.h"

#include <QTest>

namespace pantrex::testing {

void ScriptedDialogs::expectMessage(const QString& text, Answer answer) {
    m_script.append({false, text, answer, {}});
}

void ScriptedDialogs::expectInput(const QString& prompt, const QString& reply) {
    m_script.append({true, prompt, Answer::Ok, reply});
}

Dialogs::Answer ScriptedDialogs::message(const Message& box) {
    m_shown.append({false, box, {}});
    if (m_script.isEmpty() || m_script.constFirst().isInput || m_script.constFirst().text != box.text) {
        const QString expected = m_script.isEmpty() ? QStringLiteral("no box") : m_script.constFirst().text;
        QTest::qFail(qPrintable(QStringLiteral("unexpected message box \"%1\" (expected %2)").arg(box.text, expected)),
                     __FILE__, __LINE__);
        return box.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    return m_script.takeFirst().answer;
}

QString ScriptedDialogs::input(const Input& box) {
    m_shown.append({true, {}, box});
    if (m_script.isEmpty() || !m_script.constFirst().isInput || m_script.constFirst().text != box.prompt) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected input box \"%1\"").arg(box.prompt)), __FILE__, __LINE__);
        return QString();
    }
    return m_script.takeFirst().reply;
}

} // namespace pantrex::testing
