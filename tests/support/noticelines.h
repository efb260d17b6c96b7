// SPDX-License-Identifier: MIT
#pragma once

#include "core/notice.h"

#include <QStringList>

#include <optional>

namespace pantrex::testing {

// A notice as one line: "i " for information, "! " for a warning, "X " for an error; the title in
// brackets, "[]" for the program's name, nothing for a box without a title; then the text.
inline QString line(const Notice& notice) {
    const QString kind = notice.kind == Notice::Kind::Information ? QStringLiteral("i ")
                         : notice.kind == Notice::Kind::Warning   ? QStringLiteral("! ")
                         : notice.kind == Notice::Kind::Error     ? QStringLiteral("X ")
                                                                  : QString();
    const QString title = notice.noTitle ? QString() : QLatin1Char('[') + notice.title + QStringLiteral("] ");
    return kind + title + notice.text;
}

inline QStringList lines(const QList<Notice>& notices) {
    QStringList all;
    for (const Notice& notice : notices)
        all << line(notice);
    return all;
}

// No notice gives no line.
inline QStringList lines(const std::optional<Notice>& notice) {
    return notice ? QStringList{line(*notice)} : QStringList();
}

} // namespace pantrex::testing
