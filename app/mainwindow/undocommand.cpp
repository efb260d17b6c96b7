// SPDX-License-Identifier: MIT
#include "undocommand.h"

#include "core/session.h"
#include "platform/messages.h"

#include <QAction>

namespace pantrex {

UndoCommand::UndoCommand(Session& session, Dialogs& dialogs, QAction& action)
    : QObject(&action), m_session(session), m_dialogs(dialogs), m_action(action) {
    m_action.setShortcut(QKeySequence::Undo);
    connect(&m_action, &QAction::triggered, this, &UndoCommand::undo);
    connect(&m_session.undoHistory(), &UndoHistory::changed, this, &UndoCommand::showCaption);
    connect(&m_session.undoHistory(), &UndoHistory::notKept, this, [this](const QString& why) {
        report(m_dialogs, Notice{tr("The change was made, but it cannot be undone: %1").arg(why), QString(),
                                 Notice::Kind::Warning});
    });
    showCaption();
}

void UndoCommand::showCaption() {
    const QString caption = m_session.undoHistory().nextCaption();
    m_action.setEnabled(!caption.isEmpty());
    m_action.setText(caption.isEmpty() ? tr("Undo") : tr("Undo %1").arg(caption));
}

void UndoCommand::undo() {
    const UndoHistory::Outcome outcome = m_session.undo();
    if (!outcome.restored.isEmpty())
        Q_EMIT filesRestored();
    report(m_dialogs, outcome.notices);
}

} // namespace pantrex
