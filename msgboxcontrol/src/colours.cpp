// SPDX-License-Identifier: MIT
#include "colours.h"

#include <QGuiApplication>

#include <array>
#include <optional>

namespace Notiva {

namespace {

constexpr quint32 SystemColourFlag = 0x80000000u;
constexpr quint32 PaletteRgbFlag = 0x02000000u;

struct SystemColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The classic system colour indexes 0 to 30 and the palette entry that plays each part on this
// desktop. Index 25 was never assigned.
std::optional<SystemColour> systemColour(quint32 index) {
    using P = QPalette;
    static const std::array<std::optional<SystemColour>, 31> table = {{
        SystemColour{P::Active, P::Mid},             // 0 scroll bar
        SystemColour{P::Active, P::Dark},            // 1 desktop
        SystemColour{P::Active, P::Highlight},       // 2 active caption
        SystemColour{P::Inactive, P::Mid},           // 3 inactive caption
        SystemColour{P::Active, P::Window},          // 4 menu
        SystemColour{P::Active, P::Base},            // 5 window background
        SystemColour{P::Active, P::Shadow},          // 6 window frame
        SystemColour{P::Active, P::WindowText},      // 7 menu text
        SystemColour{P::Active, P::Text},            // 8 window text
        SystemColour{P::Active, P::HighlightedText}, // 9 caption text
        SystemColour{P::Active, P::Window},          // 10 active border
        SystemColour{P::Inactive, P::Window},        // 11 inactive border
        SystemColour{P::Active, P::Dark},            // 12 application workspace
        SystemColour{P::Active, P::Highlight},       // 13 highlight
        SystemColour{P::Active, P::HighlightedText}, // 14 highlighted text
        SystemColour{P::Active, P::Button},          // 15 button face
        SystemColour{P::Active, P::Dark},            // 16 button shadow
        SystemColour{P::Disabled, P::Text},          // 17 grey text
        SystemColour{P::Active, P::ButtonText},      // 18 button text
        SystemColour{P::Inactive, P::WindowText},    // 19 inactive caption text
        SystemColour{P::Active, P::Light},           // 20 button highlight
        SystemColour{P::Active, P::Shadow},          // 21 3D dark shadow
        SystemColour{P::Active, P::Midlight},        // 22 3D light
        SystemColour{P::Active, P::ToolTipText},     // 23 tooltip text
        SystemColour{P::Active, P::ToolTipBase},     // 24 tooltip background
        std::nullopt,                                // 25 unassigned
        SystemColour{P::Active, P::Link},            // 26 hot-tracked item
        SystemColour{P::Active, P::Highlight},       // 27 active caption gradient
        SystemColour{P::Inactive, P::Mid},           // 28 inactive caption gradient
        SystemColour{P::Active, P::Highlight},       // 29 menu highlight
        SystemColour{P::Active, P::Window},          // 30 menu bar
    }};
    return index < table.size() ? table[index] : std::nullopt;
}

} // namespace

qint32 translateColor(quint32 colour) {
    return translateColor(colour, QGuiApplication::palette());
}

qint32 translateColor(quint32 colour, const QPalette& palette) {
    const quint32 kind = colour & 0xFF000000u;
    if (kind == 0 || kind == PaletteRgbFlag)
        return static_cast<qint32>(colour & 0x00FFFFFFu);
    if (kind != SystemColourFlag || (colour & 0x00FF0000u) != 0)
        return -1;
    const std::optional<SystemColour> entry = systemColour(colour & 0xFFFFu);
    if (!entry)
        return -1;
    const QColor c = palette.color(entry->group, entry->role);
    return rgbValue(c.red(), c.green(), c.blue());
}

qint32 rgbValue(int red, int green, int blue) {
    return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
}

QColor colorOf(qint32 rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

} // namespace Notiva
