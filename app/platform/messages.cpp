// SPDX-License-Identifier: MIT
#include "messages.h"

namespace pantrex {

namespace {

Dialogs::Answer showBox(Dialogs& dialogs, const QString& text, const QString& title, Dialogs::Buttons buttons,
                        Dialogs::Icon icon, int defaultButton) {
    Dialogs::Message box;
    box.text = text;
    box.title = title;
    box.buttons = buttons;
    box.icon = icon;
    box.defaultButton = defaultButton;
    return dialogs.message(box);
}

Dialogs::Icon iconOf(Notice::Kind kind) {
    switch (kind) {
    case Notice::Kind::Plain:
        return Dialogs::Icon::None;
    case Notice::Kind::Information:
        return Dialogs::Icon::Information;
    case Notice::Kind::Warning:
        return Dialogs::Icon::Exclamation;
    case Notice::Kind::Error:
        return Dialogs::Icon::Critical;
    }
    return Dialogs::Icon::None;
}

} // namespace

void inform(Dialogs& dialogs, const QString& text, const QString& title, Dialogs::Icon icon) {
    showBox(dialogs, text, title, Dialogs::Buttons::Ok, icon, 0);
}

void warn(Dialogs& dialogs, const QString& text, const QString& title) {
    inform(dialogs, text, title, Dialogs::Icon::Exclamation);
}

Dialogs::Answer ask(Dialogs& dialogs, const QString& text, const QString& title, Dialogs::Buttons buttons,
                    Dialogs::Icon icon, int defaultButton) {
    return showBox(dialogs, text, title, buttons, icon, defaultButton);
}

void report(Dialogs& dialogs, const Notice& notice) {
    const QString title = notice.noTitle ? QString() : notice.title.isEmpty() ? Dialogs::programTitle() : notice.title;
    inform(dialogs, notice.text, title, iconOf(notice.kind));
}

void report(Dialogs& dialogs, const Notices& notices) {
    for (const Notice& notice : notices)
        report(dialogs, notice);
}

} // namespace pantrex
