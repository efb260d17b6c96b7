// SPDX-License-Identifier: MIT
#pragma once

#include "core/notice.h"
#include "platform/dialogs.h"

#include <QString>

namespace pantrex {

// The message boxes every window uses. The title is shown as given: by default the program's name,
// an empty one leaves the title bar blank.

// A box with an OK button and no icon (or the icon given).
void inform(Dialogs& dialogs, const QString& text, const QString& title = Dialogs::programTitle(),
            Dialogs::Icon icon = Dialogs::Icon::None);
// A box with an exclamation mark and an OK button.
void warn(Dialogs& dialogs, const QString& text, const QString& title = Dialogs::programTitle());
// A question; returns the button pressed.
Dialogs::Answer ask(Dialogs& dialogs, const QString& text, const QString& title, Dialogs::Buttons buttons,
                    Dialogs::Icon icon = Dialogs::Icon::Question, int defaultButton = 0);
// What an operation of the core has to say, as a box with an OK button (an empty title is the
// program's name, unless the notice asks for none).
void report(Dialogs& dialogs, const Notice& notice);
// Each of them in turn.
void report(Dialogs& dialogs, const Notices& notices);

} // namespace pantrex
