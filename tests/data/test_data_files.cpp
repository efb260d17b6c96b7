// SPDX-License-Identifier: MIT
#include "data/filechannels.h"
#include "data/filenames.h"
#include "data/recordfile.h"
#include "data/safefile.h"
#include "support/filesizelimit.h"
#include "support/permissions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace pantrex;
using pantrex::testing::PermissionsEnforced;

namespace {

// The mode bits on disk; the "User" flags only say what the current user may do.
constexpr auto ModeBits = QFileDevice::Permissions::fromInt(0x7077);

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Bytes that differ from their neighbours, so that every position in a file can be told apart.
QByteArray pattern(int size, int seed = 3) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + seed);
    return bytes;
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// Rights that ignore permissions make the read-only cases moot.
// Puts something other than a file of the folder's own at name: a link to a file outside the folder,
// a link to nothing, a named pipe, a folder.
void putStrange(const QDir& folder, const QString& name, const QString& kind, const QString& outside) {
    const QString path = folder.filePath(name);
    if (kind == QLatin1String("link out"))
        QVERIFY(QFile::link(outside, path));
    else if (kind == QLatin1String("dangling link"))
        QVERIFY(QFile::link(folder.filePath(QStringLiteral("nowhere")), path));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(folder.mkdir(name));
}

bool permissionsApply(const QString& path) {
    QFile probe(path);
    return !probe.open(QIODevice::ReadWrite | QIODevice::Append);
}

} // namespace

class TestDataFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layouts_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QByteArray>("expected");
        const auto blanks = [](int n) { return QByteArray(n, ' '); };
        const auto zeros = [](int n) { return QByteArray(n, '\0'); };

        Record product(ProductRecord::Length);
        product.set(ProductRecord::ItemName, "Milk");
        product.set(ProductRecord::Price, "2.49");
        product.set(ProductRecord::HighFat, "Yes");
        product.set(ProductRecord::Category, "Dairy");
        QTest::newRow("product") << product.bytes()
                                 << "Milk" + blanks(36) + "2.49  Y" + zeros(1 + 30 + 43) + "Dairy" + blanks(20);
        Record shopping(ShoppingRecord::Length);
        shopping.set(ShoppingRecord::ItemText, QByteArray(38, 'x') + "yzw");
        shopping.set(ShoppingRecord::LineCost, "12.5");
        shopping.set(ShoppingRecord::Quantity, "1234");
        shopping.set(ShoppingRecord::Category, "");
        QTest::newRow("shopping") << shopping.bytes() << QByteArray(38, 'x') + "yz12.5  123" + blanks(25) + zeros(75);
        Record custom(CustomListRecord::Length);
        custom.set(CustomListRecord::ListName, "Weekly");
        custom.set(CustomListRecord::ItemText, "Bread");
        custom.set(CustomListRecord::Amount, "1");
        custom.setRaw(CustomListRecord::Category, "Bakery" + zeros(1) + QByteArray(18, 'q'));
        QTest::newRow("custom list") << custom.bytes()
                                     << "Weekly" + blanks(24) + "Bread" + blanks(35) + "1" + blanks(5) + "Bakery" +
                                            zeros(1) + QByteArray(18, 'q') + zeros(150);
        Record name(NameFileRecord::Length);
        name.set(NameFileRecord::ListFileName, "grocery.lst");
        QTest::newRow("name file") << name.bytes() << QByteArray("grocery.lst ");
    }
    // Each layout, appended to a record file, lies on disk byte for byte as expected.
    void layouts() {
        QFETCH(QByteArray, record);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.dat"));
        RecordFile file(path, int(expected.size()));
        QVERIFY(file.open());
        QVERIFY(file.append(Record(int(expected.size()), record)));
        QCOMPARE(contents(path), expected);
        QCOMPARE(file.read(1)->bytes(), expected);
    }

    void fieldText_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("blanks around") << QByteArray("  Milk  ") << QByteArray("Milk");
        QTest::newRow("zero ends it") << QByteArray("Eggs \0ab", 8) << QByteArray("Eggs");
        QTest::newRow("tabs are kept") << QByteArray("\tTea\t ") << QByteArray("\tTea\t");
        QTest::newRow("short input is zero-filled") << QByteArray(" a") << QByteArray("a");
        QTest::newRow("long input is cut") << QByteArray("abcdefghij") << QByteArray("abcdefgh");
    }
    void fieldText() {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, text);
        const Record record(8, stored);
        QCOMPARE(record.length(), 8);
        QCOMPARE(record.text({0, 8}), text);
    }

    void partialTailIsIgnoredThenOverwritten() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("grocery.dat"));
        const QByteArray old = pattern(146 * 2 + 17);
        put(path, old);
        RecordFile file(path, 146);
        QVERIFY(file.open());
        QCOMPARE(file.count(), 2);
        QCOMPARE(file.read(2)->bytes(), old.mid(146, 146));
        QVERIFY(!file.read(3));

        const Record third(146, pattern(146, 5));
        QVERIFY(file.append(third));
        QCOMPARE(contents(path), old.left(146 * 2) + third.bytes());
        QVERIFY(!file.write(5, third));
        QVERIFY(!file.write(0, third));
        QVERIFY(!file.write(1, Record(145)));
        QVERIFY(file.write(1, third));
        QCOMPARE(contents(path), third.bytes() + old.mid(146, 146) + third.bytes());
    }

    // Another program shortens the file after it was counted: every read past its new end is an
    // error, never zero bytes made up for the missing records.
    void readsOfAFileShortenedUnderneath_data() {
        QTest::addColumn<int>("keptBytes");
        QTest::newRow("emptied") << 0;
        QTest::newRow("one record left") << 146;
        QTest::newRow("cut inside the second record") << 146 + 60;
    }
    void readsOfAFileShortenedUnderneath() {
        QFETCH(int, keptBytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("grocery.dat"));
        const QByteArray old = pattern(146 * 3);
        put(path, old);
        RecordFile file(path, 146);
        QVERIFY(file.open());
        QCOMPARE(file.count(), 3);
        put(path, old.left(keptBytes));

        QVERIFY(!file.read(2));
        QVERIFY2(file.errorString().startsWith(QStringLiteral("Could not read grocery.dat: ")),
                 qPrintable(file.errorString()));
        QVERIFY(!file.readFirst(3));
        QCOMPARE(file.read(1).has_value(), keptBytes >= 146);
        QCOMPARE(file.readAll()->size(), keptBytes / 146);
    }

    void rewrite_data() {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<int>("records");
        QTest::newRow("to nothing") << pattern(12 * 3) << 0;
        QTest::newRow("drops a partial tail") << pattern(12 + 5) << 2;
        QTest::newRow("missing file") << QByteArray() << 3;
    }
    void rewrite() {
        QFETCH(QByteArray, old);
        QFETCH(int, records);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("namefile.dat"));
        const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        if (!old.isNull()) {
            put(path, old);
            QVERIFY(QFile::setPermissions(path, mode));
        }
        RecordFile file(path, 12);
        QVERIFY(file.open());
        QCOMPARE(file.count(), old.size() / 12);
        QCOMPARE(contents(path), old);

        QList<Record> list;
        QByteArray expected;
        for (int i = 0; i < records; ++i) {
            list.append(Record(12, pattern(12, i)));
            expected += list.last().bytes();
        }
        QVERIFY2(file.rewrite(list), qPrintable(file.errorString()));
        QCOMPARE(contents(path), expected);
        if (!old.isNull())
            QCOMPARE(QFile::permissions(path) & ModeBits, mode);
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("namefile.dat")});
        // Still open, now on the new content.
        QCOMPARE(file.count(), records);
        QVERIFY(file.append(Record(12, "zzzzzzzzzzzz")));
        QCOMPARE(contents(path), expected + "zzzzzzzzzzzz");
    }

    void readOnly_data() {
        QTest::addColumn<bool>("wholeFolder");
        QTest::newRow("read-only file") << false;
        QTest::newRow("read-only folder") << true;
    }
    // A read-only file is opened read-only so that it can still be listed; a save that cannot
    // be done leaves the old file whole, open, and alone in its folder.
    void readOnly() {
        QFETCH(bool, wholeFolder);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("grocery.dat"));
        const QByteArray old = pattern(146 * 2);
        put(path, old);
        const PermissionsEnforced enforced;
        const QString locked = wholeFolder ? dir.path() : path;
        const auto mode = QFile::permissions(locked);
        QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        RecordFile file(path, 146);
        const bool opened = file.open();
        const bool rewritten = file.rewrite({Record(146)});
        const QString error = file.errorString();
        const bool appended = file.append(Record(146));
        const bool apply = permissionsApply(wholeFolder ? dir.filePath(QStringLiteral("new")) : path);
        QFile::setPermissions(locked, mode);
        if (!apply)
            QSKIP("File permissions do not apply to this user");

        QVERIFY(opened);
        QVERIFY(!rewritten);
        QVERIFY2(error.startsWith(QStringLiteral("Could not save grocery.dat: ")), qPrintable(error));
        QCOMPARE(appended, wholeFolder);
        QCOMPARE(contents(path).left(146 * 2), old);
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("grocery.dat")});
        QCOMPARE(file.read(2)->bytes(), old.mid(146));
    }

    // Marked read-only, or removed, by another program while open: the open file would still take
    // writes (into a file no longer in the folder, once removed), so nothing is written.
    void changedWhileOpen_data() {
        QTest::addColumn<bool>("removed");
        QTest::addColumn<QString>("reason");
        QTest::newRow("marked read-only") << false << QStringLiteral("the file is read-only");
        QTest::newRow("removed") << true << QStringLiteral("another program has removed it");
    }
    void changedWhileOpen() {
        QFETCH(bool, removed);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("grocery.lst"));
        const QByteArray old = pattern(149 * 2);
        put(path, old);
        RecordFile file(path, 149);
        QVERIFY(file.open());
        const PermissionsEnforced enforced;
        if (removed)
            QVERIFY(QFile::remove(path));
        else
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        const bool written = file.write(1, Record(149));
        const QString writeError = file.errorString();
        const bool rewritten = file.rewrite({});
        const QString rewriteError = file.errorString();
        const bool apply = removed || permissionsApply(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (!apply)
            QSKIP("File permissions do not apply to this user");
        QVERIFY(!written && !rewritten);
        QCOMPARE(writeError, QStringLiteral("Could not write to grocery.lst: ") + reason);
        QCOMPARE(rewriteError, QStringLiteral("Could not save grocery.lst: ") + reason);
        QCOMPARE(QFile::exists(path), !removed);
        if (!removed)
            QCOMPARE(contents(path), old);
    }

    void channels() {
        QTemporaryDir dir;
        FileChannels channels(dir.path());
        QVERIFY(channels.open(ShoppingChannel, QStringLiteral("a.lst"), 12));
        RecordFile* b = channels.open(ShoppingChannel, QStringLiteral("b.lst"), 12);
        QVERIFY(b);
        QCOMPARE(channels.file(ShoppingChannel), b);
        QVERIFY(!channels.open(10, QStringLiteral("c.lst"), 12));
        QVERIFY(!channels.open(ShoppingChannel, QStringLiteral("../c.lst"), 12));
        QCOMPARE(channels.file(ShoppingChannel), b);

        QVERIFY(!channels.copy(QStringLiteral("a.lst"), QStringLiteral("b.lst")));
        QVERIFY(channels.remove(QStringLiteral("never.lst")));
        QVERIFY(!channels.remove(QStringLiteral("b.lst")));
        QVERIFY(channels.exists(QStringLiteral("b.lst")));
        QVERIFY(channels.remove(QStringLiteral("a.lst")));
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("b.lst")});

        // Where the open files can be listed, a.lst must not be among them.
        QStringList open;
        for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::Files | QDir::System))
            open << fd.symLinkTarget();
        if (open.isEmpty())
            QSKIP("No way to list open files here");
        QVERIFY(open.contains(dir.filePath(QStringLiteral("b.lst"))));
        QVERIFY(!open.contains(dir.filePath(QStringLiteral("a.lst"))) &&
                !open.contains(dir.filePath(QStringLiteral("a.lst (deleted)"))));
    }

    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("base");
        QTest::newRow("list") << QStringLiteral("my list.lst") << QStringLiteral("my list");
        QTest::newRow("no extension") << QStringLiteral("grocery") << QStringLiteral("grocery");
        QTest::newRow("extension only") << QStringLiteral(".lst") << QString();
        QTest::newRow("two dots") << QStringLiteral("a.b.c") << QStringLiteral("a");
        for (const char* refused : {"../x.dat", "a/b", "a\\b", "c:x.dat", "", ".", "..", ".. ", "   ", "x\t"})
            QTest::newRow(refused) << QString::fromLatin1(refused) << QStringLiteral("<refused>");
        QTest::newRow("zero") << QString::fromLatin1("x\0.dat", 6) << QStringLiteral("<refused>");
    }
    // A refused name touches nothing, not even the file it would reach outside the folder.
    void names() {
        QFETCH(QString, name);
        QFETCH(QString, base);
        const bool bare = base != QStringLiteral("<refused>");
        QCOMPARE(isBareFileName(name), bare);
        if (bare) {
            QCOMPARE(baseName(name), base);
            return;
        }
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("work")));
        put(dir.filePath(QStringLiteral("x.dat")), "outside");
        put(dir.filePath(QStringLiteral("work/grocery.dat")), "inside");
        FileChannels channels(dir.filePath(QStringLiteral("work")));
        QVERIFY(!channels.open(ProductChannel, name, 146));
        QVERIFY(!channels.errorString().isEmpty());
        QVERIFY(!channels.copy(QStringLiteral("grocery.dat"), name));
        QVERIFY(!channels.copy(name, QStringLiteral("grocery.bak")));
        QVERIFY(!channels.remove(name));
        QVERIFY(!channels.exists(name));
        QCOMPARE(channels.size(name), 0);
        QCOMPARE(filesIn(dir.path()), (QStringList{QStringLiteral("work"), QStringLiteral("x.dat")}));
        QCOMPARE(filesIn(channels.folder().path()), QStringList{QStringLiteral("grocery.dat")});
        QCOMPARE(contents(dir.filePath(QStringLiteral("x.dat"))), QByteArray("outside"));
    }

    void copyReplacesAndLeavesWritable() {
        QTemporaryDir dir;
        FileChannels channels(dir.path());
        const QString from = channels.pathOf(QStringLiteral("grocery.dat"));
        const QString to = channels.pathOf(QStringLiteral("grocery.bak"));
        put(from, pattern(146 * 3));
        put(to, "an older backup");
        QVERIFY(QFile::setPermissions(from, QFileDevice::ReadOwner));
        QVERIFY2(channels.copy(QStringLiteral("grocery.dat"), QStringLiteral("grocery.bak")),
                 qPrintable(channels.errorString()));
        QCOMPARE(contents(to), pattern(146 * 3));
        QVERIFY(QFile::permissions(to).testFlag(QFileDevice::WriteOwner));
        QCOMPARE(QFile::permissions(from) & ModeBits, QFileDevice::ReadOwner);

        QVERIFY(!channels.copy(QStringLiteral("missing.dat"), QStringLiteral("new.bak")));
        QVERIFY(channels.errorString().startsWith(QStringLiteral("Could not copy missing.dat to new.bak: ")));
        QCOMPARE(filesIn(dir.path()), (QStringList{QStringLiteral("grocery.bak"), QStringLiteral("grocery.dat")}));
    }

    void fullDiskKeepsOldFile_data() {
        QTest::addColumn<bool>("copy");
        QTest::newRow("copy") << true;
        QTest::newRow("rewrite") << false;
    }

    // A disk that fills up while a new content is written leaves the old file as it was.
    void fullDiskKeepsOldFile() {
        QFETCH(bool, copy);
        QTemporaryDir dir;
        FileChannels channels(dir.path());
        put(channels.pathOf(QStringLiteral("grocery.dat")), pattern(146 * 3));
        put(channels.pathOf(QStringLiteral("grocery.bak")), pattern(146));
        const QString target = copy ? QStringLiteral("grocery.bak") : QStringLiteral("grocery.dat");
        const QByteArray old = contents(channels.pathOf(target));
        RecordFile* file = channels.open(ProductChannel, QStringLiteral("grocery.dat"), 146);
        QVERIFY(file);
        const QList<Record> records{Record(146, pattern(146)), Record(146, pattern(146)), Record(146, pattern(146))};
        bool written = false;
        {
            testing::FileSizeLimit limit(300);
            written = copy ? channels.copy(QStringLiteral("grocery.dat"), target) : file->rewrite(records);
        }
        QVERIFY(!written);
        QCOMPARE(contents(channels.pathOf(target)), old);
        QCOMPARE(filesIn(dir.path()), (QStringList{QStringLiteral("grocery.bak"), QStringLiteral("grocery.dat")}));
    }

    void strangeFilesInPlace_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("replaceable"); // a copy or rewrite may put a file of its own there
        QTest::newRow("link out of the folder") << QStringLiteral("link out") << true;
        QTest::newRow("link to nothing") << QStringLiteral("dangling link") << true;
        QTest::newRow("named pipe") << QStringLiteral("fifo") << false;
        QTest::newRow("folder") << QStringLiteral("folder") << false;
    }
    // Nothing is ever written through a link out of the folder, nor waited on or removed that is not a
    // file: files opened in place are refused; a copy replaces a link with a file of its own.
    void strangeFilesInPlace() {
        QFETCH(QString, kind);
        QFETCH(bool, replaceable);
        QTemporaryDir outer;
        QDir(outer.path()).mkdir(QStringLiteral("work"));
        const QString outside = QDir(outer.path()).filePath(QStringLiteral("precious.txt"));
        put(outside, "the user's own");
        FileChannels channels(QDir(outer.path()).filePath(QStringLiteral("work")));
        const QDir folder = channels.folder();
        put(channels.pathOf(QStringLiteral("grocery.dat")), pattern(146 * 2));
        for (const char* name : {"pantrecp.dat", "grocery.bak", "pantnotes.dat", "drive"})
            putStrange(folder, QString::fromLatin1(name), kind, outside);

        QVERIFY(!channels.open(CustomListChannel, QStringLiteral("pantrecp.dat"), 251));
        QVERIFY2(channels.errorString().startsWith(QStringLiteral("Could not open pantrecp.dat: it is ")),
                 qPrintable(channels.errorString()));
        QString why;
        QVERIFY(!readRegularFile(channels.pathOf(QStringLiteral("pantnotes.dat")), -1, why));
        QVERIFY(!why.isEmpty());
        // Only a link itself may go; a pipe or a folder stays where it is.
        const bool link = kind.contains(QLatin1String("link"));
        QCOMPARE(channels.remove(QStringLiteral("pantrecp.dat")), link);
        const QFileInfo removed(channels.pathOf(QStringLiteral("pantrecp.dat")));
        QCOMPARE(removed.exists() || removed.isSymLink(), !link);

        QCOMPARE(channels.copy(QStringLiteral("grocery.dat"), QStringLiteral("grocery.bak")), replaceable);
        QCOMPARE(channels.copyOut(QStringLiteral("grocery.dat"), folder.filePath(QStringLiteral("drive"))),
                 replaceable);
        for (const char* name : {"grocery.bak", "drive"}) {
            const QFileInfo copy(folder.filePath(QString::fromLatin1(name)));
            QCOMPARE(copy.isFile() && !copy.isSymLink(), replaceable);
            if (replaceable)
                QCOMPARE(contents(copy.filePath()), pattern(146 * 2));
        }
        QCOMPARE(contents(outside), QByteArray("the user's own"));
        QCOMPARE(QDir(outer.path()).entryList(QDir::Files), QStringList{QStringLiteral("precious.txt")});
    }

    // A link to a file of the folder itself is followed when the file is opened; a rewrite puts a
    // file of its own in the link's place and leaves what it led to as it was.
    void linkWithinTheFolder() {
        QTemporaryDir dir;
        FileChannels channels(dir.path());
        put(channels.pathOf(QStringLiteral("store.lst")), pattern(149));
        QVERIFY(QFile::link(QStringLiteral("store.lst"), channels.pathOf(QStringLiteral("grocery.lst"))));
        RecordFile* file = channels.open(ShoppingChannel, QStringLiteral("grocery.lst"), 149);
        QVERIFY2(file, qPrintable(channels.errorString()));
        QCOMPARE(file->count(), 1);
        QVERIFY2(file->rewrite({Record(149, pattern(149, 5))}), qPrintable(file->errorString()));
        QVERIFY(!QFileInfo(channels.pathOf(QStringLiteral("grocery.lst"))).isSymLink());
        QCOMPARE(contents(channels.pathOf(QStringLiteral("grocery.lst"))), pattern(149, 5));
        QCOMPARE(contents(channels.pathOf(QStringLiteral("store.lst"))), pattern(149));
    }

    void appendOnAFullDisk_data() {
        QTest::addColumn<bool>("several");
        QTest::newRow("one record") << false;
        QTest::newRow("several records") << true;
    }
    // An append the disk has room for only part of leaves the file at its old length.
    void appendOnAFullDisk() {
        QFETCH(bool, several);
        QTemporaryDir dir;
        FileChannels channels(dir.path());
        put(channels.pathOf(QStringLiteral("pantrecp.dat")), pattern(251 * 2));
        RecordFile* file = channels.open(CustomListChannel, QStringLiteral("pantrecp.dat"), 251);
        QVERIFY(file);
        bool written = false;
        qint64 appended = 0;
        {
            testing::FileSizeLimit limit(251 * 2 + 80);
            written = several ? file->appendAll({Record(251, pattern(251)), Record(251)}, appended)
                              : file->append(Record(251, pattern(251)));
        }
        QVERIFY(!written);
        QCOMPARE(contents(channels.pathOf(QStringLiteral("pantrecp.dat"))), pattern(251 * 2));
        QCOMPARE(file->count(), 2);
    }

    // Only what a save cut short leaves beside a data file there (its name, a dot and six letters
    // that do not read as a word) is removed; anything else of the user's stays.
    void saveLeftovers() {
        QTemporaryDir dir;
        const QStringList removed{"grocery.dat.AbCdEf", "grocery.lst.bak.XyZabc", "pantlpt.cfg.QWeRTY",
                                  "grocery.lst.aisles.PqRstU", "grocery.lst.ticks.uVwXyZ"};
        const QStringList kept{
            "grocery.dat",         "grocery.lst.bak",        "pantlpt.cfg",        "grocery.dat.AbCd3f",
            "grocery.dat.AbCdEfG", "store.lst.QwErTy",       "notes.txt",          "notes.txt.AbCdEf",
            "grocery.mrg.AbCdEf",  "grocery.dat.AbCdEf.old", "grocery.dat.backup", "grocery.lst.BACKUP",
            "pantlpt.cfg.Before",  "grocery.lst.aisles",     "grocery.lst.ticks"};
        for (const QString& name : removed + kept)
            put(QDir(dir.path()).filePath(name), name.toLatin1());
        removeSaveLeftoversIn(QDir(dir.path()));
        QStringList left = kept;
        left.sort(Qt::CaseInsensitive);
        QCOMPARE(filesIn(dir.path()), left);

        // Beside one file, wherever it is.
        removeSaveLeftovers(QDir(dir.path()).filePath(QStringLiteral("grocery.mrg")));
        left.removeOne(QStringLiteral("grocery.mrg.AbCdEf"));
        QCOMPARE(filesIn(dir.path()), left);
    }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "test_data_files.moc"
