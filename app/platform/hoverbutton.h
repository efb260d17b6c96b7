// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

namespace pantrex {

// A push button with the program's hover look: raised and highlighted while the pointer rests on
// it, flat otherwise. Who turns the look on and off is up to the window (its hint rules).
class HoverButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(bool hoverLook READ hoverLook WRITE setHoverLook)

public:
    // A captioned button; screen readers call it by its caption without the access-key "&".
    HoverButton(const QString& objectName, const QString& caption, QWidget* parent);
    // A picture button, named for screen readers and in its tooltip.
    HoverButton(const QString& objectName, const QIcon& picture, const QString& name, QWidget* parent);

    bool hoverLook() const { return m_hoverLook; }
    void setHoverLook(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_hoverLook = false;
};

} // namespace pantrex
