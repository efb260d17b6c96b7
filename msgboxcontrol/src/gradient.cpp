// SPDX-License-Identifier: MIT
#include "gradient.h"

#include "colours.h"

#include <algorithm>
#include <array>
#include <cfenv>
#include <cmath>

namespace Notiva {

namespace {

std::array<int, 3> channels(qint32 rgb) {
    return {rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF};
}

} // namespace

int roundHalfEven(double value) {
    const int oldMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(oldMode);
    return static_cast<int>(rounded);
}

QList<GradientBand> gradientBands(qint32 startRgb, qint32 endRgb, double innerHeight) {
    const int height = roundHalfEven(innerHeight);
    if (height <= 0)
        return {GradientBand{0, startRgb & 0xFFFFFF}};
    const std::array<int, 3> start = channels(startRgb);
    const std::array<int, 3> end = channels(endRgb);
    std::array<double, 3> step{};
    std::array<double, 3> running{};
    for (int c = 0; c < 3; ++c) {
        step[c] = static_cast<double>((end[c] - start[c]) * GradientBandSpacing) / height;
        running[c] = start[c];
    }

    QList<GradientBand> bands;
    bands.reserve(height / GradientBandSpacing + 1);
    for (int y = 0; y <= height; y += GradientBandSpacing) {
        std::array<int, 3> colour{};
        for (int c = 0; c < 3; ++c) {
            colour[c] = std::clamp(roundHalfEven(running[c]), 0, 255);
            running[c] += step[c];
        }
        bands.append({y, rgbValue(colour[0], colour[1], colour[2])});
    }
    return bands;
}

qint32 shadowRgb(qint32 backgroundRgb, bool overGradient) {
    const int darken = overGradient ? 24 : 96;
    const std::array<int, 3> c = channels(backgroundRgb);
    return rgbValue(std::max(c[0] - darken, 0), std::max(c[1] - darken, 0), std::max(c[2] - darken, 0));
}

} // namespace Notiva
