// SPDX-License-Identifier: MIT
#include "undohistory.h"

#include "data/filechannels.h"
#include "data/filenames.h"
#include "data/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>

#include <sys/stat.h>
#include <unistd.h>

#include <xxhash.h>

namespace pantrex {

namespace {

struct UndoTexts {
    Q_DECLARE_TR_FUNCTIONS(Undo)
};

const QByteArray Header = QByteArrayLiteral("Pantrex undo 1");
// An entry's description is a few lines; anything longer is not one of ours.
constexpr qint64 MaxManifestBytes = qint64(64) * 1024;

struct Sum {
    qint64 size = -1; // -1: not there
    QByteArray sum = "-";
};

QByteArray hexOf(const XXH128_hash_t& hash) {
    return QByteArray::number(quint64(hash.high64), 16).rightJustified(16, '0') +
           QByteArray::number(quint64(hash.low64), 16).rightJustified(16, '0');
}

QByteArray checksum(QByteArrayView bytes) {
    return hexOf(XXH3_128bits(bytes.data(), size_t(bytes.size())));
}

// The size and checksum of the file as it is now, read a piece at a time so that a long file takes
// no copy in memory; nothing, with why, when it is there but cannot be read.
std::optional<Sum> sumOf(const QString& path, QString& why) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return Sum{};
    QFile file;
    if (openRegularFile(file, path, QIODevice::ReadOnly, false, why) != OpenOutcome::Opened)
        return std::nullopt;
    const std::unique_ptr<XXH3_state_t, XXH_errorcode (*)(XXH3_state_t*)> state(XXH3_createState(), XXH3_freeState);
    XXH3_128bits_reset(state.get());
    QByteArray buffer(qsizetype(1) << 20, Qt::Uninitialized);
    Sum sum{0, {}};
    for (qint64 got = 0; (got = file.read(buffer.data(), buffer.size())) != 0; sum.size += got) {
        if (got < 0) {
            why = file.errorString();
            return std::nullopt;
        }
        XXH3_128bits_update(state.get(), buffer.constData(), size_t(got));
    }
    sum.sum = hexOf(XXH3_128bits_digest(state.get()));
    return sum;
}

// One file of an entry: its size and checksum before and after the change (-1: not there).
struct FileState {
    QString name;
    qint64 beforeSize = -1;
    QByteArray beforeSum;
    qint64 afterSize = -1;
    QByteArray afterSum;
};

bool holdsState(const std::optional<QByteArray>& content, qint64 size, const QByteArray& sum) {
    if (!content)
        return size < 0;
    return content->size() == size && checksum(*content) == sum;
}

// The file as it is now: nothing when it is not there; failed when it is there but cannot be read.
std::optional<QByteArray> currentContent(const QString& path, bool& failed, QString& why) {
    failed = false;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return std::nullopt;
    std::optional<QByteArray> bytes = readRegularFile(path, -1, why);
    failed = !bytes;
    return bytes;
}

QByteArray manifestOf(const QString& caption, const QList<FileState>& files) {
    QByteArray text = Header + '\n';
    QString oneLine = caption;
    oneLine.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\t'), QLatin1Char(' '));
    text += oneLine.toUtf8() + '\n';
    for (const FileState& file : files) {
        text += file.name.toUtf8() + '\t' + QByteArray::number(file.beforeSize) + '\t' + file.beforeSum + '\t' +
                QByteArray::number(file.afterSize) + '\t' + file.afterSum + '\n';
    }
    return text;
}

bool validSum(const QByteArray& sum, qint64 size) {
    if (size < 0)
        return sum == "-";
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{32}$"));
    return hex.match(QString::fromLatin1(sum)).hasMatch();
}

// What an entry's text says, or nothing when it is not an entry's text: a file may be named only as
// a data file of the working folder, never a path or a hidden file.
std::optional<QList<FileState>> parseManifest(const QByteArray& text, QString& caption) {
    QList<QByteArray> lines = text.split('\n');
    if (lines.size() < 4 || lines.takeFirst() != Header || !lines.last().isEmpty())
        return std::nullopt;
    lines.removeLast();
    caption = QString::fromUtf8(lines.takeFirst());
    QList<FileState> files;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 5)
            return std::nullopt;
        FileState file;
        file.name = QString::fromUtf8(fields.at(0));
        bool beforeOk = false;
        bool afterOk = false;
        file.beforeSize = fields.at(1).toLongLong(&beforeOk);
        file.beforeSum = fields.at(2);
        file.afterSize = fields.at(3).toLongLong(&afterOk);
        file.afterSum = fields.at(4);
        if (!beforeOk || !afterOk || file.beforeSize < -1 || file.afterSize < -1 || !isBareFileName(file.name) ||
            file.name.startsWith(QLatin1Char('.')) || !validSum(file.beforeSum, file.beforeSize) ||
            !validSum(file.afterSum, file.afterSize))
            return std::nullopt;
        files.append(file);
    }
    if (caption.isEmpty() || files.isEmpty())
        return std::nullopt;
    return files;
}

QString manifestName(quint64 number) {
    return QString::number(number) + QStringLiteral(".undo");
}

QString blobName(quint64 number, qsizetype index) {
    return QString::number(number) + QLatin1Char('.') + QString::number(index + 1);
}

// A new file of the history's own: whatever has the name goes first (only the name, when it is a
// link), and the file is made anew, never opened through a link. What went wrong, or nothing.
QString writeNewFile(const QString& path, QByteArrayView bytes) {
    QString why;
    if (!isRemovable(path, why))
        return why;
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!writeWhole(file, bytes))
        why = file.errorString();
    file.close();
    if (!why.isEmpty())
        QFile::remove(path);
    return why;
}

} // namespace

UndoHistory::UndoHistory(FileChannels& files, QObject* parent) : QObject(parent), m_files(files) {}

UndoHistory::~UndoHistory() = default;

QString UndoHistory::folderPath() const {
    return m_files.pathOf(folderName());
}

QString UndoHistory::pathIn(const QString& name) const {
    return folderPath() + QLatin1Char('/') + name;
}

// The folder must be a folder of its own in the working folder: a link or a file in its place is
// never written through.
bool UndoHistory::folderUsable(bool create) const {
    const QFileInfo info(folderPath());
    if (info.isSymLink())
        return false;
    if (info.exists())
        return info.isDir() && info.isWritable();
    return create && QDir(m_files.folder()).mkdir(folderName());
}

qsizetype UndoHistory::size() {
    load();
    return m_entries.size();
}

QString UndoHistory::nextCaption() {
    load();
    return m_entries.isEmpty() ? QString() : m_entries.last().caption;
}

// The entries in the folder, oldest first; what a change cut short left behind there (pieces without
// their entry, an entry that is not one) goes.
QList<UndoHistory::Entry> UndoHistory::scan(const QString& folderPath) {
    QList<Entry> entries;
    const QFileInfo info(folderPath);
    if (info.isSymLink() || !info.isDir())
        return entries;
    static const QRegularExpression ours(QStringLiteral("^([0-9]{1,18})\\.(undo|[0-9]{1,4}|undo\\.[A-Za-z]{6})$"));
    const QDir folder(folderPath);
    std::map<quint64, Entry> found;
    QList<std::pair<quint64, QString>> pieces;
    for (const QFileInfo& file : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch match = ours.match(file.fileName());
        if (!match.hasMatch())
            continue;
        const quint64 number = match.captured(1).toULongLong();
        // The new text of an entry that never took its place.
        const bool unfinished = match.captured(2).size() > 4;
        pieces.append({unfinished ? 0 : number, file.fileName()});
        if (match.captured(2) != QLatin1String("undo"))
            continue;
        QString why;
        const std::optional<QByteArray> text = readRegularFile(file.filePath(), MaxManifestBytes + 1, why);
        Entry entry{number, 0, QString()};
        if (text && text->size() <= MaxManifestBytes && parseManifest(*text, entry.caption))
            found[number] = entry;
    }
    for (const auto& [number, name] : pieces) {
        auto entry = found.find(number);
        QString why;
        if (entry == found.end()) {
            if (isRemovable(folder.filePath(name), why))
                QFile::remove(folder.filePath(name));
        } else {
            entry->second.bytes += QFileInfo(folder.filePath(name)).size();
        }
    }
    for (const auto& [number, entry] : found)
        entries.append(entry);
    return entries;
}

void UndoHistory::removeLeftovers(const QString& workingFolder) {
    scan(QDir(workingFolder).filePath(folderName()));
}

bool UndoHistory::load() {
    if (m_loaded)
        return true;
    m_loaded = true;
    m_entries = scan(folderPath());
    trim();
    return true;
}

UndoHistory::Before UndoHistory::before(const QString& caption, const QStringList& names, Writes writes) {
    // What an earlier run left in the history goes before this change's pieces are there.
    load();
    Before before{caption, names, {}, {}, {}, {}, {}, false};
    const bool linkable = writes == Writes::NewFiles && folderUsable(true);
    for (qsizetype i = 0; i < names.size(); ++i) {
        QString why;
        const QString path = m_files.pathOf(names.at(i));
        const QString second = pathIn(blobName(0, i));
        QFile::remove(second);
        struct stat file {};
        const bool linked = linkable && ::lstat(QFile::encodeName(path).constData(), &file) == 0 &&
                            S_ISREG(file.st_mode) &&
                            ::link(QFile::encodeName(path).constData(), QFile::encodeName(second).constData()) == 0;
        before.kept.append(linked ? second : QString());
        before.nodes.append(linked ? quint64(file.st_ino) : 0);
        if (linked) {
            const std::optional<Sum> sum = sumOf(second, why);
            if (!sum)
                return before;
            before.contents.append(std::nullopt);
            before.sizes.append(sum->size);
            before.sums.append(sum->sum);
            continue;
        }
        bool failed = false;
        const std::optional<QByteArray> bytes = currentContent(path, failed, why);
        if (failed)
            return before;
        before.contents.append(bytes);
        before.sizes.append(bytes ? bytes->size() : -1);
        before.sums.append(bytes ? checksum(*bytes) : "-");
    }
    before.usable = true;
    return before;
}

namespace {

quint64 nodeOf(const QString& path) {
    struct stat file {};
    return ::lstat(QFile::encodeName(path).constData(), &file) == 0 ? quint64(file.st_ino) : 0;
}

} // namespace

// The old bytes of file i under the entry's name blob: the old file itself, when the change put a
// new one in its place; else a copy of its bytes. What went wrong, or nothing.
QString UndoHistory::keepOldBytes(const Before& before, qsizetype i, const QString& blob) const {
    const QString& second = before.kept.at(i);
    const bool replaced = !second.isEmpty() && nodeOf(m_files.pathOf(before.names.at(i))) != before.nodes.at(i) &&
                          nodeOf(second) == before.nodes.at(i) && QFileInfo(second).size() == before.sizes.at(i);
    if (replaced && ::rename(QFile::encodeName(second).constData(), QFile::encodeName(blob).constData()) == 0)
        return {};
    if (before.contents.at(i))
        return writeNewFile(blob, *before.contents.at(i));
    return UndoTexts::tr("%1 was written over in place").arg(before.names.at(i));
}

void UndoHistory::after(const Before& before) {
    // Whatever becomes of the entry, the second names made for it go.
    const auto forget = qScopeGuard([&before] {
        for (const QString& second : before.kept) {
            if (!second.isEmpty())
                QFile::remove(second);
        }
    });
    if (!before.usable)
        return;
    QList<FileState> states;
    QList<qsizetype> touched;
    for (qsizetype i = 0; i < before.names.size(); ++i) {
        QString why;
        const std::optional<Sum> now = sumOf(m_files.pathOf(before.names.at(i)), why);
        if (!now)
            return;
        if (now->size == before.sizes.at(i) && now->sum == before.sums.at(i))
            continue;
        states.append({before.names.at(i), before.sizes.at(i), before.sums.at(i), now->size, now->sum});
        touched.append(i);
    }
    if (states.isEmpty())
        return;
    if (!folderUsable(true)) {
        Q_EMIT notKept(UndoTexts::tr("%1 is not a folder Pantrex may write in").arg(folderPath()));
        return;
    }
    load();
    const quint64 number = m_entries.isEmpty() ? 1 : m_entries.last().number + 1;
    qint64 bytes = 0;
    QString why;
    for (qsizetype k = 0; k < states.size() && why.isEmpty(); ++k) {
        const qsizetype i = touched.at(k);
        if (before.sizes.at(i) < 0)
            continue;
        why = keepOldBytes(before, i, pathIn(blobName(number, k)));
        bytes += before.sizes.at(i);
    }
    // The entry exists once its description is in place, and only then.
    const QByteArray manifest = manifestOf(before.caption, states);
    FileReplacement save(pathIn(manifestName(number)));
    if (why.isEmpty() && !(save.open() && save.write(manifest) && save.commit()))
        why = save.errorString();
    if (!why.isEmpty()) {
        drop(number);
        Q_EMIT notKept(why);
        return;
    }
    m_entries.append({number, bytes + manifest.size(), before.caption});
    trim();
    Q_EMIT changed();
}

void UndoHistory::trim() {
    qint64 total = 0;
    for (const Entry& entry : std::as_const(m_entries))
        total += entry.bytes;
    while (m_entries.size() > MaxEntries || (m_entries.size() > 1 && total > MaxBytes)) {
        total -= m_entries.first().bytes;
        drop(m_entries.first().number);
    }
}

// The description goes first: from then on the entry no longer exists, whatever of it is left.
void UndoHistory::drop(quint64 number) {
    QFile::remove(pathIn(manifestName(number)));
    const QDir folder(folderPath());
    const QString prefix = QString::number(number) + QLatin1Char('.');
    for (const QString& name : folder.entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(folder.filePath(name));
    m_entries.removeIf([number](const Entry& entry) { return entry.number == number; });
}

UndoHistory::Outcome UndoHistory::undo() {
    Outcome outcome;
    load();
    if (m_entries.isEmpty())
        return outcome;
    const Entry entry = m_entries.last();
    const auto giveUp = [&](const QString& why) {
        outcome.notices.append({why, UndoTexts::tr("Undo"), Notice::Kind::Warning});
        drop(entry.number);
        Q_EMIT changed();
        return outcome;
    };
    QString why;
    QString caption;
    const std::optional<QByteArray> text = readRegularFile(pathIn(manifestName(entry.number)), MaxManifestBytes, why);
    const std::optional<QList<FileState>> files = text ? parseManifest(*text, caption) : std::nullopt;
    const QString damaged = UndoTexts::tr("What was kept to undo \"%1\" is damaged, so it cannot be undone. "
                                          "Nothing was changed.")
                                .arg(entry.caption);
    if (!files)
        return giveUp(damaged);

    // Every file must still hold what the change left (or, after an undo cut short, what it held
    // before); a file changed since is never overwritten.
    QList<qsizetype> toRestore;
    for (qsizetype i = 0; i < files->size(); ++i) {
        const FileState& file = files->at(i);
        const std::optional<Sum> now = sumOf(m_files.pathOf(file.name), why);
        if (!now) {
            outcome.notices.append(Notice::fileError(UndoTexts::tr("Could not read %1: %2").arg(file.name, why)));
            return outcome;
        }
        if (now->size == file.afterSize && now->sum == file.afterSum)
            toRestore.append(i);
        else if (now->size != file.beforeSize || now->sum != file.beforeSum)
            return giveUp(UndoTexts::tr("%1 has changed since \"%2\" (by another program or a later change), so it "
                                        "cannot be undone without losing what is in it now. Nothing was changed.")
                              .arg(file.name, caption));
    }
    QList<std::optional<QByteArray>> contents;
    for (const qsizetype i : std::as_const(toRestore)) {
        const FileState& file = files->at(i);
        std::optional<QByteArray> old;
        if (file.beforeSize >= 0) {
            old = readRegularFile(pathIn(blobName(entry.number, i)), file.beforeSize + 1, why);
            if (!holdsState(old, file.beforeSize, file.beforeSum))
                return giveUp(damaged);
        }
        contents.append(old);
    }
    for (qsizetype k = 0; k < toRestore.size(); ++k) {
        const QString& name = files->at(toRestore.at(k)).name;
        if (!m_files.restore(name, contents.at(k))) {
            outcome.notices.append(Notice::fileError(m_files.errorString()));
            return outcome;
        }
        outcome.restored.append(name);
    }
    drop(entry.number);
    Q_EMIT changed();
    return outcome;
}

UndoStep::UndoStep(UndoHistory& history, const QString& caption, const QStringList& names, UndoHistory::Writes writes)
    : m_history(history) {
    if (m_history.m_openSteps++ == 0)
        m_before = m_history.before(caption, names, writes);
}

UndoStep::~UndoStep() {
    if (--m_history.m_openSteps == 0)
        m_history.after(m_before);
}

} // namespace pantrex
