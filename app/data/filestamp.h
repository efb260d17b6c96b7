// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>

namespace pantrex {

class FileChannels;

// What a copy of a file's content was taken from: the file, the count of the program's own writes
// to it, and its size and time of change on disk. A stamp that differs from the file's stamp now
// means the copy is out of date, whoever changed the file: this program or another one.
struct FileStamp {
    QString path;
    quint64 revision = 0;
    qint64 size = -1;
    QDateTime modified;

    // The stamp of a file in the working folder as it is now; a missing file has size -1.
    static FileStamp of(const FileChannels& files, const QString& name);

    bool operator==(const FileStamp& other) const = default;
};

} // namespace pantrex
