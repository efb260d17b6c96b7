#include "hoverbutton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace pantrex {

HoverButton::HoverButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
}

HoverButton::HoverButton(const QIcon& picture, QWidget* parent) : QPushButton(picture, QString(), parent) {
    setAutoDefault(false);
}

void HoverButton::setHoverLook(bool on) {
    if (m_hoverLook == on)
        return;
    m_hoverLook = on;
    update();
}

void HoverButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!m_hoverLook)
        return;
    // Frame the button in the highlight colour: visible in any style and colour scheme.
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), 2);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

} // namespace pantrex
