#include "hoverhints.h"

#include "platform/hoverbutton.h"
#include "state/pantmod.h"

#include <QEvent>
#include <QLabel>

namespace pantrex {

HoverHints::HoverHints(PANTMOD& pantmod, QLabel* infolbl, QObject* parent)
    : QObject(parent), m_pantmod(pantmod), m_infolbl(infolbl) {}

void HoverHints::addButton(HoverButton* button, const QString& hint, bool takesHoverLook,
                           const QList<HoverButton*>& normalLook) {
    ButtonHint entry{button, hint, takesHoverLook, {}};
    for (HoverButton* other : normalLook)
        entry.normalLook.append(other);
    m_buttons.append(entry);
    button->setMouseTracking(true);
    button->installEventFilter(this);
}

void HoverHints::addQuiet(QWidget* widget) {
    m_quiet.append(widget);
    widget->installEventFilter(this);
}

void HoverHints::addBackground(QWidget* widget) {
    m_background.append(widget);
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

void HoverHints::setBackgroundButtons(const QList<HoverButton*>& buttons) {
    m_backgroundButtons.clear();
    for (HoverButton* button : buttons)
        m_backgroundButtons.append(button);
}

bool HoverHints::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Enter && event->type() != QEvent::MouseMove)
        return false;
    for (const ButtonHint& entry : std::as_const(m_buttons)) {
        if (entry.button == watched) {
            pointerOnButton(entry);
            return false;
        }
    }
    if (m_quiet.contains(watched))
        m_infolbl->clear();
    else if (m_background.contains(watched))
        pointerOnBackground();
    return false;
}

void HoverHints::pointerOnButton(const ButtonHint& entry) {
    m_infolbl->setText(entry.hint);
    if (!entry.takesHoverLook)
        return;
    entry.button->setHoverLook(true);
    for (const QPointer<HoverButton>& other : entry.normalLook) {
        if (other)
            other->setHoverLook(false);
    }
    m_pantmod.hoverflag = 1;
}

void HoverHints::pointerOnBackground() {
    m_infolbl->clear();
    if (m_pantmod.hoverflag == 0)
        return;
    m_pantmod.hoverflag = 0;
    for (const QPointer<HoverButton>& button : std::as_const(m_backgroundButtons)) {
        if (button)
            button->setHoverLook(false);
    }
}

} // namespace pantrex
