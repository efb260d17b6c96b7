// SPDX-License-Identifier: MIT
#pragma once

#include "core/notice.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace pantrex {

class FileChannels;

// The changes the user may take back, newest last, kept in a hidden folder of the working folder so
// that they outlive the run. An entry holds, for each file a change touched, the bytes it held before
// (nothing for a file that was not there) and a checksum of what it held after: a file is put back
// only while it still holds exactly what the change left, so that nothing newer is ever overwritten.
//
// On disk an entry numbered N is the text file "N.undo" (written last, in one atomic step: an entry
// without it does not exist) and, beside it, "N.1", "N.2" ... with each file's old bytes. The
// history keeps the newest 20 entries within 50 MB; the newest is kept even when it alone is larger.
class UndoHistory : public QObject {
    Q_OBJECT

public:
    static constexpr int MaxEntries = 20;
    static constexpr qint64 MaxBytes = qint64(50) * 1024 * 1024;
    static QString folderName() { return QStringLiteral(".pantrex-undo"); }

    explicit UndoHistory(FileChannels& files, QObject* parent = nullptr);
    ~UndoHistory() override;

    // What a change or an undo cut short left in the history of the working folder goes; only while
    // no other program may be working there.
    static void removeLeftovers(const QString& workingFolder);

    // What the newest entry takes back ("Erase list"); empty when there is nothing to undo.
    QString nextCaption();
    bool canUndo() { return !nextCaption().isEmpty(); }
    qsizetype size();

    // A change that is about to be made: the files' content now (bare names in the working folder).
    struct Before {
        QString caption;
        QStringList names;
        QList<std::optional<QByteArray>> contents; // kept only where no second name holds them
        QList<qint64> sizes;                       // -1: not there
        QList<QByteArray> sums;
        // A second name in the history for each file (empty where there is none), made before the
        // change: a change that puts a new file in the old one's place leaves the old one there, so
        // that its bytes need not be copied.
        QStringList kept;
        QList<quint64> nodes;
        bool usable = false; // false: a file could not be read, so the change cannot be taken back
    };
    // How the change writes its files: over their bytes, or as new files put in their place (then
    // the old bytes are kept under a second name and never copied; a file written over after all is
    // then not kept, and notKept() tells).
    enum class Writes { InPlace, NewFiles };
    Before before(const QString& caption, const QStringList& names, Writes writes);
    // After the change: an entry is made when any of the files now holds something else. Failing to
    // make it changes nothing but the history (the change stays; it just cannot be taken back), and
    // notKept() tells why.
    void after(const Before& before);

    struct Outcome {
        QStringList restored; // the files put back
        Notices notices;      // why nothing, or not everything, was put back
    };
    // Takes the newest change back. An entry that cannot be taken back (a file changed since, its
    // saved bytes damaged) is told of and dropped; a file that cannot be written keeps the entry for
    // another try, and what was already put back is not written again then.
    Outcome undo();

Q_SIGNALS:
    // An entry came or went: what shows the next caption must be updated.
    void changed();
    // A change was made but could not be kept for undo (why: the system's reason).
    void notKept(const QString& why);

private:
    friend class UndoStep;
    struct Entry {
        quint64 number = 0;
        qint64 bytes = 0;
        QString caption;
    };
    static QList<Entry> scan(const QString& folderPath);
    bool load();
    QString folderPath() const;
    QString pathIn(const QString& name) const;
    bool folderUsable(bool create) const;
    QString keepOldBytes(const Before& before, qsizetype i, const QString& blob) const;
    void trim();
    void drop(quint64 number);

    FileChannels& m_files;
    bool m_loaded = false;
    int m_openSteps = 0;    // a change made of smaller ones is one entry: the outermost step's
    QList<Entry> m_entries; // oldest first
};

// The undo record of one change, around the operation that makes it: what the files held when it is
// made, what they hold when it goes. A change that wrote nothing leaves no entry; a step inside
// another (an item removed as part of removing the ticked ones) is part of the outer one.
class UndoStep {
public:
    UndoStep(UndoHistory& history, const QString& caption, const QStringList& names,
             UndoHistory::Writes writes = UndoHistory::Writes::InPlace);
    ~UndoStep();
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    UndoHistory& m_history;
    UndoHistory::Before m_before;
};

// The names of the changes, as the Undo item shows them.
struct UndoCaptions {
    Q_DECLARE_TR_FUNCTIONS(Undo)
};

} // namespace pantrex
