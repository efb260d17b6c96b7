// SPDX-License-Identifier: MIT
// Qt's QSaveFile writes through a link to wherever it leads, and QFile opens whatever has the name,
// waiting on a named pipe for a writer that never comes. These keep the same atomic way of saving but
// look at what the name is first, and open what they open without following or waiting.
#include "safefile.h"

#include "filechannels.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#include <vector>

namespace pantrex {

namespace {

struct FileTexts {
    Q_DECLARE_TR_FUNCTIONS(DataFiles)
};

QString notARegularFile() {
    return FileTexts::tr("it is not a regular file");
}
QString linkLeadsOut() {
    return FileTexts::tr("it is a link to a file outside the working folder");
}
QString linkNotFollowed() {
    return FileTexts::tr("it is a link to another file");
}
QString linkLeadsNowhere() {
    return FileTexts::tr("it is a link to a file that is not there");
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

enum class Kind { Missing, Regular, Link, Other, Unknown };

Kind kindOf(const QString& path, int& error) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        error = errno;
        return error == ENOENT ? Kind::Missing : Kind::Unknown;
    }
    if (S_ISREG(status.st_mode))
        return Kind::Regular;
    return S_ISLNK(status.st_mode) ? Kind::Link : Kind::Other;
}

// What the link at path leads to, when that is within path's own folder; empty otherwise.
QString linkTargetWithinFolder(const QString& path) {
    const QFileInfo link(path);
    QString target = link.canonicalFilePath();
    const QString folder = QFileInfo(link.absolutePath()).canonicalFilePath();
    if (target.isEmpty() || folder.isEmpty() || !target.startsWith(folder + QLatin1Char('/')))
        return {};
    return target;
}

int modeOf(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 ? int(status.st_mode) : 0;
}

QString sixLetters() {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    QString text;
    for (int i = 0; i < 6; ++i)
        text += QLatin1Char(letters[QRandomGenerator::global()->bounded(52)]);
    return text;
}

} // namespace

bool writeWhole(QFileDevice& device, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const qint64 written = device.write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

OpenOutcome openRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode, bool create, QString& why,
                            bool mayFollowLink) {
    why.clear();
    int error = 0;
    QString target = path;
    const Kind kind = kindOf(path, error);
    switch (kind) {
    case Kind::Missing:
        if (!create) {
            why = systemReason(ENOENT);
            return OpenOutcome::Failed;
        }
        break;
    case Kind::Unknown:
        why = systemReason(error);
        return OpenOutcome::Failed;
    case Kind::Other:
        why = notARegularFile();
        return OpenOutcome::Refused;
    case Kind::Link:
        target = mayFollowLink ? linkTargetWithinFolder(path) : QString();
        if (target.isEmpty()) {
            why = !mayFollowLink                                  ? linkNotFollowed()
                  : QFileInfo(path).canonicalFilePath().isEmpty() ? linkLeadsNowhere()
                                                                  : linkLeadsOut();
            return OpenOutcome::Refused;
        }
        break;
    case Kind::Regular:
        break;
    }
    // Not waiting, so that a named pipe put there in the meantime is found out by fstat, not waited on.
    int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    flags |= mode.testFlag(QIODevice::WriteOnly) ? O_RDWR : O_RDONLY;
    if (create && kind == Kind::Missing)
        flags |= O_CREAT;
    const int fd = ::open(QFile::encodeName(target).constData(), flags, 0666);
    if (fd < 0) {
        error = errno;
        why = error == ELOOP ? linkNotFollowed() : systemReason(error);
        return error == ELOOP ? OpenOutcome::Refused : OpenOutcome::Failed;
    }
    if (!S_ISREG(modeOf(fd))) {
        ::close(fd);
        why = notARegularFile();
        return OpenOutcome::Refused;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, mode | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        why = file.errorString();
        return OpenOutcome::Failed;
    }
    return OpenOutcome::Opened;
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 length, QString& why, bool mayFollowLink) {
    QFile file;
    if (openRegularFile(file, path, QIODevice::ReadOnly, false, why, mayFollowLink) != OpenOutcome::Opened)
        return std::nullopt;
    QByteArray bytes = length < 0 ? file.readAll() : file.read(length);
    if (file.error() != QFileDevice::NoError) {
        why = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

bool isRefusedDataFile(const QString& path, QString& why) {
    int error = 0;
    why.clear();
    switch (kindOf(path, error)) {
    case Kind::Other:
        why = notARegularFile();
        break;
    case Kind::Link:
        if (linkTargetWithinFolder(path).isEmpty())
            why = QFileInfo(path).canonicalFilePath().isEmpty() ? linkLeadsNowhere() : linkLeadsOut();
        else if (!QFileInfo(path).isFile())
            why = notARegularFile();
        break;
    default:
        break;
    }
    return !why.isEmpty();
}

bool isRemovable(const QString& path, QString& why) {
    int error = 0;
    const Kind kind = kindOf(path, error);
    why = kind == Kind::Other ? notARegularFile() : kind == Kind::Unknown ? systemReason(error) : QString();
    return why.isEmpty();
}

FileReplacement::FileReplacement(const QString& path) : m_path(QFileInfo(path).absoluteFilePath()) {}

FileReplacement::~FileReplacement() {
    abandon();
}

bool FileReplacement::open() {
    abandon();
    int error = 0;
    switch (kindOf(m_path, error)) {
    case Kind::Other:
        return fail(notARegularFile());
    case Kind::Unknown:
        return fail(systemReason(error));
    case Kind::Regular: {
        // A file the user has marked read-only keeps its content, as with any save.
        if (!QFileInfo(m_path).isWritable())
            return fail(FileTexts::tr("Existing file %1 is not writable").arg(m_path));
        struct stat status {};
        m_mode = ::stat(QFile::encodeName(m_path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
        break;
    }
    case Kind::Link: // replaced by the new file itself
    case Kind::Missing:
        m_mode = -1;
        break;
    }
    // Unnamed until it is complete, as Qt's own saves are: a save cut short leaves nothing behind.
    const QString folder = QFileInfo(m_path).absolutePath();
    int fd = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        // A file system without unnamed files: a named one, recognised as a save's at the next start.
        fd = withNewName([](const QByteArray& path) {
            return ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        });
    }
    if (fd < 0)
        return fail(systemReason(errno));
    if ((m_mode >= 0 && ::fchmod(fd, mode_t(m_mode)) != 0) ||
        !m_new.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        const int reason = errno;
        ::close(fd);
        abandon();
        return fail(systemReason(reason));
    }
    return true;
}

// Calls make with new names beside the file ("<name>.<six letters>") until it gives something other
// than -1 for EEXIST, and keeps the name that took. The letters always read as a save's, never as a word.
int FileReplacement::withNewName(const std::function<int(const QByteArray&)>& make) {
    const QFileInfo info(m_path);
    const QString name = info.fileName();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = name + QLatin1Char('.') + sixLetters();
        if (!isSaveLeftover(candidate, name))
            continue;
        const QString newPath = info.absolutePath() + QLatin1Char('/') + candidate;
        const int result = make(QFile::encodeName(newPath));
        if (result >= 0)
            m_newPath = newPath;
        if (result >= 0 || errno != EEXIST)
            return result;
    }
    errno = EEXIST;
    return -1;
}

bool FileReplacement::write(QByteArrayView bytes) {
    if (!m_new.isOpen())
        return fail(FileTexts::tr("the new file is not open"));
    if (!writeWhole(m_new, bytes)) {
        const QString why = m_new.errorString();
        abandon();
        return fail(why);
    }
    return true;
}

// Many pieces go out a thousand at a time, each call carrying on where the disk stopped taking.
bool FileReplacement::write(const QList<QByteArrayView>& pieces) {
    if (!m_new.isOpen())
        return fail(FileTexts::tr("the new file is not open"));
    std::vector<iovec> left;
    left.reserve(size_t(pieces.size()));
    for (const QByteArrayView piece : pieces) {
        if (!piece.isEmpty())
            left.push_back({const_cast<char*>(piece.data()), size_t(piece.size())});
    }
    size_t first = 0;
    while (first < left.size()) {
        const int count = int(std::min<size_t>(left.size() - first, IOV_MAX));
        const ssize_t written = ::writev(m_new.handle(), left.data() + first, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : ENOSPC;
            abandon();
            return fail(systemReason(error));
        }
        for (size_t taken = size_t(written); taken > 0;) {
            iovec& piece = left[first];
            const size_t part = std::min(taken, piece.iov_len);
            piece.iov_base = static_cast<char*>(piece.iov_base) + part;
            piece.iov_len -= part;
            taken -= part;
            if (piece.iov_len == 0)
                ++first;
        }
    }
    return true;
}

void FileReplacement::makeOwnerWritable() {
    if (m_new.isOpen())
        (void)::fchmod(m_new.handle(), mode_t(modeOf(m_new.handle()) & 07777) | S_IRUSR | S_IWUSR);
}

bool FileReplacement::commit() {
    if (!m_new.isOpen())
        return fail(FileTexts::tr("the new file is not open"));
    const int fd = m_new.handle();
    if (::fdatasync(fd) != 0) {
        const int error = errno;
        abandon();
        return fail(systemReason(error));
    }
    if (m_newPath.isEmpty()) {
        const QByteArray unnamed = "/proc/self/fd/" + QByteArray::number(fd);
        const auto link = [&unnamed](const QByteArray& path) {
            return ::linkat(AT_FDCWD, unnamed.constData(), AT_FDCWD, path.constData(), AT_SYMLINK_FOLLOW);
        };
        // Where nothing has the name yet, the file simply takes it.
        if (link(QFile::encodeName(m_path)) == 0) {
            m_new.close();
            return true;
        }
        const int linked = errno == EEXIST ? withNewName(link) : -1;
        if (linked != 0) {
            const int error = errno;
            abandon();
            return fail(systemReason(error));
        }
    }
    m_new.close();
    // Looked at again: whatever took the name meanwhile and is not a file is left where it is.
    int error = 0;
    if (kindOf(m_path, error) == Kind::Other) {
        abandon();
        return fail(notARegularFile());
    }
    if (::rename(QFile::encodeName(m_newPath).constData(), QFile::encodeName(m_path).constData()) != 0) {
        error = errno;
        abandon();
        return fail(systemReason(error));
    }
    m_newPath.clear();
    return true;
}

void FileReplacement::abandon() {
    m_new.close();
    if (!m_newPath.isEmpty())
        ::unlink(QFile::encodeName(m_newPath).constData());
    m_newPath.clear();
}

bool FileReplacement::fail(const QString& why) {
    m_error = why;
    return false;
}

} // namespace pantrex
