// SPDX-License-Identifier: MIT
#include "recordfile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <future>

#include <unistd.h>

namespace pantrex {

namespace {

struct FileTexts {
    Q_DECLARE_TR_FUNCTIONS(DataFiles)
};

QString displayName(const QString& path) {
    return QFileInfo(path).fileName();
}

// Whether the file open as fd begins with exactly these bytes, read a piece at a time by position;
// nothing, with why set, when it cannot be read.
std::optional<bool> holdsAt(int fd, QByteArrayView bytes, QString& why) {
    constexpr qint64 PieceBytes = 1 << 20;
    QByteArray piece(qsizetype(std::min<qint64>(bytes.size(), PieceBytes)), Qt::Uninitialized);
    for (qint64 at = 0; at < bytes.size();) {
        const size_t length = size_t(std::min<qint64>(piece.size(), bytes.size() - at));
        const ssize_t got = ::pread(fd, piece.data(), length, off_t(at));
        if (got < 0 && errno == EINTR)
            continue;
        if (got == 0) // shortened meanwhile
            return false;
        if (got < 0) {
            why = qt_error_string(errno);
            return std::nullopt;
        }
        if (std::memcmp(piece.constData(), bytes.data() + at, size_t(got)) != 0)
            return false;
        at += got;
    }
    return true;
}

} // namespace

RecordFile::RecordFile(const QString& path, int recordLength)
    : m_path(path), m_recordLength(recordLength), m_file(path) {}

RecordFile::~RecordFile() = default;

// A file the user has marked read-only is still opened, read-only, so that it can be listed and
// printed; every write then fails with a message saying why. Whole records are read and written in
// single calls, so the file needs no buffer of its own: without one every write reaches the system
// at once and fails there with its reason.
bool RecordFile::open() {
    const QString name = displayName(m_path);
    if (m_recordLength < 1)
        return fail(FileTexts::tr("Could not open %1").arg(name), FileTexts::tr("the record length is not valid"));
    if (m_file.isOpen())
        return true;
    QString why;
    if (!openOnDisk(true, why))
        return fail(FileTexts::tr("Could not open %1").arg(name), why);
    return true;
}

// Read and write where the system allows it, else read only; a missing file is made only when create
// says so. Something that is not a regular file of the working folder is never opened.
bool RecordFile::openOnDisk(bool create, QString& why) {
    const OpenOutcome outcome = openRegularFile(m_file, m_path, QIODevice::ReadWrite, create, why);
    if (outcome != OpenOutcome::Failed)
        return outcome == OpenOutcome::Opened;
    QString readOnlyWhy;
    return openRegularFile(m_file, m_path, QIODevice::ReadOnly, false, readOnlyWhy) == OpenOutcome::Opened;
}

void RecordFile::close() {
    m_file.close();
}

bool RecordFile::isOpen() const {
    return m_file.isOpen();
}

qint64 RecordFile::count() const {
    if (!m_file.isOpen() || m_recordLength < 1)
        return 0;
    return m_file.size() / m_recordLength;
}

std::optional<Record> RecordFile::read(qint64 n) const {
    const std::optional<QByteArray> bytes = readRange(n, 1);
    if (!bytes)
        return std::nullopt;
    return Record(m_recordLength, *bytes);
}

std::optional<QList<Record>> RecordFile::readFirst(qint64 n) const {
    if (n == 0)
        return QList<Record>();
    return recordsIn(readRange(1, n));
}

std::optional<QList<Record>> RecordFile::readAll() const {
    return readFirst(count());
}

std::optional<QByteArray> RecordFile::readAllBytes() const {
    const qint64 n = count();
    if (n == 0 && m_file.isOpen())
        return QByteArray();
    return readRange(1, n);
}

std::optional<bool> RecordFile::holds(QByteArrayView records) const {
    const QString what = FileTexts::tr("Could not read %1").arg(displayName(m_path));
    if (!m_file.isOpen()) {
        fail(what, FileTexts::tr("the file is not open"));
        return std::nullopt;
    }
    const qint64 whole = count() * m_recordLength;
    if (whole != records.size() / m_recordLength * m_recordLength)
        return false;
    QString why;
    const std::optional<bool> held = holdsAt(m_file.handle(), records.first(whole), why);
    if (!held)
        fail(what, why);
    return held;
}

std::optional<QList<Record>> RecordFile::recordsIn(const std::optional<QByteArray>& bytes) const {
    if (!bytes)
        return std::nullopt;
    QList<Record> records;
    records.reserve(bytes->size() / m_recordLength);
    for (qsizetype offset = 0; offset < bytes->size(); offset += m_recordLength)
        records.append(Record(m_recordLength, QByteArrayView(*bytes).sliced(offset, m_recordLength)));
    return records;
}

// Records first to first + n - 1, in one read.
std::optional<QByteArray> RecordFile::readRange(qint64 first, qint64 n) const {
    const QString what = FileTexts::tr("Could not read %1").arg(displayName(m_path));
    if (!m_file.isOpen()) {
        fail(what, FileTexts::tr("the file is not open"));
        return std::nullopt;
    }
    const qint64 last = first + n - 1;
    if (first < 1 || n < 1 || last > count()) {
        fail(what,
             FileTexts::tr("it holds %1 records, not %2; another program may have changed it").arg(count()).arg(last));
        return std::nullopt;
    }
    const qint64 length = n * m_recordLength;
    QByteArray bytes;
    if (m_file.seek((first - 1) * m_recordLength))
        bytes = m_file.read(length);
    if (bytes.size() != length) {
        fail(what, m_file.errorString());
        return std::nullopt;
    }
    return bytes;
}

bool RecordFile::write(qint64 n, const Record& record) {
    const QString what = FileTexts::tr("Could not write to %1").arg(displayName(m_path));
    if (!canWrite(what, {}))
        return false;
    if (record.length() != m_recordLength)
        return fail(what, FileTexts::tr("the record does not fit this file"));
    if (n < 1 || n > count() + 1)
        return fail(what, FileTexts::tr("there is no record %1").arg(n));
    const bool appending = n == count() + 1;
    changed();
    if (!m_file.seek((n - 1) * m_recordLength) || !writeWhole(m_file, record.bytes()) || !m_file.flush()) {
        const QString why = m_file.errorString();
        // An append the disk took only part of is taken off again: no piece of a record stays behind.
        if (appending)
            dropPartialRecord();
        return fail(what, why);
    }
    return true;
}

bool RecordFile::append(const Record& record) {
    return write(count() + 1, record);
}

// Whether the records may be written to the file now; on failure errorString begins with what.
bool RecordFile::canWrite(const QString& what, const QList<Record>& records) const {
    if (!m_file.isOpen())
        return fail(what, FileTexts::tr("the file is not open"));
    if (!stillWritable(what))
        return false;
    for (const Record& record : records) {
        if (record.length() != m_recordLength)
            return fail(what, FileTexts::tr("a record does not fit this file"));
    }
    return true;
}

bool RecordFile::appendAll(const QList<Record>& records, qint64& appended) {
    const QString what = FileTexts::tr("Could not write to %1").arg(displayName(m_path));
    appended = 0;
    if (!canWrite(what, records))
        return false;
    const qint64 before = count();
    changed();
    if (!m_file.seek(before * m_recordLength))
        return fail(what, m_file.errorString());
    // A few hundred records to a write: each write puts whole records on disk.
    const qsizetype perWrite = qMax<qsizetype>(1, 64 * 1024 / m_recordLength);
    QByteArray bytes;
    for (qsizetype first = 0; first < records.size(); first += perWrite) {
        bytes.clear();
        for (qsizetype i = first; i < qMin(first + perWrite, records.size()); ++i)
            bytes += records.at(i).bytes();
        if (!writeWhole(m_file, bytes) || !m_file.flush()) {
            const QString why = m_file.errorString();
            dropPartialRecord();
            appended = qMax<qint64>(0, count() - before);
            return fail(what, why);
        }
    }
    appended = records.size();
    return true;
}

// After a failed write: a record cut short at the end of the file is taken off again.
void RecordFile::dropPartialRecord() {
    const qint64 size = m_file.size();
    if (size % m_recordLength != 0)
        (void)m_file.resize(size - size % m_recordLength);
}

bool RecordFile::rewrite(const QList<Record>& records) {
    const QString what = FileTexts::tr("Could not save %1").arg(displayName(m_path));
    if (!canWrite(what, records))
        return false;
    QByteArray bytes;
    bytes.reserve(records.size() * m_recordLength);
    for (const Record& record : records)
        bytes += record.bytes();
    return rewriteBytes(bytes);
}

bool RecordFile::rewriteBytes(const QByteArray& bytes) {
    return rewritePieces({QByteArrayView(bytes)});
}

bool RecordFile::rewritePieces(const QList<QByteArrayView>& pieces) {
    const QString what = FileTexts::tr("Could not save %1").arg(displayName(m_path));
    FileReplacement save(m_path);
    return writeReplacement(save, pieces, what) && putInPlace(save, what);
}

RecordFile::GuardedRewrite RecordFile::rewritePiecesIfHolds(QByteArrayView expected,
                                                            const QList<QByteArrayView>& pieces,
                                                            const std::function<void()>& whileStoring) {
    const QString readWhat = FileTexts::tr("Could not read %1").arg(displayName(m_path));
    if (!m_file.isOpen()) {
        fail(readWhat, FileTexts::tr("the file is not open"));
        return GuardedRewrite::ReadFailed;
    }
    const qint64 whole = count() * m_recordLength;
    if (whole != expected.size() / m_recordLength * m_recordLength)
        return GuardedRewrite::Differs;
    // The file is compared while the new content is written beside it: the comparison reads the
    // open file by position and touches nothing else of this object, and it is over before the file
    // is let go of.
    QString readWhy;
    std::future<std::optional<bool>> comparison =
        std::async(std::launch::async, [fd = m_file.handle(), expected, whole, &readWhy] {
            return holdsAt(fd, expected.first(whole), readWhy);
        });
    const QString what = FileTexts::tr("Could not save %1").arg(displayName(m_path));
    FileReplacement save(m_path);
    const bool written = writeReplacement(save, pieces, what);
    const std::optional<bool> held = comparison.get();
    if (!held) {
        fail(readWhat, readWhy);
        return GuardedRewrite::ReadFailed;
    }
    if (!*held)
        return GuardedRewrite::Differs;
    if (!written)
        return GuardedRewrite::WriteFailed;
    std::future<void> alongside;
    if (whileStoring)
        alongside = std::async(std::launch::async, whileStoring);
    const bool stored = putInPlace(save, what);
    if (alongside.valid())
        alongside.get();
    return stored ? GuardedRewrite::Done : GuardedRewrite::WriteFailed;
}

// The new content goes to a temporary file beside the old one; the old one is not touched until
// the new one is completely on disk.
bool RecordFile::writeReplacement(FileReplacement& save, const QList<QByteArrayView>& pieces, const QString& what) {
    if (!canWrite(what, {}))
        return false;
    qint64 size = 0;
    for (const QByteArrayView piece : pieces)
        size += piece.size();
    if (m_recordLength < 1 || size % m_recordLength != 0)
        return fail(what, FileTexts::tr("a record does not fit this file"));
    // Unbuffered writes, so that a disk without room fails here: a buffered write would only fail
    // inside commit, which then still puts the cut file in place.
    if (!save.open())
        return fail(what, save.errorString());
    if (!save.write(pieces))
        return fail(what, save.errorString());
    return true;
}

bool RecordFile::putInPlace(FileReplacement& save, const QString& what) {
    // Some systems will not rename over a file that is open, so let go of it for the moment.
    m_file.close();
    changed();
    const bool saved = save.commit();
    const QString why = save.errorString();
    QString reopenWhy;
    if (!openOnDisk(false, reopenWhy)) {
        if (saved)
            return fail(FileTexts::tr("Saved %1 but could not open it again").arg(displayName(m_path)), reopenWhy);
        return fail(what, why);
    }
    if (!saved)
        return fail(what, why);
    return true;
}

bool RecordFile::rewriteFirst(const QList<Record>& records) {
    if (!canWrite(FileTexts::tr("Could not save %1").arg(displayName(m_path)), records))
        return false;
    const std::optional<QByteArray> old = readAllBytes();
    if (!old)
        return false;
    QByteArray bytes;
    for (const Record& record : records)
        bytes += record.bytes();
    if (old->size() > bytes.size())
        bytes += QByteArrayView(*old).sliced(bytes.size());
    return rewriteBytes(bytes);
}

// The file may have been marked read-only, or removed, since it was opened; writes to the open file
// would still go through, into a file no longer in the folder once removed. Opening it again for
// writing asks the system itself, and changes nothing in the file (nor creates one).
bool RecordFile::stillWritable(const QString& what) const {
    if (!m_file.isWritable())
        return fail(what, FileTexts::tr("the file is read-only"));
    QFile probe;
    QString why;
    switch (openRegularFile(probe, m_path, QIODevice::ReadWrite, false, why)) {
    case OpenOutcome::Opened:
        return true;
    case OpenOutcome::Refused:
        return fail(what, why);
    case OpenOutcome::Failed:
        break;
    }
    if (!QFileInfo(m_path).isSymLink() && !QFileInfo::exists(m_path))
        return fail(what, FileTexts::tr("another program has removed it"));
    return fail(what, FileTexts::tr("the file is read-only"));
}

void RecordFile::changed() {
    if (m_revision)
        ++*m_revision;
}

bool RecordFile::fail(const QString& what, const QString& why) const {
    m_error = what + QStringLiteral(": ") + why;
    return false;
}

} // namespace pantrex
