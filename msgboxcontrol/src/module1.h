#pragma once

#include "notiva/notivaglobal.h"

#include <QColor>
#include <QPalette>

// The state shared by MsgBox::Show and the message form, and the colour helpers. Colours are
// 32-bit values with red in the lowest byte, green in the second and blue in the third.
namespace Notiva::Module1 {

// Whether the next message form keeps its close button. Show sets it before it creates the form,
// which reads it once; one flag per thread, like the form.
NOTIVA_EXPORT extern thread_local bool AllowClose;

// The RGB value of colour, looking a system colour index (high bit set) up in the application's
// palette; -1 when the colour cannot be translated.
NOTIVA_EXPORT qint32 TranslateColor(quint32 colour);
NOTIVA_EXPORT qint32 TranslateColor(quint32 colour, const QPalette& palette);

NOTIVA_EXPORT qint32 RgbValue(int red, int green, int blue);
// The colour of an RGB value; only its three low bytes count, so -1 is white.
NOTIVA_EXPORT QColor ColorOf(qint32 rgb);

} // namespace Notiva::Module1
