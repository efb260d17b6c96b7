// SPDX-License-Identifier: MIT
#pragma once

#include "core/notice.h"
#include "platform/dialogs.h"

#include <QString>

namespace pantrex {

// The message boxes every window uses. A title left empty is the program's name.

// A box with an OK button and no icon (or the icon given).
void inform(Dialogs& dialogs, const QString& text, const QString& title = QString(),
            Dialogs::Icon icon = Dialogs::Icon::None);
// A box with an exclamation mark and an OK button.
void warn(Dialogs& dialogs, const QString& text, const QString& title = QString());
// A question; returns the button pressed.
Dialogs::Answer ask(Dialogs& dialogs, const QString& text, const QString& title, Dialogs::Buttons buttons,
                    Dialogs::Icon icon = Dialogs::Icon::Question, int defaultButton = 0);
// A question whose box has an empty title rather than the program's name.
Dialogs::Answer askWithoutTitle(Dialogs& dialogs, const QString& text, Dialogs::Buttons buttons,
                                Dialogs::Icon icon = Dialogs::Icon::Question);
// What an operation of the core has to say, as a box with an OK button.
void show(Dialogs& dialogs, const Notice& notice);

} // namespace pantrex
