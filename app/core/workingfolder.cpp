// SPDX-License-Identifier: MIT
#include "workingfolder.h"

#include "core/undohistory.h"
#include "data/filechannels.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdlib>

namespace pantrex {

namespace {

struct FolderTexts {
    Q_DECLARE_TR_FUNCTIONS(WorkingFolder)
};

constexpr qint64 UnknownOwnerGraceMs = 5000;

// A lock names its process; one that names none (left empty by a crash or a power cut between
// creating and writing it, or garbled by a sync tool) can never be found stale by the process
// test, so it counts as stale once it has not been touched for a few seconds. A program that just
// created its lock writes its process id at once.
bool ownerUnknownForAWhile(const QLockFile& lock, const QString& path) {
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application))
        return false;
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
    return std::abs(age) > UnknownOwnerGraceMs;
}

// Qt removes a stale lock only after making sure no other process holds it open; a lock that may
// not even be opened (no permissions at all) is removed as a plain file.
std::optional<Notice> refusal(const QString& text) {
    return Notice{text, QString(), Notice::Kind::Error};
}

bool removeLock(QLockFile& lock, const QString& path) {
    return lock.removeStaleLockFile() || QFile::remove(path);
}

} // namespace

WorkingFolder::WorkingFolder(const QString& folder) : m_path(QDir(folder).absolutePath()) {}

WorkingFolder::~WorkingFolder() = default;

std::optional<Notice> WorkingFolder::claim() {
    const QString shown = QDir::toNativeSeparators(m_path);
    if (!QFileInfo(m_path).isDir() && !QDir().mkpath(m_path)) {
        return refusal(FolderTexts::tr("Pantrex could not create its data folder %1.").arg(shown));
    }
    const QString lockPath = QDir(m_path).filePath(lockFileName());
    auto lock = std::make_unique<QLockFile>(lockPath);
    // The lock is held for the whole run; a lock whose process has gone counts as stale.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0) ||
        (ownerUnknownForAWhile(*lock, lockPath) && removeLock(*lock, lockPath) && lock->tryLock(0))) {
        m_lock = std::move(lock);
        // No other Pantrex saves here now: whatever a save cut short by the last run left goes.
        removeSaveLeftoversIn(QDir(m_path));
        UndoHistory::removeLeftovers(m_path);
        return std::nullopt;
    }
    // Something other than a lock file under the lock's name (a folder) cannot be replaced by one.
    const bool lockIsFile = !QFileInfo(lockPath).exists() || QFileInfo(lockPath).isFile();
    if (lockIsFile && lock->error() == QLockFile::LockFailedError) {
        return refusal(FolderTexts::tr("Pantrex is already running with the data folder %1.\n\n"
                                       "Use the window that is open, or quit it first.")
                           .arg(shown));
    }
    return refusal(FolderTexts::tr("Pantrex cannot write to its data folder %1.\n\n"
                                   "Nothing was changed. Start Pantrex with a folder you may write to.")
                       .arg(shown));
}

} // namespace pantrex
