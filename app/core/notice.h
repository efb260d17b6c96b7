// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

namespace pantrex {

// What an operation has to tell the user: the exact text, the title (empty: the program's name)
// and how grave it is. The core hands notices back; each face shows them its own way (a message
// box in the windows, a line on the page, a line on standard error).
struct Notice {
    enum class Kind { Plain, Information, Warning, Error };

    QString text;
    QString title;
    Kind kind = Kind::Plain;
    // The box shows an empty title, not the program's name.
    bool noTitle = false;

    // A notice whose box has an empty title.
    static Notice withoutTitle(const QString& text, Kind kind = Kind::Plain) { return {text, QString(), kind, true}; }
    // A file could not be used: the file layer's own words, as an error.
    static Notice fileError(const QString& error) { return {error, QString(), Kind::Error}; }
};

// The notices of an operation, in the order they are to be shown.
using Notices = QList<Notice>;

} // namespace pantrex
