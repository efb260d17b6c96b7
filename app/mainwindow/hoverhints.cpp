// SPDX-License-Identifier: MIT
#include "hoverhints.h"

#include "platform/hoverbutton.h"

#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QSinglePointEvent>

#include <algorithm>

namespace pantrex {

namespace {

// A widget that only holds others (a panel, a row of labels), as opposed to a control.
bool isPlainContainer(const QWidget* widget) {
    const QMetaObject* kind = widget->metaObject();
    return kind == &QWidget::staticMetaObject || kind == &QGroupBox::staticMetaObject ||
           kind == &QFrame::staticMetaObject;
}

} // namespace

HoverHints::HoverHints(QLabel* infolbl, QObject* parent) : QObject(parent), m_infolbl(infolbl) {}

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

void HoverHints::showUntilPointerMoves(const QString& text) {
    m_infolbl->setText(text);
    m_messageAt = QCursor::pos();
}

// Qt passes a pointer move that a control does not take on to the control's parents, and the
// parents here are window background: each move counts only for the registered widget nearest to
// the one really under the pointer, so a move over a button is not also a move over the background.
bool HoverHints::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Enter && event->type() != QEvent::MouseMove)
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    const auto* pointer = dynamic_cast<const QSinglePointEvent*>(event);
    if (registeredUnderPointer(widget, pointer) != widget)
        return false;
    if (m_background.contains(widget)) {
        pointerOnBackground();
        return false;
    }
    if (keepsMessage(pointer))
        return false;
    m_messageAt.reset();
    for (const ButtonHint& entry : std::as_const(m_buttons)) {
        if (entry.button == widget) {
            pointerOnButton(entry);
            return false;
        }
    }
    if (m_quiet.contains(widget))
        m_infolbl->clear();
    return false;
}

// A kept message stays while the pointer is where it was when the message was shown, within a
// pixel: on a screen scaled by a fraction the two positions may be rounded apart.
bool HoverHints::keepsMessage(const QSinglePointEvent* pointer) const {
    if (!m_messageAt)
        return false;
    return !pointer || (pointer->globalPosition() - QPointF(*m_messageAt)).manhattanLength() < 2;
}

bool HoverHints::isRegistered(const QWidget* widget) const {
    if (m_quiet.contains(widget) || m_background.contains(widget))
        return true;
    return std::any_of(m_buttons.cbegin(), m_buttons.cend(),
                       [widget](const ButtonHint& entry) { return entry.button == widget; });
}

// The registered widget nearest to the deepest widget under the pointer, looking up from it to this
// one through plain containers only: over a control of its own, such as the search box or a label,
// nothing happens (nullptr).
const QWidget* HoverHints::registeredUnderPointer(const QWidget* widget, const QSinglePointEvent* pointer) const {
    if (!pointer)
        return widget;
    const QWidget* under = widget->childAt(pointer->position().toPoint());
    for (; under && under != widget; under = under->parentWidget()) {
        if (isRegistered(under))
            return under;
        if (!isPlainContainer(under))
            return nullptr;
    }
    return widget;
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
    m_buttonLooksHovered = true;
}

void HoverHints::pointerOnBackground() {
    if (!m_messageAt)
        m_infolbl->clear();
    if (!m_buttonLooksHovered)
        return;
    m_buttonLooksHovered = false;
    for (const QPointer<HoverButton>& button : std::as_const(m_backgroundButtons)) {
        if (button)
            button->setHoverLook(false);
    }
}

} // namespace pantrex
