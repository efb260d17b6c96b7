// SPDX-License-Identifier: MIT
// The notes window: every way out gives the main window back; what reaches "pantnotes.dat"; the
// 3000-byte record refused at typing; printing.
#include "printingfixture.h"

#include "printing/notesedit.h"
#include "printing/noteswindow.h"
#include "support/permissions.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

QByteArray notesRecord(const QByteArray& text) {
    return text.leftJustified(NotesWindow::Capacity, ' ');
}

NotesWindow* openNotes(MainWindowFixture& f) {
    control<QAction>(f.window, "notescmd")->trigger();
    return f.window->findChild<NotesWindow*>(QStringLiteral("pantnote"));
}

void typeNotes(NotesWindow* notes) {
    QTest::keyClicks(control<NotesEdit>(notes, "Text1"), "  New");
    QTest::keyClick(control<NotesEdit>(notes, "Text1"), Qt::Key_Return);
    QTest::keyClicks(control<NotesEdit>(notes, "Text1"), "line  ");
}

} // namespace

class NotesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void waysOut_data();
    void waysOut();
    void refusedAtTyping();
    void printing_data();
    void printing();
    void changedByAnotherProgram();
    void readOnlyFile();
    void strangeFileInPlace_data();
    void strangeFileInPlace();
};

void NotesTest::waysOut_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("saved");

    QTest::newRow("Close") << "cancelcmd" << false;
    QTest::newRow("Save and Close") << "savecmd" << true;
    QTest::newRow("close box") << "close box" << false;
    QTest::newRow("Esc") << "Esc" << false;
}

void NotesTest::waysOut() {
    QFETCH(QString, way);
    QFETCH(bool, saved);

    MainWindowFixture f;
    f.folder.write("pantnotes.dat", notesRecord("Old notes"));
    f.load();
    NotesWindow* notes = openNotes(f);
    QVERIFY(notes->isVisible() && notes->isEnabled());
    QVERIFY(!f.window->isEnabled());
    QCOMPARE(control<NotesEdit>(notes, "Text1")->toPlainText(), QStringLiteral("Old notes"));
    control<NotesEdit>(notes, "Text1")->clear();
    typeNotes(notes);
    QVERIFY(!f.window->close());
    QVERIFY(f.window->isVisible() && f.finished->isEmpty());
    if (way == "close box")
        notes->close();
    else if (way == "Esc")
        QTest::keyClick(control<NotesEdit>(notes, "Text1"), Qt::Key_Escape);
    else
        QTest::mouseClick(notes->findChild<QAbstractButton*>(way), Qt::LeftButton);

    QVERIFY(!notes->isVisible());
    QVERIFY(f.window->isEnabled());
    // Leading and trailing blanks go; the line break stays, as carriage return and line feed.
    const QByteArray expected = notesRecord(saved ? "New\r\nline" : "Old notes");
    QCOMPARE(f.folder.read("pantnotes.dat"), expected);
    QCOMPARE(control<NotesEdit>(openNotes(f), "Text1")->toPlainText(),
             saved ? QStringLiteral("New\nline") : QStringLiteral("Old notes"));
}

// A line break takes two bytes of the record; what would not fit is refused, never cut on saving.
void NotesTest::refusedAtTyping() {
    MainWindowFixture f;
    f.load();
    NotesWindow* notes = openNotes(f);
    typeText(control<NotesEdit>(notes, "Text1"), QStringLiteral("日"));
    QCOMPARE(control<NotesEdit>(notes, "Text1")->toPlainText(), QString());
    control<NotesEdit>(notes, "Text1")->setStoredText(QString(2999, QLatin1Char('a')));
    QTest::keyClick(control<NotesEdit>(notes, "Text1"), Qt::Key_Return);
    QTest::keyClicks(control<NotesEdit>(notes, "Text1"), "bc");
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    QTest::keyClick(control<NotesEdit>(notes, "Text1"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(control<NotesEdit>(notes, "Text1")->toPlainText(), QString(2999, QLatin1Char('a')) + "b");
    QTest::mouseClick(control<QAbstractButton>(notes, "savecmd"), Qt::LeftButton);
    QCOMPARE(f.folder.read("pantnotes.dat"), QByteArray(2999, 'a') + "b");
}

void NotesTest::printing_data() {
    QTest::addColumn<bool>("blank");
    QTest::newRow("notes") << false;
    QTest::newRow("blank notes print nothing") << true;
}

void NotesTest::printing() {
    QFETCH(bool, blank);

    MainWindowFixture f;
    f.folder.write("pantnotes.dat", notesRecord("Old"));
    f.load();
    NotesWindow* notes = openNotes(f);
    control<NotesEdit>(notes, "Text1")->clear();
    if (blank)
        QTest::keyClicks(control<NotesEdit>(notes, "Text1"), "   ");
    else
        typeNotes(notes);
    QTest::mouseClick(control<QAbstractButton>(notes, "printcmd"), Qt::LeftButton);
    QVERIFY(notes->isVisible());
    QCOMPARE(f.folder.read("pantnotes.dat"), notesRecord(blank ? "Old" : "New\r\nline"));
    if (blank) {
        QVERIFY(f.printer.documents().isEmpty());
        return;
    }
    const RecordingPrinter::Document& page = f.printer.last();
    const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    const QStringList expected{
        "", "", "", "Shopping Notes", "Printed " + date, "", QString::fromLatin1(notesRecord("New\r\nline"))};
    QCOMPARE(page.texts(), expected);
    QCOMPARE(page.lines.at(3).size, 14.0);
    QCOMPARE(page.lines.at(4).size, 12.0);
}

// Another program's change is not overwritten unseen: the first save tells and writes nothing.
void NotesTest::changedByAnotherProgram() {
    MainWindowFixture f;
    f.folder.write("pantnotes.dat", notesRecord("Old"));
    f.load();
    NotesWindow* notes = openNotes(f);
    QTest::keyClicks(control<NotesEdit>(notes, "Text1"), " and mine");
    f.folder.write("pantnotes.dat", notesRecord("Theirs"));
    f.dialogs.expectMessage("pantnotes.dat was changed by another program while the notes were open, so nothing was "
                            "saved. Save again to replace it with the notes shown.");
    QTest::mouseClick(control<QAbstractButton>(notes, "savecmd"), Qt::LeftButton);
    QVERIFY(f.dialogs.done());
    QVERIFY(notes->isVisible() && !f.window->isEnabled());
    QCOMPARE(f.folder.read("pantnotes.dat"), notesRecord("Theirs"));
    QTest::mouseClick(control<QAbstractButton>(notes, "savecmd"), Qt::LeftButton);
    QCOMPARE(f.folder.read("pantnotes.dat"), notesRecord("Old and mine"));
    QVERIFY(f.window->isEnabled());
}

void NotesTest::readOnlyFile() {
    MainWindowFixture f;
    f.folder.write("pantnotes.dat", notesRecord("Old"));
    QVERIFY(QFile::setPermissions(f.folder.filePath("pantnotes.dat"), QFile::ReadOwner));
    PermissionsEnforced enforced;
    f.load();
    NotesWindow* notes = openNotes(f);
    QTest::keyClicks(control<NotesEdit>(notes, "Text1"), " and new");
    f.dialogs.expectMessage("Could not save pantnotes.dat: the file is read-only");
    QTest::mouseClick(control<QAbstractButton>(notes, "savecmd"), Qt::LeftButton);
    QVERIFY(f.dialogs.done());
    QVERIFY(notes->isVisible() && !f.window->isEnabled());
    QCOMPARE(f.folder.read("pantnotes.dat"), notesRecord("Old"));
    QTest::mouseClick(control<QAbstractButton>(notes, "cancelcmd"), Qt::LeftButton);
    QVERIFY(f.window->isEnabled());
}

void NotesTest::strangeFileInPlace_data() {
    QTest::addColumn<bool>("pipe");
    QTest::addColumn<QString>("why");
    QTest::newRow("named pipe") << true << "it is not a regular file";
    QTest::newRow("link out of the folder") << false << "it is a link to a file outside the working folder";
}

// A named pipe or a link out of the folder in the notes' place is told of, never waited on or written.
void NotesTest::strangeFileInPlace() {
    QFETCH(bool, pipe);
    QFETCH(QString, why);
    MainWindowFixture f;
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("mine.txt"));
    QFile mine(outside);
    QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("mine") == 4);
    mine.close();
    const QString path = f.folder.filePath("pantnotes.dat");
    QVERIFY(pipe ? mkfifo(QFile::encodeName(path).constData(), 0600) == 0 : QFile::link(outside, path));
    f.load();
    f.dialogs.expectMessage("Could not open pantnotes.dat: " + why);
    NotesWindow* notes = openNotes(f);
    QVERIFY(f.dialogs.done());
    QTest::keyClicks(control<NotesEdit>(notes, "Text1"), "New");
    f.dialogs.expectMessage("Could not open pantnotes.dat: " + why);
    QTest::mouseClick(control<QAbstractButton>(notes, "savecmd"), Qt::LeftButton);
    QVERIFY(f.dialogs.done());
    QTest::mouseClick(control<QAbstractButton>(notes, "cancelcmd"), Qt::LeftButton);
    QVERIFY(f.window->isEnabled());
    QCOMPARE(QFileInfo(path).isSymLink(), !pipe);
    QVERIFY(mine.open(QIODevice::ReadOnly));
    QCOMPARE(mine.readAll(), QByteArray("mine"));
}

QTEST_MAIN(NotesTest)
#include "test_noteswindow.moc"
