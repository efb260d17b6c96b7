// SPDX-License-Identifier: MIT
#pragma once

#include "filechooser.h"

#include <QPointer>
#include <QWidget>

namespace pantrex {

// The real file-open dialog: a QFileDialog, modal over the given window, that offers the existing
// files of the request's folder and stays in that folder.
class QtFileChooser : public FileChooser {
public:
    explicit QtFileChooser(QWidget* parent = nullptr) : m_parent(parent) {}

    QString openFile(const Request& request) override;
    QString saveFile(const Request& request) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace pantrex
