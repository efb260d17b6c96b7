// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pantrex {

// Message and input boxes go through this interface, so that tests can answer them from a script.
class Dialogs {
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

    // The title a box shows when none is given: the program's name.
    static QString programTitle();

    struct Message {
        QString text;
        QString title = programTitle();
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        int defaultButton = 0; // 0 for the first button, 1 for the second, 2 for the third
    };

    struct Input {
        QString prompt;
        QString title = programTitle();
        QString defaultText;
    };

    virtual ~Dialogs() = default;
    // Shows a message box and returns the pressed button. Closing the box gives Cancel where the
    // box has one, else the single button's answer.
    virtual Answer message(const Message& box) = 0;
    // Shows an input box. Cancel and an empty answer both give "".
    virtual QString input(const Input& box) = 0;
};

// Tells the user that a file could not be used, in the file layer's own words.
void showFileError(Dialogs& dialogs, const QString& error);

} // namespace pantrex
