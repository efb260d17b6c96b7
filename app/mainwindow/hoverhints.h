// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <optional>

class QLabel;
class QSinglePointEvent;
class QWidget;

namespace pantrex {

class HoverButton;

// The hint line and hover look of the main window. Resting the pointer on a registered button shows
// its hint and may give it the hover look (and neighbours the normal look); moving over a quiet area
// blanks the hint; moving over the window background also ends every hover look. A message shown
// with showUntilPointerMoves() stays until the pointer next moves over a control.
class HoverHints : public QObject {
    Q_OBJECT

public:
    explicit HoverHints(QLabel* infolbl, QObject* parent = nullptr);

    // A button that shows a hint. With takesHoverLook it gets the hover look and the buttons in
    // normalLook get the normal look.
    void addButton(HoverButton* button, const QString& hint, bool takesHoverLook = false,
                   const QList<HoverButton*>& normalLook = {});
    // A control over which the hint line is blanked.
    void addQuiet(QWidget* widget);
    // The window background: blanks the hint and ends the hover looks of these buttons.
    void addBackground(QWidget* widget);
    void setBackgroundButtons(const QList<HoverButton*>& buttons);

    // Shows text (where a printout went) on the hint line until the pointer next moves over a
    // control. Moves over the window background leave it, and so does a pointer that has not moved:
    // when a dialog closes, the window below is told the pointer is over it now, and the control
    // there must not take the message away before it is read.
    void showUntilPointerMoves(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ButtonHint {
        QPointer<HoverButton> button;
        QString hint;
        bool takesHoverLook;
        QList<QPointer<HoverButton>> normalLook;
    };

    bool isRegistered(const QWidget* widget) const;
    const QWidget* registeredUnderPointer(const QWidget* widget, const QSinglePointEvent* pointer) const;
    bool keepsMessage(const QSinglePointEvent* pointer) const;
    void pointerOnButton(const ButtonHint& entry);
    void pointerOnBackground();

    // Whether some button has the hover look, until the pointer reaches the background.
    bool m_buttonLooksHovered = false;
    QLabel* m_infolbl;
    QList<ButtonHint> m_buttons;
    QList<QObject*> m_quiet;
    QList<QObject*> m_background;
    QList<QPointer<HoverButton>> m_backgroundButtons;
    std::optional<QPoint> m_messageAt; // where the pointer was when the kept message was shown
};

} // namespace pantrex
