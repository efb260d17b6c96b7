// SPDX-License-Identifier: MIT
// The print dialog's files without a window: what "pantlpt.cfg" and "pantnote.dat" read as, what
// writing the choices and notes leaves on disk, and what is told when a file cannot be used.
#include "core/printsettings.h"
#include "data/filechannels.h"
#include "support/permissions.h"
#include "support/testfolder.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

const QString SettingsFile = QStringLiteral("pantlpt.cfg");
const QString NotesFile = QStringLiteral("pantnote.dat");
const QByteArray Pipe = "(pipe)";
const QByteArray ReadOnly = "(read-only)";

QByteArray settings(const QByteArray& flags, const QByteArray& unused = {}) {
    return flags + unused + QByteArray(500 - unused.size(), '\0');
}

QByteArray note(const QByteArray& text) {
    return text.leftJustified(60, ' ');
}

// Lays a file down: Pipe for a named pipe, ReadOnly followed by the bytes for a read-only file,
// null for none.
void lay(const TestFolder& folder, const QString& name, const QByteArray& bytes) {
    if (bytes.isNull())
        return;
    const QString path = folder.filePath(name);
    if (bytes == Pipe) {
        QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        return;
    }
    const bool readOnly = bytes.startsWith(ReadOnly);
    folder.write(name, readOnly ? bytes.sliced(ReadOnly.size()) : bytes);
    if (readOnly)
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
}

QByteArray onDisk(const TestFolder& folder, const QString& name) {
    const QFileInfo info(folder.filePath(name));
    if (info.exists() && !info.isFile())
        return Pipe;
    return folder.exists(name) ? folder.read(name) : QByteArray("(missing)");
}

QString flags(const PrintChoices& choices) {
    QString shown = choices.fontSize + QLatin1Char('|');
    for (const bool flag : {choices.regular, choices.bold, choices.alphabetical, choices.byCategory, choices.separators,
                            choices.unitPrices})
        shown += flag ? QLatin1Char('1') : QLatin1Char('-');
    return shown;
}

QString errorOf(const std::optional<Notice>& notice) {
    if (!notice)
        return {};
    return (notice->kind == Notice::Kind::Error && notice->title.isEmpty() ? QString()
                                                                           : QStringLiteral("(not an error) ")) +
           notice->text;
}

} // namespace

class PrintSettingsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void read_data();
    void read();
    void writeChoices_data();
    void writeChoices();
    void writeNotes_data();
    void writeNotes();
};

void PrintSettingsTest::read_data() {
    QTest::addColumn<QByteArray>("settingsBytes");
    QTest::addColumn<QByteArray>("notesBytes");
    QTest::addColumn<QString>("choices");
    QTest::addColumn<QStringList>("notes");
    QTest::addColumn<QString>("notice");

    const QByteArray none;
    QTest::newRow("first run") << none << none << "|------" << QStringList{"", "", ""} << "";
    QTest::newRow("saved") << settings("8  1 1 1") << note("  Milk") + note("") + note("Eggs") << "8|-1-1-1"
                           << QStringList{"Milk", "", "Eggs"} << "";
    QTest::newRow("odd bytes are flags set, zeros are not")
        << QByteArray("7xZZ") + '\0' + "ZZ" << none << "7x|11-11-" << QStringList{"", "", ""} << "";
    QTest::newRow("a note cut short") << none << note("Note one") + "Note t"
                                      << "|------" << QStringList{"Note one", "Note t", ""} << "";
    QTest::newRow("a pipe for the settings") << Pipe << note("Milk") << "|------" << QStringList{"Milk", "", ""}
                                             << "Could not open pantlpt.cfg: it is not a regular file";
    QTest::newRow("a pipe for the notes") << settings("14 1") << Pipe << "14|-1----" << QStringList{"", "", ""}
                                          << "Could not open pantnote.dat: it is not a regular file";
    QTest::newRow("pipes for both: the notes told") << Pipe << Pipe << "|------" << QStringList{"", "", ""}
                                                    << "Could not open pantnote.dat: it is not a regular file";
}

void PrintSettingsTest::read() {
    QFETCH(QByteArray, settingsBytes);
    QFETCH(QByteArray, notesBytes);
    QFETCH(QString, choices);
    QFETCH(QStringList, notes);
    QFETCH(QString, notice);

    TestFolder folder;
    lay(folder, SettingsFile, settingsBytes);
    lay(folder, NotesFile, notesBytes);
    FileChannels files(folder.path());
    const StoredPrintChoices stored = readPrintChoices(files);
    QCOMPARE(flags(stored.choices), choices);
    QCOMPARE(stored.notes, notes);
    QCOMPARE(errorOf(stored.notice), notice);
    QCOMPARE(onDisk(folder, SettingsFile), settingsBytes.isNull() ? QByteArray() : settingsBytes);
}

void PrintSettingsTest::writeChoices_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("fontSize");
    QTest::addColumn<QString>("choices"); // regular, bold, alphabetical, by category, separators, unit prices
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("first run") << QByteArray() << "12"
                               << "1-1---"
                               << "" << settings("121 1   ");
    QTest::newRow("the unused part kept") << settings("8  1 1 1", QByteArray(500, 'u')) << "14"
                                          << "-1-111"
                                          << "" << settings("14 1 111", QByteArray(500, 'u'));
    QTest::newRow("a short file of odd bytes")
        << QByteArray("7xZZZZZZ") + QByteArray(92, 'r') << "7x"
        << "-1-111"
        << "" << QByteArray("7x 1 111") + QByteArray(92, 'r') + QByteArray(408, '\0');
    QTest::newRow("read-only") << ReadOnly + settings("14") << "8"
                               << "1-1---"
                               << "Could not save pantlpt.cfg: the file is read-only" << settings("14");
    QTest::newRow("a pipe") << Pipe << "8"
                            << "1-1---"
                            << "Could not open pantlpt.cfg: it is not a regular file" << Pipe;
}

void PrintSettingsTest::writeChoices() {
    QFETCH(QByteArray, before);
    QFETCH(QString, fontSize);
    QFETCH(QString, choices);
    QFETCH(QString, notice);
    QFETCH(QByteArray, after);

    TestFolder folder;
    lay(folder, SettingsFile, before);
    PermissionsEnforced enforced;
    FileChannels files(folder.path());
    PrintChoices written;
    written.fontSize = fontSize;
    bool* flag[] = {&written.regular,    &written.bold,       &written.alphabetical,
                    &written.byCategory, &written.separators, &written.unitPrices};
    for (qsizetype i = 0; i < choices.size(); ++i)
        *flag[i] = choices.at(i) == QLatin1Char('1');
    QCOMPARE(errorOf(writePrintChoices(files, written)), notice);
    QCOMPARE(onDisk(folder, SettingsFile), after);
}

void PrintSettingsTest::writeNotes_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("notes");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("trimmed") << QByteArray() << QStringList{"  Milk  ", "", "Eggs"} << ""
                             << note("Milk") + note("") + note("Eggs");
    QTest::newRow("records after the third kept, an odd tail not")
        << note("a") + note("b") + note("c") + note("d") + "e" << QStringList{"x"} << ""
        << note("x") + note("") + note("") + note("d");
    QTest::newRow("sixty bytes at most") << QByteArray() << QStringList{QString(61, QLatin1Char('x'))} << ""
                                         << QByteArray(60, 'x') + note("") + note("");
    QTest::newRow("read-only") << ReadOnly + note("Old") << QStringList{"New"}
                               << "Could not save pantnote.dat: the file is read-only" << note("Old");
    QTest::newRow("a pipe") << Pipe << QStringList{"New"} << "Could not open pantnote.dat: it is not a regular file"
                            << Pipe;
}

void PrintSettingsTest::writeNotes() {
    QFETCH(QByteArray, before);
    QFETCH(QStringList, notes);
    QFETCH(QString, notice);
    QFETCH(QByteArray, after);

    TestFolder folder;
    lay(folder, NotesFile, before);
    PermissionsEnforced enforced;
    FileChannels files(folder.path());
    QCOMPARE(errorOf(writePrintNotes(files, notes)), notice);
    QCOMPARE(onDisk(folder, NotesFile), after);
}

QTEST_GUILESS_MAIN(PrintSettingsTest)
#include "test_printsettings.moc"
