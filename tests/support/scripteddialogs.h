// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QString>

namespace pantrex::testing {

// Answers message and input boxes from a script and records every box shown. A box the script
// did not expect, or one whose text differs from the script's, fails the running test.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        bool isInput = false;
        Message message;
        Input input;
    };

    // The next box must be a message box with this text; it is answered with answer.
    void expectMessage(const QString& text, Answer answer = Answer::Ok);
    // The next box must be an input box with this prompt; it is answered with reply.
    void expectInput(const QString& prompt, const QString& reply);

    Answer message(const Message& box) override;
    QString input(const Input& box) override;

    const QList<Shown>& shown() const { return m_shown; }
    // True when every scripted box has been shown.
    bool done() const { return m_script.isEmpty(); }
    int pending() const { return int(m_script.size()); }

private:
    struct Step {
        bool isInput;
        QString text;
        Answer answer;
        QString reply;
    };

    QList<Step> m_script;
    QList<Shown> m_shown;
};

} // namespace pantrex::testing
