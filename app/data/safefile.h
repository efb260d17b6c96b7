// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace pantrex {

// A name in the working folder may be something other than the file the program wrote there: a sync
// tool, an unpacked archive or a diskette can bring a link to a file anywhere the user may write, a
// named pipe, a device or a folder. What follows opens and replaces files so that the program writes
// only into files of its own and never waits on something that is not a file.

// Writes all of bytes, going on after a write the disk took only part of, so that a failure carries
// the system's reason ("No space left on device") and not an unknown error.
[[nodiscard]] bool writeWhole(QFileDevice& device, QByteArrayView bytes);

enum class OpenOutcome {
    Opened,
    Refused, // not a regular file, or a link the program may not follow: why says which
    Failed,  // the system said no (no such file, no permission, ...): why gives its reason
};

// Opens the regular file at path on file (ReadOnly or ReadWrite, always unbuffered). A link is followed
// only to a regular file within the folder path is in, and only when mayFollowLink; anything that is
// not a regular file is refused before anything is read from it, so a named pipe cannot block. With
// create, a missing file is made empty (never through a link).
OpenOutcome openRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode, bool create, QString& why,
                            bool mayFollowLink = true);

// Up to length bytes from the start (all of them when length is negative) of the file at path, opened
// as openRegularFile does; nothing, with why, when it is missing, refused or cannot be read.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 length, QString& why, bool mayFollowLink = true);

// Whether something is at path that openRegularFile refuses (why says what), as opposed to a file that
// is merely missing or that the system will not open.
bool isRefusedDataFile(const QString& path, QString& why);

// Whether the name may be removed: a regular file or a link (only the link goes, never what it leads
// to). A named pipe, a device or a folder in its place is left as it is, with why.
bool isRemovable(const QString& path, QString& why);

// New content for the file at path: written to a new file beside it, flushed to disk, and renamed over
// the old name only on commit, so that the old content stays whole until the new one is complete. A
// link in the file's place is itself replaced by the new file; what it led to is never written.
// Something that is not a regular file or a link is refused, and left as it is. The new file has no
// name until commit, so that a save cut short leaves nothing; it is then named "<name>.<six letters>"
// (what a save cut short is recognised by at the next start) for the moment it takes to rename it. An
// abandoned replacement removes its new file.
class FileReplacement {
public:
    explicit FileReplacement(const QString& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    [[nodiscard]] bool open();
    // Writes all of bytes, carrying on after a write the disk took only part of.
    [[nodiscard]] bool write(QByteArrayView bytes);
    // Writes the pieces one after another, many to a call.
    [[nodiscard]] bool write(const QList<QByteArrayView>& pieces);
    // The new file keeps the permissions of the file it replaces; this lets its owner read and write it
    // whatever those were.
    void makeOwnerWritable();
    [[nodiscard]] bool commit();
    void abandon();

    QString errorString() const { return m_error; }

private:
    bool fail(const QString& why);
    int withNewName(const std::function<int(const QByteArray&)>& make);

    QString m_path;
    QString m_newPath;
    QFile m_new;
    int m_mode = -1; // the old file's permissions, kept by its replacement; -1 for a new file's
    QString m_error;
};

} // namespace pantrex
