// SPDX-License-Identifier: MIT
// MsgBox::Show: fills a message form from the arguments and the control's properties, shows it
// modally and returns the answer.

#include "notiva/msgbox.h"

#include "messageform.h"

#include <QApplication>
#include <QPointer>
#include <QThread>
#include <QWindow>

namespace Notiva {

using namespace Qt::StringLiterals;

namespace {

Qt::Alignment alignmentOf(int alignment) {
    switch (alignment) {
    case vbRightJustify:
        return Qt::AlignRight;
    case vbCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

// Why Show cannot put up a box with these arguments, or an empty string when it can. A box is
// never shown that its user could not answer or that would not show what the host asked for.
QString refusalReason(int buttonGroup, int icon, int alignment) {
    if (buttonGroup < 0 || buttonGroup >= ButtonGroupCount)
        return u"ButtonGroup %1 is not a button group (0 to 15)"_s.arg(buttonGroup);
    if (icon < 0 || icon > PictureCount)
        return u"Icon %1 is not a picture (0 to 30)"_s.arg(icon);
    if (alignment < vbLeftJustify || alignment > vbCenter)
        return u"Alignment %1 is not 0 (left), 1 (right) or 2 (centred)"_s.arg(alignment);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()) ||
        QThread::currentThread() != QCoreApplication::instance()->thread())
        return u"message boxes can only be shown on the GUI thread of a QApplication"_s;
    if (MessageForm::isOpen())
        return u"a message box is already open on this thread"_s;
    return {};
}

} // namespace

int MsgBox::Show(const QString& MessageText, int ButtonGroup, const QString& MessageTitle, int Icon, int Alignment,
                 bool CloseButton) {
    const QString refusal = refusalReason(ButtonGroup, Icon, Alignment);
    if (!refusal.isEmpty()) {
        qWarning("Notiva: MsgBox::Show refused: %s", qUtf8Printable(refusal));
        return mbeRefused;
    }
    QWidget* host = window() != this ? window() : nullptr;
    QPointer<MessageForm> form = new MessageForm(CloseButton, host);
    form->setBackColor(m_backColor);
    form->setMessage(MessageText, alignmentOf(Alignment), m_foreColor, Font());
    if (!MessageTitle.isEmpty()) {
        // "[*]" is Qt's placeholder for a modified mark; doubled, it shows as written.
        form->setWindowTitle(QString(MessageTitle).replace(u"[*]"_s, u"[*][*]"_s));
    } else {
        // The window system would show the program's name for an empty title; a blank keeps it empty.
        form->winId();
        if (QWindow* handle = form->windowHandle())
            handle->setTitle(u" "_s);
    }
    form->showPicture(Icon);
    if (m_shadow)
        form->showShadow();
    form->showButtonGroup(ButtonGroup);
    form->setGradient(m_gradient);
    form->setGradientEndColor(m_gradientEndColor);
    form->setShadowed(m_shadow);

    // The host may tear its window down while the box is open; neither this control nor the form
    // is touched once they are gone.
    form->exec();
    const int answer = form ? form->buttonPressed() : mbeClosed;
    delete form;
    return answer;
}

} // namespace Notiva
