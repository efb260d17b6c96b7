#include "twips.h"

#include <QVariant>
#include <QWidget>

namespace Notiva::Twips {

namespace {
constexpr char GeometryProperty[] = "notivaTwipsGeometry";
}

void Place(QWidget* widget, const QRectF& twips) {
    widget->setProperty(GeometryProperty, twips);
    // Round the edges rather than the size, so neighbours keep their gaps.
    const int left = ToPixels(twips.left());
    const int top = ToPixels(twips.top());
    widget->setGeometry(left, top, ToPixels(twips.right()) - left, ToPixels(twips.bottom()) - top);
}

QRectF Geometry(const QWidget* widget) {
    const QVariant stored = widget->property(GeometryProperty);
    if (stored.isValid())
        return stored.toRectF();
    const QRect pixels = widget->geometry();
    return QRectF(pixels.x() * PerPixel, pixels.y() * PerPixel, pixels.width() * PerPixel, pixels.height() * PerPixel);
}

void SetLeft(QWidget* widget, double left) {
    QRectF twips = Geometry(widget);
    twips.moveLeft(left);
    Place(widget, twips);
}

void SetTop(QWidget* widget, double top) {
    QRectF twips = Geometry(widget);
    twips.moveTop(top);
    Place(widget, twips);
}

void SetWidth(QWidget* widget, double width) {
    QRectF twips = Geometry(widget);
    twips.setWidth(width);
    Place(widget, twips);
}

} // namespace Notiva::Twips
