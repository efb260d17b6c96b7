// SPDX-License-Identifier: MIT
#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace pantrex {

class Dialogs;

// Claims the working folder for this run: the folder must exist (it is created when missing) and
// be writable, and no other Pantrex may be working in it. The claim lasts as long as this object.
// Once claimed, what a save cut short by an earlier run left beside a data file is removed.
class WorkingFolder {
public:
    explicit WorkingFolder(const QString& folder);
    ~WorkingFolder();

    // Tries to claim the folder; on failure tells the user why and returns false, having
    // changed nothing in the folder.
    bool claim(Dialogs& dialogs);

    QString path() const { return m_path; }
    static QString lockFileName() { return QStringLiteral(".pantrex.lock"); }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace pantrex
