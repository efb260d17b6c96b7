// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs.h"

#include <QPointer>
#include <QWidget>

namespace pantrex {

// Gives a window whose title is empty a blank title bar instead of the program's name.
void keepTitleEmpty(QWidget& window, const QString& title);

// The real boxes: QMessageBox and QInputDialog, modal over the given parent window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    Answer message(const Message& box) override;
    QString input(const Input& box) override;

private:
    QWidget* owner() const;

    QPointer<QWidget> m_parent;
};

} // namespace pantrex
