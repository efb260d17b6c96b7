// SPDX-License-Identifier: MIT
#include "twips.h"

#include <QVariant>
#include <QWidget>

namespace Notiva::Twips {

namespace {
constexpr char GeometryProperty[] = "notivaTwipsGeometry";
}

void place(QWidget* widget, const QRectF& twips) {
    widget->setProperty(GeometryProperty, twips);
    // Round the edges rather than the size, so neighbours keep their gaps.
    const int left = toPixels(twips.left());
    const int top = toPixels(twips.top());
    widget->setGeometry(left, top, toPixels(twips.right()) - left, toPixels(twips.bottom()) - top);
}

QRectF geometry(const QWidget* widget) {
    const QVariant stored = widget->property(GeometryProperty);
    if (stored.isValid())
        return stored.toRectF();
    const QRect pixels = widget->geometry();
    return QRectF(pixels.x() * PerPixel, pixels.y() * PerPixel, pixels.width() * PerPixel, pixels.height() * PerPixel);
}

void setLeft(QWidget* widget, double left) {
    QRectF twips = geometry(widget);
    twips.moveLeft(left);
    place(widget, twips);
}

void setTop(QWidget* widget, double top) {
    QRectF twips = geometry(widget);
    twips.moveTop(top);
    place(widget, twips);
}

void setWidth(QWidget* widget, double width) {
    QRectF twips = geometry(widget);
    twips.setWidth(width);
    place(widget, twips);
}

} // namespace Notiva::Twips
