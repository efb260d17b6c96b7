// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pantrex {

// The file-open dialog goes through this interface, so that tests can answer it from a script.
class FileChooser {
public:
    struct Request {
        QString title;
        // The files offered, as a name and its patterns: "Pantrex Lists (*.lst)".
        QString filter;
        // The folder the dialog shows first.
        QString folder;
    };

    virtual ~FileChooser() = default;
    // Shows the dialog; returns the path of the chosen file, or "" when the user cancelled.
    virtual QString openFile(const Request& request) = 0;
};

} // namespace pantrex
