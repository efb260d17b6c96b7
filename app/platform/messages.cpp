// SPDX-License-Identifier: MIT
#include "messages.h"

namespace pantrex {

namespace {

Dialogs::Answer showBox(Dialogs& dialogs, const QString& text, const QString& title, Dialogs::Buttons buttons,
                        Dialogs::Icon icon, int defaultButton, bool titled = true) {
    Dialogs::Message box;
    box.text = text;
    if (!title.isEmpty() || !titled)
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

Dialogs::Answer askWithoutTitle(Dialogs& dialogs, const QString& text, Dialogs::Buttons buttons, Dialogs::Icon icon) {
    return showBox(dialogs, text, QString(), buttons, icon, 0, false);
}

void show(Dialogs& dialogs, const Notice& notice) {
    showBox(dialogs, notice.text, notice.title, Dialogs::Buttons::Ok, iconOf(notice.kind), 0, !notice.noTitle);
}

} // namespace pantrex
