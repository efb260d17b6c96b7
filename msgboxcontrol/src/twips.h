#pragma once

#include "notiva/notivaglobal.h"

#include <QRectF>

class QWidget;

// The message form is laid out in twips, 15 to a pixel at 96 dpi. Each placed widget remembers
// its geometry in twips, so fractional places (a shadow 13.5 twips off) are not lost to rounding.
namespace Notiva::Twips {

inline constexpr int PerPixel = 15;

inline int ToPixels(double twips) {
    return qRound(twips / PerPixel);
}

NOTIVA_EXPORT void Place(QWidget* widget, const QRectF& twips);
NOTIVA_EXPORT QRectF Geometry(const QWidget* widget);
NOTIVA_EXPORT void SetLeft(QWidget* widget, double left);
NOTIVA_EXPORT void SetTop(QWidget* widget, double top);
NOTIVA_EXPORT void SetWidth(QWidget* widget, double width);

} // namespace Notiva::Twips
