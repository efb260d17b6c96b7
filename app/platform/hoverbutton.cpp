// SPDX-License-Identifier: MIT
#include "hoverbutton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace pantrex {

HoverButton::HoverButton(const QString& objectName, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setObjectName(objectName);
    setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    setAutoDefault(false);
}

HoverButton::HoverButton(const QString& objectName, const QIcon& picture, const QString& name, QWidget* parent)
    : QPushButton(picture, QString(), parent) {
    setObjectName(objectName);
    setAccessibleName(name);
    setToolTip(name);
    setIconSize(QSize(24, 24));
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
