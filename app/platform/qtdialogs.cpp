// SPDX-License-Identifier: MIT
#include "qtdialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

#include <utility>
#include <vector>

namespace pantrex {

namespace {

using StandardButton = QMessageBox::StandardButton;

std::vector<std::pair<StandardButton, Dialogs::Answer>> buttonsOf(Dialogs::Buttons buttons) {
    using A = Dialogs::Answer;
    switch (buttons) {
    case Dialogs::Buttons::Ok:
        return {{QMessageBox::Ok, A::Ok}};
    case Dialogs::Buttons::OkCancel:
        return {{QMessageBox::Ok, A::Ok}, {QMessageBox::Cancel, A::Cancel}};
    case Dialogs::Buttons::YesNo:
        return {{QMessageBox::Yes, A::Yes}, {QMessageBox::No, A::No}};
    case Dialogs::Buttons::YesNoCancel:
        return {{QMessageBox::Yes, A::Yes}, {QMessageBox::No, A::No}, {QMessageBox::Cancel, A::Cancel}};
    case Dialogs::Buttons::RetryCancel:
        return {{QMessageBox::Retry, A::Retry}, {QMessageBox::Cancel, A::Cancel}};
    case Dialogs::Buttons::AbortRetryIgnore:
        return {{QMessageBox::Abort, A::Abort}, {QMessageBox::Retry, A::Retry}, {QMessageBox::Ignore, A::Ignore}};
    }
    return {{QMessageBox::Ok, A::Ok}};
}

QMessageBox::Icon iconOf(Dialogs::Icon icon) {
    switch (icon) {
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void keepTitleEmpty(QWidget& window, const QString& title) {
    if (!title.isEmpty())
        return;
    // The window system shows the program's name for a window without a title; a blank title bar
    // keeps "no title" apart from "Pantrex". The widget's own title, which screen readers get,
    // stays empty.
    window.winId();
    if (QWindow* handle = window.windowHandle())
        handle->setTitle(QStringLiteral(" "));
}

// A box belongs to the window the user is working in (a dialog, say), so that it is centred on it
// and hands the focus back to it when it closes.
QWidget* QtDialogs::owner() const {
    QWidget* active = QApplication::activeWindow();
    return active ? active : m_parent.data();
}

Dialogs::Answer QtDialogs::message(const Message& box) {
    QMessageBox dialog(iconOf(box.icon), box.title, box.text, QMessageBox::NoButton, owner());
    // Texts carry product names, which are never markup.
    dialog.setTextFormat(Qt::PlainText);
    keepTitleEmpty(dialog, box.title);
    const auto buttons = buttonsOf(box.buttons);
    for (const auto& [button, answer] : buttons)
        dialog.addButton(button);
    const int defaultIndex =
        (box.defaultButton >= 0 && box.defaultButton < int(buttons.size())) ? box.defaultButton : 0;
    dialog.setDefaultButton(buttons[size_t(defaultIndex)].first);
    // Escape and the close box: Cancel where there is one, else the only button.
    if (buttons.size() == 1)
        dialog.setEscapeButton(buttons.front().first);
    dialog.exec();
    const auto clicked = dialog.standardButton(dialog.clickedButton());
    for (const auto& [button, answer] : buttons) {
        if (button == clicked)
            return answer;
    }
    for (const auto& [button, answer] : buttons) {
        if (answer == Answer::Cancel)
            return answer;
    }
    return buttons.size() == 1 ? buttons.front().second : Answer::Cancel;
}

QString QtDialogs::input(const Input& box) {
    QInputDialog dialog(owner());
    dialog.setWindowTitle(box.title);
    dialog.setLabelText(box.prompt);
    dialog.setTextValue(box.defaultText);
    dialog.setInputMode(QInputDialog::TextInput);
    for (QLabel* label : dialog.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    keepTitleEmpty(dialog, box.title);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

} // namespace pantrex
