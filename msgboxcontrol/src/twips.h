#pragma once

#include <QRectF>

class QWidget;

// The message form is laid out in twips, 15 to a pixel at 96 dpi. Each placed widget remembers
// its geometry in twips, so fractional places (a shadow 13.5 twips off) are not lost to rounding.
namespace Notiva::Twips {

inline constexpr int PerPixel = 15;

inline int ToPixels(double twips) {
    return qRound(twips / PerPixel);
}

void Place(QWidget* widget, const QRectF& twips);
QRectF Geometry(const QWidget* widget);
void SetLeft(QWidget* widget, double left);
void SetTop(QWidget* widget, double top);
void SetWidth(QWidget* widget, double width);

} // namespace Notiva::Twips
