// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QString>

// The message form's 30 pictures, drawn as SVG in the library's resources. Picture n belongs to
// IconConstants value n (1 to 30) and is named after it: icnQuestion1 is "question1.svg".
namespace Notiva::Pictures {

inline constexpr int PictureSize = 53;

// ":/notiva/pictures/<name>.svg", or an empty string for a number that names no picture.
QString resourcePath(int icon);
// A name for screen readers: "Question" for icnQuestion1 and icnQuestion2; empty for no picture.
QString description(int icon);
// The picture at 53 by 53 device-independent pixels; a null pixmap for a number that names none.
QPixmap pixmap(int icon, qreal devicePixelRatio = 1.0);

} // namespace Notiva::Pictures
