// SPDX-License-Identifier: MIT
#include "filechannels.h"

#include "filenames.h"
#include "safefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace pantrex {

namespace {

struct FileTexts {
    Q_DECLARE_TR_FUNCTIONS(DataFiles)
};

template <typename Channels> bool isOpenOn(const Channels& channels, const QString& path) {
    const QFileInfo target(path);
    for (const auto& file : channels) {
        if (file && QFileInfo(file->path()) == target)
            return true;
    }
    return false;
}

} // namespace

bool isSaveLeftover(const QString& name, const QString& of) {
    // Qt names the new content of a save "<file>.<six random letters>" until it takes the file's
    // place. Six letters that read as a word ("backup", "BACKUP", "Before") are a name a person gave
    // a copy of their own, and are never taken for one.
    if (name.size() != of.size() + 7 || !name.startsWith(of) || name.at(of.size()) != QLatin1Char('.'))
        return false;
    const QStringView letters = QStringView(name).right(6);
    int upper = 0;
    int lower = 0;
    for (const QChar c : letters) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            ++upper;
        else if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            ++lower;
        else
            return false;
    }
    const bool capitalised = upper == 1 && letters.front().isUpper();
    return upper > 0 && lower > 0 && !capitalised;
}

void removeSaveLeftovers(const QString& path) {
    const QFileInfo target(path);
    for (const QString& name : target.dir().entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        QString why;
        if (isSaveLeftover(name, target.fileName()) && isRemovable(target.dir().filePath(name), why))
            QFile::remove(target.dir().filePath(name));
    }
}

void removeSaveLeftoversIn(const QDir& folder) {
    static const QRegularExpression dataFile(
        QStringLiteral("^(.+\\.(?:dat|lst|bak|old|mrg|cfg|ticks|aisles))\\.[A-Za-z]{6}$"),
        QRegularExpression::CaseInsensitiveOption);
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = dataFile.match(name);
        QString why;
        if (match.hasMatch() && names.contains(match.captured(1)) && isSaveLeftover(name, match.captured(1)) &&
            isRemovable(folder.filePath(name), why))
            QFile::remove(folder.filePath(name));
    }
}

FileChannels::FileChannels(const QString& folder) : m_folder(folder) {}

QString FileChannels::pathOf(const QString& name) const {
    return m_folder.absoluteFilePath(name);
}

RecordFile* FileChannels::open(int channel, const QString& name, int recordLength) {
    if (channel < 1 || channel > ChannelCount) {
        m_error = FileTexts::tr("There is no file channel %1").arg(channel);
        return nullptr;
    }
    if (!validName(name))
        return nullptr;
    close(channel);
    auto file = std::make_unique<RecordFile>(pathOf(name), recordLength);
    file->setRevisionCounter(revisionCounter(name));
    if (!file->open()) {
        m_error = file->errorString();
        return nullptr;
    }
    m_channels[channel] = std::move(file);
    return m_channels[channel].get();
}

RecordFile* FileChannels::file(int channel) const {
    if (channel < 1 || channel > ChannelCount)
        return nullptr;
    return m_channels[channel].get();
}

void FileChannels::close(int channel) {
    if (channel >= 1 && channel <= ChannelCount)
        m_channels[channel].reset();
}

void FileChannels::closeAll() {
    for (auto& file : m_channels)
        file.reset();
}

bool FileChannels::exists(const QString& name) const {
    return isBareFileName(name) && QFileInfo::exists(pathOf(name));
}

bool FileChannels::copy(const QString& from, const QString& to) {
    if (!validName(from) || !validName(to))
        return false;
    const QString what = FileTexts::tr("Could not copy %1 to %2").arg(from, to);
    if (isOpenOn(m_channels, pathOf(to))) {
        m_error = what + FileTexts::tr(": %1 is open").arg(to);
        return false;
    }
    ++*revisionCounter(to);
    return copyFile(from, pathOf(to), what);
}

bool FileChannels::copyOut(const QString& from, const QString& targetPath) {
    if (!validName(from))
        return false;
    removeSaveLeftovers(targetPath);
    return copyFile(from, targetPath, FileTexts::tr("Could not copy %1 to %2").arg(from, targetPath));
}

bool FileChannels::copyFile(const QString& from, const QString& targetPath, const QString& what) {
    QFile source;
    QString why;
    if (openRegularFile(source, pathOf(from), QIODevice::ReadOnly, false, why) != OpenOutcome::Opened) {
        m_error = what + QStringLiteral(": ") + why;
        return false;
    }
    // A link in the copy's place is replaced by the copy: what it leads to is never written.
    FileReplacement target(targetPath);
    if (!target.open()) {
        m_error = what + QStringLiteral(": ") + target.errorString();
        return false;
    }
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(qint64(64) * 1024);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError) {
            m_error = what + QStringLiteral(": ") + source.errorString();
            return false;
        }
        if (!target.write(chunk)) {
            m_error = what + QStringLiteral(": ") + target.errorString();
            return false;
        }
    }
    // Whatever the original was marked, the copy is an ordinary file the user can change.
    target.makeOwnerWritable();
    if (!target.commit()) {
        m_error = what + QStringLiteral(": ") + target.errorString();
        return false;
    }
    return true;
}

bool FileChannels::restore(const QString& name, const std::optional<QByteArray>& content) {
    if (!validName(name))
        return false;
    const QString path = pathOf(name);
    const QString what = FileTexts::tr("Could not put back %1").arg(name);
    QString why;
    const QFileInfo info(path);
    if (!isRemovable(path, why)) {
        m_error = what + QStringLiteral(": ") + why;
        return false;
    }
    // Asking the system to open it for writing tells whether it may be written (also for root).
    QFile probe;
    if (info.exists() && openRegularFile(probe, path, QIODevice::ReadWrite, false, why) != OpenOutcome::Opened) {
        m_error = what + QStringLiteral(": ") + FileTexts::tr("the file is read-only");
        return false;
    }
    probe.close();
    int channel = 0;
    for (int c = 1; c <= ChannelCount && channel == 0; ++c) {
        if (m_channels[c] && QFileInfo(m_channels[c]->path()) == info)
            channel = c;
    }
    const int recordLength = channel != 0 ? m_channels[channel]->recordLength() : 0;
    close(channel);
    ++*revisionCounter(name);
    bool done = true;
    if (!content) {
        QFile doomed(path);
        if ((doomed.exists() || info.isSymLink()) && !doomed.remove()) {
            m_error = what + QStringLiteral(": ") + doomed.errorString();
            done = false;
        }
    } else {
        FileReplacement save(path);
        done = save.open() && save.write(*content) && save.commit();
        if (!done)
            m_error = what + QStringLiteral(": ") + save.errorString();
    }
    if (channel != 0 && !open(channel, name, recordLength) && done) {
        m_error = what + QStringLiteral(": ") + m_error;
        done = false;
    }
    return done;
}

bool FileChannels::remove(const QString& name) {
    if (!validName(name))
        return false;
    const QString path = pathOf(name);
    if (isOpenOn(m_channels, path)) {
        m_error = FileTexts::tr("Could not remove %1: it is still open").arg(name);
        return false;
    }
    QString why;
    if (!isRemovable(path, why)) {
        m_error = FileTexts::tr("Could not remove %1: %2").arg(name, why);
        return false;
    }
    QFile doomed(path);
    if (!doomed.exists() && !QFileInfo(path).isSymLink())
        return true;
    ++*revisionCounter(name);
    if (!doomed.remove()) {
        m_error = FileTexts::tr("Could not remove %1: %2").arg(name, doomed.errorString());
        return false;
    }
    return true;
}

qint64 FileChannels::size(const QString& name) const {
    if (!isBareFileName(name))
        return 0;
    const QFileInfo info(pathOf(name));
    return info.isFile() ? info.size() : 0;
}

quint64* FileChannels::revisionCounter(const QString& name) {
    return &m_revisions[QFileInfo(pathOf(name)).absoluteFilePath()];
}

quint64 FileChannels::revision(const QString& name) const {
    const auto found = m_revisions.find(QFileInfo(pathOf(name)).absoluteFilePath());
    return found == m_revisions.end() ? 0 : found->second;
}

bool FileChannels::validName(const QString& name) {
    if (isBareFileName(name))
        return true;
    m_error = FileTexts::tr("\"%1\" is not the name of a file in the working folder").arg(name);
    return false;
}

} // namespace pantrex
