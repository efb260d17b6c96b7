// SPDX-License-Identifier: MIT
#pragma once

#include "core/notice.h"

#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>

namespace pantrex {

// Claims the working folder for this run: the folder must exist (it is created when missing) and
// be writable, and no other Pantrex may be working in it. The claim lasts as long as this object.
// Once claimed, what a save cut short by an earlier run left beside a data file is removed.
class WorkingFolder {
public:
    explicit WorkingFolder(const QString& folder);
    ~WorkingFolder();

    // Tries to claim the folder: nothing comes back once it is claimed; else what the user must be
    // told, and nothing in the folder was changed.
    std::optional<Notice> claim();

    QString path() const { return m_path; }
    static QString lockFileName() { return QStringLiteral(".pantrex.lock"); }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace pantrex
