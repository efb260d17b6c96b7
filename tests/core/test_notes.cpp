// SPDX-License-Identifier: MIT
// The notes without a window: what "pantnotes.dat" shows as, what a save leaves on disk, and what
// either has to say when the file cannot be used.
#include "core/notes.h"
#include "core/session.h"
#include "support/permissions.h"
#include "support/testfolder.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

const QString NotesFile = QStringLiteral("pantnotes.dat");
const QString PipeWhy = QStringLiteral("it is not a regular file");
const QString LinkOutWhy = QStringLiteral("it is a link to a file outside the working folder");

QByteArray notesRecord(const QByteArray& text) {
    return text.leftJustified(Notes::Capacity, ' ');
}

// What lies in the notes' place before the notes are read.
enum class Place { File, Missing, ReadOnlyFile, ReadOnlyFolder, ReadOnlyFolderMissing, Pipe, LinkOut };

// Each notice as "error: ..." or "warning: ...", in order; a title other than the program's name in
// front.
QStringList told(const Notices& notices) {
    QStringList lines;
    for (const Notice& notice : notices) {
        const QString title = notice.noTitle           ? QStringLiteral("(no title) ")
                              : notice.title.isEmpty() ? QString()
                                                       : "(" + notice.title + ") ";
        lines << title +
                     (notice.kind == Notice::Kind::Error     ? QStringLiteral("error: ")
                      : notice.kind == Notice::Kind::Warning ? QStringLiteral("warning: ")
                                                             : QStringLiteral("other: ")) +
                     notice.text;
    }
    return lines;
}

// A working folder with the notes' place laid out, and the file another program owns outside it.
struct Fixture {
    TestFolder folder;
    QTemporaryDir elsewhere;
    Place place;
    std::optional<PermissionsEnforced> enforced;

    Fixture(Place where, const QByteArray& bytes) : place(where) {
        const QString path = folder.filePath(NotesFile);
        const QString outside = elsewhere.filePath(QStringLiteral("mine.txt"));
        QFile mine(outside);
        QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("mine") == 4);
        mine.close();
        if (place == Place::Pipe)
            QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else if (place == Place::LinkOut)
            QVERIFY(QFile::link(outside, path));
        else if (place != Place::Missing && place != Place::ReadOnlyFolderMissing)
            folder.write(NotesFile, bytes);
        if (place == Place::ReadOnlyFile)
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        if (place == Place::ReadOnlyFolder || place == Place::ReadOnlyFolderMissing)
            QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        enforced.emplace();
    }
    ~Fixture() {
        enforced.reset();
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // The notes' place as it is now: the bytes of a file, or what stands in its place untouched.
    QByteArray onDisk() const {
        const QString path = folder.filePath(NotesFile);
        if (place == Place::Pipe)
            return QFileInfo(path).isFile() ? QByteArray("(no longer a pipe)") : QByteArray("(pipe)");
        if (place == Place::LinkOut) {
            QFile mine(elsewhere.filePath(QStringLiteral("mine.txt")));
            const bool intact =
                QFileInfo(path).isSymLink() && mine.open(QIODevice::ReadOnly) && mine.readAll() == "mine";
            return intact ? QByteArray("(link)") : QByteArray("(link broken or written through)");
        }
        return folder.exists(NotesFile) ? folder.read(NotesFile) : QByteArray("(missing)");
    }
};

} // namespace

class NotesCoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void load_data();
    void load();
    void save_data();
    void save();
};

void NotesCoreTest::load_data() {
    QTest::addColumn<Place>("place");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<QByteArray>("after");

    const QByteArray full = notesRecord("  Old notes\r\nand more");
    QTest::newRow("a whole record") << Place::File << full << "Old notes\r\nand more" << QStringList() << full;
    QTest::newRow("missing: made empty") << Place::Missing << QByteArray() << "" << QStringList() << QByteArray();
    QTest::newRow("cut short") << Place::File << QByteArray("Buy") << "Buy" << QStringList() << QByteArray("Buy");
    QTest::newRow("longer than a record") << Place::File << QByteArray(2999, 'a') + "bc" << QString(2999, 'a') + "b"
                                          << QStringList() << QByteArray(2999, 'a') + "bc";
    const QByteArray zeros = QByteArray("Buy milk") + '\0' + QByteArray(" and eggs") + '\0';
    QTest::newRow("zero bytes show as blanks")
        << Place::File << zeros << "Buy milk  and eggs" << QStringList() << zeros;
    QTest::newRow("read-only file") << Place::ReadOnlyFile << full << "Old notes\r\nand more" << QStringList() << full;
    QTest::newRow("read-only folder") << Place::ReadOnlyFolder << full << "Old notes\r\nand more" << QStringList()
                                      << full;
    QTest::newRow("read-only folder, missing")
        << Place::ReadOnlyFolderMissing << QByteArray() << ""
        << QStringList{"error: Could not open pantnotes.dat: Permission denied"} << QByteArray("(missing)");
    QTest::newRow("named pipe") << Place::Pipe << QByteArray() << ""
                                << QStringList{"error: Could not open pantnotes.dat: " + PipeWhy}
                                << QByteArray("(pipe)");
    QTest::newRow("link out of the folder")
        << Place::LinkOut << QByteArray() << "" << QStringList{"error: Could not open pantnotes.dat: " + LinkOutWhy}
        << QByteArray("(link)");
}

void NotesCoreTest::load() {
    QFETCH(Place, place);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QFETCH(QStringList, notices);
    QFETCH(QByteArray, after);

    Fixture f(place, bytes);
    Session session(f.folder.path());
    const NotesText text = Notes(session).load();
    QCOMPARE(text.text, shown);
    QCOMPARE(told(text.notice ? Notices{*text.notice} : Notices()), notices);
    QCOMPARE(f.onDisk(), after);
}

void NotesCoreTest::save_data() {
    QTest::addColumn<Place>("place");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("theirs"); // what another program writes while the notes are open
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QByteArray>("afterSecondSave"); // null: no second save

    const QByteArray old = notesRecord("Old");
    const QByteArray none;
    QTest::newRow("outer blanks go, line breaks stay")
        << Place::File << old << none << "  New\r\nline  " << QStringList() << notesRecord("New\r\nline") << none;
    QTest::newRow("missing") << Place::Missing << none << none << "New" << QStringList() << notesRecord("New") << none;
    QTest::newRow("empty text") << Place::File << old << none << "   " << QStringList() << notesRecord("") << none;
    QTest::newRow("full record") << Place::File << old << none << QString(3000, 'a') << QStringList()
                                 << QByteArray(3000, 'a') << none;
    QTest::newRow("cut short file") << Place::File << QByteArray("Old") << none << "New" << QStringList()
                                    << notesRecord("New") << none;
    QTest::newRow("odd tail dropped, whole records kept")
        << Place::File << old + notesRecord("Second") + "xy" << none << "New" << QStringList()
        << notesRecord("New") + notesRecord("Second") << none;
    QTest::newRow("zero bytes saved as blanks")
        << Place::File << QByteArray("Buy milk") + '\0' + QByteArray(" and eggs and bread") << none
        << "Buy milk  and eggs and bread" << QStringList() << notesRecord("Buy milk  and eggs and bread") << none;
    QTest::newRow("changed by another program")
        << Place::File << old << notesRecord("Theirs") << "Old and mine"
        << QStringList{"warning: pantnotes.dat was changed by another program while the notes were open, so "
                       "nothing was saved. Save again to replace it with the notes shown."}
        << notesRecord("Theirs") << notesRecord("Old and mine");
    QTest::newRow("read-only file") << Place::ReadOnlyFile << old << none << "New"
                                    << QStringList{"error: Could not save pantnotes.dat: the file is read-only"} << old
                                    << none;
    QTest::newRow("read-only folder") << Place::ReadOnlyFolder << old << none << "New"
                                      << QStringList{"error: Could not save pantnotes.dat: Permission denied"} << old
                                      << none;
    QTest::newRow("named pipe") << Place::Pipe << none << none << "New"
                                << QStringList{"error: Could not open pantnotes.dat: " + PipeWhy}
                                << QByteArray("(pipe)") << none;
    QTest::newRow("link out of the folder")
        << Place::LinkOut << none << none << "New" << QStringList{"error: Could not open pantnotes.dat: " + LinkOutWhy}
        << QByteArray("(link)") << none;
}

void NotesCoreTest::save() {
    QFETCH(Place, place);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, theirs);
    QFETCH(QString, text);
    QFETCH(QStringList, notices);
    QFETCH(QByteArray, after);
    QFETCH(QByteArray, afterSecondSave);

    Fixture f(place, bytes);
    Session session(f.folder.path());
    Notes notes(session);
    notes.load();
    if (!theirs.isNull())
        f.folder.write(NotesFile, theirs);
    QCOMPARE(told(notes.save(text)), notices);
    QCOMPARE(f.onDisk(), after);
    if (!afterSecondSave.isNull()) {
        QCOMPARE(told(notes.save(text)), QStringList());
        QCOMPARE(f.onDisk(), afterSecondSave);
    }
}

QTEST_GUILESS_MAIN(NotesCoreTest)
#include "test_notes.moc"
