// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>

class QWidget;

// The message form is laid out in twips, 15 to a pixel at 96 dpi. Each placed widget remembers
// its geometry in twips, so fractional places (a shadow 13.5 twips off) are not lost to rounding.
namespace Notiva::Twips {

inline constexpr int PerPixel = 15;

inline int toPixels(double twips) {
    return qRound(twips / PerPixel);
}

void place(QWidget* widget, const QRectF& twips);
QRectF geometry(const QWidget* widget);
void setLeft(QWidget* widget, double left);
void setTop(QWidget* widget, double top);
void setWidth(QWidget* widget, double width);

} // namespace Notiva::Twips
