#include "workingfolder.h"

#include "platform/dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace pantrex {

namespace {

void tell(Dialogs& dialogs, const QString& text) {
    Dialogs::Message box;
    box.text = text;
    box.icon = Dialogs::Icon::Critical;
    dialogs.message(box);
}

} // namespace

WorkingFolder::WorkingFolder(const QString& folder) : m_path(QDir(folder).absolutePath()) {}

WorkingFolder::~WorkingFolder() = default;

bool WorkingFolder::claim(Dialogs& dialogs) {
    const QString shown = QDir::toNativeSeparators(m_path);
    if (!QFileInfo(m_path).isDir() && !QDir().mkpath(m_path)) {
        tell(dialogs, QStringLiteral("Pantrex could not create its data folder %1.").arg(shown));
        return false;
    }
    auto lock = std::make_unique<QLockFile>(QDir(m_path).filePath(lockFileName()));
    // The lock is held for the whole run; only a lock whose process has gone counts as stale.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        return true;
    }
    if (lock->error() == QLockFile::LockFailedError) {
        tell(dialogs, QStringLiteral("Pantrex is already running with the data folder %1.\n\n"
                                     "Use the window that is open, or quit it first.")
                          .arg(shown));
    } else {
        tell(dialogs, QStringLiteral("Pantrex cannot write to its data folder %1.\n\n"
                                     "Nothing was changed. Start Pantrex with a folder you may write to.")
                          .arg(shown));
    }
    return false;
}

} // namespace pantrex
