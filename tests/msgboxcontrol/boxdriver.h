// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

// Acts on the message box once MsgBox::Show has put it up, from inside Show's modal loop. The
// driver watches only while it lives, so a Show that refuses to open a box leaves nothing behind.
class BoxDriver {
public:
    explicit BoxDriver(std::function<void(QDialog*)> action) : m_action(std::move(action)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(5);
    }

    bool acted() const { return m_acted; }

    static QDialog* openBox() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("frmMsgBox") && widget->isVisible())
                return qobject_cast<QDialog*>(widget);
        }
        return nullptr;
    }

private:
    void poll() {
        if (QDialog* box = openBox()) {
            m_timer.stop();
            m_acted = true;
            m_action(box);
            // A failed check returns early from the action; never leave the test stuck in the box.
            if (box->isVisible())
                box->done(QDialog::Rejected);
        }
    }

    std::function<void(QDialog*)> m_action;
    QTimer m_timer;
    bool m_acted = false;
};
