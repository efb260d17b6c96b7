// SPDX-License-Identifier: MIT
#pragma once

#include "recordfile.h"

#include <QDir>
#include <QString>

#include <array>
#include <map>
#include <memory>
#include <optional>

namespace pantrex {

// The numbered channels on which the program keeps its data files open.
enum Channel : int {
    ProductChannel = 1,
    ShoppingChannel = 2,
    MergeChannel = 3,
    CustomListChannel = 5,
    PrintNotesChannel = 6,
    PrintSettingsChannel = 7,
    NameFileChannel = 8,
    NotesChannel = 9,
};

// A save cut short (the program killed, the machine stopped) can leave the new content beside the
// file it was for, under the file's name followed by a dot and six random letters. isSaveLeftover
// tells whether name is such a file beside the file named of (six letters that read as a word are
// taken for a copy of the user's own, and kept). The others remove such files beside path, and
// beside every data file of folder (names ending in .dat, .lst, .bak, .old, .mrg or .cfg, and the
// ticks and aisle orders beside the lists, .ticks and .aisles); only while no other program may be
// saving there.
bool isSaveLeftover(const QString& name, const QString& of);
void removeSaveLeftovers(const QString& path);
void removeSaveLeftoversIn(const QDir& folder);

// The working folder and the table of file channels 1 to 9. Every data file name is a bare file
// name resolved in the working folder; nothing outside it is ever opened, copied or removed.
class FileChannels {
public:
    explicit FileChannels(const QString& folder);

    const QDir& folder() const { return m_folder; }
    // Absolute path of a bare file name in the working folder.
    QString pathOf(const QString& name) const;

    // Opens name on the channel, closing what the channel had open; a missing file is created
    // empty. Returns nullptr (and sets errorString) when the name is not a bare file name or the
    // file cannot be opened.
    RecordFile* open(int channel, const QString& name, int recordLength);
    // The file open on the channel, or nullptr.
    RecordFile* file(int channel) const;
    void close(int channel);
    void closeAll();

    // Whole-file operations in the working folder.
    bool exists(const QString& name) const;
    // Copies from over to, replacing an older copy atomically; the copy is left writable. Refuses
    // when to is open on a channel.
    [[nodiscard]] bool copy(const QString& from, const QString& to);
    // Copies a file of the working folder to a path outside it (a removable drive, say), as
    // atomically as copy: the target is either its old content or the whole copy. What an earlier
    // copy cut short left beside the target goes first.
    [[nodiscard]] bool copyOut(const QString& from, const QString& targetPath);
    // Removes a file; a missing file counts as removed. Refuses when the file is open on a channel
    // (close it first).
    [[nodiscard]] bool remove(const QString& name);
    // Puts content back as the whole of a file, byte for byte, in one atomic step (nothing: the file
    // goes). A channel the file is open on lets go of it for the moment and opens it again afterwards.
    // A file marked read-only, or something in its place that is not a file, is left as it is.
    [[nodiscard]] bool restore(const QString& name, const std::optional<QByteArray>& content);
    // Bytes in the file; 0 when missing.
    qint64 size(const QString& name) const;

    QString errorString() const { return m_error; }

    // Goes up whenever the program writes, copies over or removes the file: a copy of its content
    // taken at an equal revision (and an unchanged size and time on disk) is still current.
    quint64 revision(const QString& name) const;

private:
    quint64* revisionCounter(const QString& name);

    static constexpr int ChannelCount = 9;
    bool validName(const QString& name);
    bool copyFile(const QString& from, const QString& targetPath, const QString& what);

    QDir m_folder;
    std::array<std::unique_ptr<RecordFile>, ChannelCount + 1> m_channels;
    QString m_error;
    // Node-based, so the counters handed to open files never move.
    std::map<QString, quint64> m_revisions;
};

} // namespace pantrex
