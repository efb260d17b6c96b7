// SPDX-License-Identifier: MIT
#pragma once

#include <QList>

namespace Notiva {

// One band of the background gradient: filled from (-1, y - 1) to (width, y + 10) in twips, so
// bands stand 10 twips apart and each overlaps the next by one twip.
struct GradientBand {
    int y;
    qint32 rgb;
};

inline constexpr int GradientBandSpacing = 10;

// Rounds to the nearest whole number, halves to the even neighbour.
int roundHalfEven(double value);

// The bands from startRgb at the top to endRgb, over an inner height in twips. The first band has
// exactly the start colour; each later one moves a tenth of a twip's share of the difference per
// twip, so a height that is a multiple of 10 ends exactly on the end colour.
QList<GradientBand> gradientBands(qint32 startRgb, qint32 endRgb, double innerHeight);

// The colour of the shadow text on a background: each channel darkened by 24 over a gradient
// (which the shadow only partly covers) and by 96 on a flat background, never below 0.
qint32 shadowRgb(qint32 backgroundRgb, bool overGradient);

} // namespace Notiva
