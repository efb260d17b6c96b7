// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dialogs.h"

namespace pantrex {

// The message and input boxes the custom-list operations show.

inline void say(Dialogs& dialogs, const QString& text, const QString& title = QString(),
                Dialogs::Icon icon = Dialogs::Icon::None) {
    Dialogs::Message box;
    box.text = text;
    box.title = title;
    box.icon = icon;
    dialogs.message(box);
}

inline Dialogs::Answer ask(Dialogs& dialogs, const QString& text, const QString& title, Dialogs::Buttons buttons) {
    Dialogs::Message box;
    box.text = text;
    box.title = title;
    box.buttons = buttons;
    box.icon = Dialogs::Icon::Question;
    return dialogs.message(box);
}

// A typed name; an answer of blanks only counts as no answer.
inline QString askName(Dialogs& dialogs, const QString& prompt, const QString& title) {
    Dialogs::Input box;
    box.prompt = prompt;
    box.title = title;
    const QString answer = dialogs.input(box);
    return answer.trimmed().isEmpty() ? QString() : answer;
}

} // namespace pantrex
