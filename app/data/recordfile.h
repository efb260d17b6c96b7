// SPDX-License-Identifier: MIT
#pragma once

#include "records.h"
#include "safefile.h"

#include <QFile>
#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

namespace pantrex {

// A file of equal-length records, numbered from 1, with no header. A trailing partial record
// (a length that is not a multiple of the record length) is not counted and never read; the
// next append writes over it, and a rewrite drops it.
class RecordFile {
public:
    RecordFile(const QString& path, int recordLength);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens for reading and writing; a missing file is created empty. A file that may not be
    // written (marked read-only) is opened for reading only: it can be counted and read, and
    // every write, append or rewrite fails with an error saying so.
    [[nodiscard]] bool open();
    void close();
    bool isOpen() const;

    const QString& path() const { return m_path; }
    int recordLength() const { return m_recordLength; }
    // Whole records in the file: its length divided by the record length.
    qint64 count() const;

    // Record n (1 to count). Nothing, with errorString saying why, when the file holds no record n
    // (another program may have shortened it) or it cannot be read: a caller never works on made-up
    // bytes.
    [[nodiscard]] std::optional<Record> read(qint64 n) const;
    // Records 1 to n in one read; nothing when the file holds fewer than n whole records or cannot
    // be read.
    [[nodiscard]] std::optional<QList<Record>> readFirst(qint64 n) const;
    // Every whole record, in one read.
    [[nodiscard]] std::optional<QList<Record>> readAll() const;
    // The same as one block of bytes, record after record: for going through many records quickly.
    [[nodiscard]] std::optional<QByteArray> readAllBytes() const;
    // Writes record n (1 to count + 1) and flushes it to disk.
    [[nodiscard]] bool write(qint64 n, const Record& record);
    // Writes the record as number count + 1.
    [[nodiscard]] bool append(const Record& record);
    // Writes the records in order as numbers count + 1 onwards, many at a time. On failure the file
    // keeps, whole, the records written before it (appended says how many) and no part of the
    // record it was writing.
    [[nodiscard]] bool appendAll(const QList<Record>& records, qint64& appended);
    // Replaces the whole content with these records, atomically: the new content goes to a
    // temporary file beside the old one, which is renamed over it only once it is on disk.
    // On any failure the old content stays whole and the file stays open on it.
    [[nodiscard]] bool rewrite(const QList<Record>& records);
    // The same with the records as one block of bytes, whole records only.
    [[nodiscard]] bool rewriteBytes(const QByteArray& bytes);
    // The same with the bytes in pieces, written one after another: a long file changed in a few
    // places is written from the copy in memory without being copied once more.
    [[nodiscard]] bool rewritePieces(const QList<QByteArrayView>& pieces);
    // The same, but only while the file's whole records are still exactly the whole records of
    // expected: the file is compared with them while the new content is written, and the new
    // content is put in place only when they agree. On anything but Done the file is as it was.
    // Once they agree and the new content is written, whileStoring runs beside the last steps (the
    // sync to disk and the rename), when nothing reads expected or the pieces any more: a caller
    // brings its copy of the content up to date there. If the new content then fails to take the
    // file's place, the result is WriteFailed and that copy is out of date.
    enum class GuardedRewrite { Done, Differs, ReadFailed, WriteFailed };
    [[nodiscard]] GuardedRewrite rewritePiecesIfHolds(QByteArrayView expected, const QList<QByteArrayView>& pieces,
                                                      const std::function<void()>& whileStoring = {});
    // Whether the file's whole records are exactly the whole records of these bytes; nothing when
    // it cannot be read. It is read a piece at a time, so a long file takes no second copy in memory.
    [[nodiscard]] std::optional<bool> holds(QByteArrayView records) const;
    // Puts these records in place of the first ones (past the end of a shorter file), every whole
    // record after them kept, in one atomic rewrite.
    [[nodiscard]] bool rewriteFirst(const QList<Record>& records);

    QString errorString() const { return m_error; }

    // A counter this file bumps on every write, so that whoever keeps a copy of the content can
    // tell that it is out of date. The counter must outlive the file.
    void setRevisionCounter(quint64* counter) { m_revision = counter; }

private:
    bool openOnDisk(bool create, QString& why);
    bool writeReplacement(FileReplacement& save, const QList<QByteArrayView>& pieces, const QString& what);
    bool putInPlace(FileReplacement& save, const QString& what);
    std::optional<QByteArray> readRange(qint64 first, qint64 n) const;
    std::optional<QList<Record>> recordsIn(const std::optional<QByteArray>& bytes) const;
    void changed();
    // False, with errorString saying why, when the file may no longer be written.
    bool stillWritable(const QString& what) const;
    void dropPartialRecord();
    bool canWrite(const QString& what, const QList<Record>& records) const;

    bool fail(const QString& what, const QString& why) const;

    QString m_path;
    int m_recordLength;
    mutable QFile m_file;
    mutable QString m_error;
    quint64* m_revision = nullptr;
};

} // namespace pantrex
