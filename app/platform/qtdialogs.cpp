#include "qtdialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

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

Dialogs::Answer QtDialogs::message(const Message& box) {
    QMessageBox dialog(iconOf(box.icon), box.title, box.text, QMessageBox::NoButton, m_parent);
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
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(box.title);
    dialog.setLabelText(box.prompt);
    dialog.setTextValue(box.defaultText);
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

} // namespace pantrex
