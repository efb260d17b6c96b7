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
        // Whether the dialog keeps to that folder: the program's own files are used only from the
        // working folder, while a file to carry to another program may be anywhere.
        bool keepToFolder = true;
        // For saving: the name proposed.
        QString name;
    };

    virtual ~FileChooser() = default;
    // Shows the dialog; returns the path of the chosen file, or "" when the user cancelled.
    virtual QString openFile(const Request& request) = 0;
    // The file-save dialog: the path to write to (its owner agreed to replace a file that is there
    // already), or "" when the user cancelled. A chooser that offers no saving answers as cancelled.
    virtual QString saveFile(const Request& request) {
        (void)request;
        return QString();
    }
};

} // namespace pantrex
