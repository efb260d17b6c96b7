// SPDX-License-Identifier: MIT
// The print dialog: its controls, and what it leaves in "pantlpt.cfg" and "pantnote.dat".
#include "printingfixture.h"

#include "support/permissions.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

#include <sys/stat.h>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

QByteArray settings(const QByteArray& flags, const QByteArray& unused = {}) {
    return flags + unused + QByteArray(500 - unused.size(), '\0');
}

QByteArray note(const QByteArray& text) {
    return text.leftJustified(60, ' ');
}

QString shown(const PrintDialog* dialog) {
    return QStringList{control<QLineEdit>(dialog, "fontsizetxt")->text(),
                       control<QAbstractButton>(dialog, "bold")->isChecked() ? "bold" : "regular",
                       control<QAbstractButton>(dialog, "category")->isChecked() ? "category" : "alpha",
                       control<QAbstractButton>(dialog, "sepopt")->isChecked() ? "separators" : "-",
                       control<QAbstractButton>(dialog, "price")->isChecked() ? "price" : "noprice"}
        .join(QLatin1Char('|'));
}

QStringList notesShown(const PrintDialog* dialog) {
    QStringList notes;
    for (int i = 0; i < 3; ++i)
        notes.append(noteBox(dialog, i)->text());
    return notes;
}

} // namespace

class PrintDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void savedChoices_data();
    void savedChoices();
    void savedNotes_data();
    void savedNotes();
    void readOnlyFiles();
    void strangeFilesInPlace_data();
    void strangeFilesInPlace();
};

void PrintDialogTest::savedChoices_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("first run") << QByteArray() << QStringList{} << "12|regular|alpha|-|noprice" << settings("121 1   ");
    QTest::newRow("unused part kept") << settings("8  1 1 1", QByteArray(500, 'u')) << QStringList{}
                                      << "8|bold|category|-|price" << settings("8  1 1 1", QByteArray(500, 'u'));
    QTest::newRow("separators switch to by category")
        << QByteArray() << QStringList{"sepopt"} << "12|regular|category|separators|noprice" << settings("121  11 ");
    QTest::newRow("alphabetically unticks separators")
        << QByteArray() << QStringList{"sepopt", "alpha", "bold", "price"} << "12|bold|alpha|-|price"
        << settings("12 11  1");
    QTest::newRow("> at 18 wraps to 8") << settings("18") << QStringList{"fontupcmd"} << "8|regular|alpha|-|noprice"
                                        << settings("8 1 1   ");
    QTest::newRow("< at 8 wraps to 18") << settings("8 ") << QStringList{"fontdowncmd"} << "18|regular|alpha|-|noprice"
                                        << settings("181 1   ");
    QTest::newRow("other sizes stay") << settings("9 ") << QStringList{"fontupcmd"} << "9|regular|alpha|-|noprice"
                                      << settings("9 1 1   ");
    QTest::newRow("short file of odd bytes")
        << QByteArray("7xZZZZZZ") + QByteArray(92, 'r') << QStringList{} << "7x|bold|category|separators|price"
        << QByteArray("7x 1 111") + QByteArray(92, 'r') + QByteArray(408, '\0');
}

void PrintDialogTest::savedChoices() {
    QFETCH(QByteArray, before);
    QFETCH(QStringList, clicks);
    QFETCH(QString, state);
    QFETCH(QByteArray, after);

    MainWindowFixture f;
    layShoppingFiles(f.folder);
    if (!before.isNull())
        f.folder.write("pantlpt.cfg", before);
    f.load();
    PrintDialog* dialog = openPrintDialog(f);
    for (const QString& name : clicks)
        QTest::mouseClick(dialog->findChild<QAbstractButton*>(name), Qt::LeftButton);
    QCOMPARE(shown(dialog), state);
    // The size box previews the weight, and after a step the size two points smaller.
    QCOMPARE(control<QLineEdit>(dialog, "fontsizetxt")->font().bold(),
             control<QAbstractButton>(dialog, "bold")->isChecked());
    if (clicks.contains("fontupcmd") || clicks.contains("fontdowncmd"))
        QCOMPARE(control<QLineEdit>(dialog, "fontsizetxt")->font().pointSizeF(),
                 control<QLineEdit>(dialog, "fontsizetxt")->text().toDouble() - 2);
    // The close box is "Not yet".
    QVERIFY(dialog->close());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(f.folder.read("pantlpt.cfg"), after);
    QVERIFY(f.printer.documents().isEmpty());
}

void PrintDialogTest::savedNotes_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("clear");
    QTest::addColumn<QStringList>("notes");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("typed notes are saved trimmed")
        << QByteArray() << QStringList{"  Milk  ", "", "Eggs"} << false << QStringList{"  Milk  ", "", "Eggs"}
        << note("Milk") + note("") + note("Eggs");
    QTest::newRow("a note cut short by the end of the file")
        << note("Note one") + note("Note two") + "Note three" << QStringList{} << false
        << QStringList{"Note one", "Note two", "Note three"}
        << note("Note one") + note("Note two") + note("Note three");
    QTest::newRow("clear") << note("a") + note("b") + note("c") << QStringList{} << true << QStringList{"", "", ""}
                           << QByteArray(180, ' ');
    QTest::newRow("characters the file cannot hold are refused")
        << QByteArray() << QStringList{QStringLiteral("Crème 日本 €5")} << false
        << QStringList{QStringLiteral("Crème  €5"), "", ""}
        << note("Cr\xe8me  \x80"
                "5") +
               note("") + note("");
    QTest::newRow("sixty characters at most")
        << QByteArray() << QStringList{QString(61, QLatin1Char('x'))} << false
        << QStringList{QString(60, QLatin1Char('x')), "", ""} << QByteArray(60, 'x') + note("") + note("");
}

void PrintDialogTest::savedNotes() {
    QFETCH(QByteArray, before);
    QFETCH(QStringList, typed);
    QFETCH(bool, clear);
    QFETCH(QStringList, notes);
    QFETCH(QByteArray, after);

    MainWindowFixture f;
    layShoppingFiles(f.folder);
    if (!before.isNull())
        f.folder.write("pantnote.dat", before);
    f.load();
    PrintDialog* dialog = openPrintDialog(f);
    for (int i = 0; i < typed.size(); ++i)
        typeText(noteBox(dialog, i), typed.at(i));
    if (clear)
        QTest::mouseClick(control<QAbstractButton>(dialog, "clearcmd"), Qt::LeftButton);
    QCOMPARE(notesShown(dialog), notes);
    QTest::mouseClick(control<QAbstractButton>(dialog, "cancelcmd"), Qt::LeftButton);
    QCOMPARE(f.folder.read("pantnote.dat"), after);
    // The dialog is made once a run: the boxes, not the file, carry the notes from now on.
    f.folder.write("pantnote.dat", QByteArray());
    QCOMPARE(openPrintDialog(f), dialog);
    QCOMPARE(notesShown(dialog), notes);
}

void PrintDialogTest::readOnlyFiles() {
    MainWindowFixture f;
    layShoppingFiles(f.folder);
    const QByteArray settingsBefore = settings("14 11 1 ");
    const QByteArray notesBefore = note("Old") + note("") + note("");
    f.folder.write("pantlpt.cfg", settingsBefore);
    f.folder.write("pantnote.dat", notesBefore);
    for (const char* name : {"pantlpt.cfg", "pantnote.dat"})
        QVERIFY(QFile::setPermissions(f.folder.filePath(name), QFile::ReadOwner));
    PermissionsEnforced enforced;
    f.load();
    PrintDialog* dialog = openPrintDialog(f);
    QCOMPARE(notesShown(dialog), QStringList({"Old", "", ""}));
    QTest::keyClicks(noteBox(dialog, 0), " and new");
    QTest::mouseClick(control<QAbstractButton>(dialog, "bold"), Qt::LeftButton);
    f.dialogs.expectMessage("Could not save pantnote.dat: the file is read-only");
    f.dialogs.expectMessage("Could not save pantlpt.cfg: the file is read-only");
    QTest::mouseClick(control<QAbstractButton>(dialog, "cancelcmd"), Qt::LeftButton);
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.folder.read("pantlpt.cfg"), settingsBefore);
    QCOMPARE(f.folder.read("pantnote.dat"), notesBefore);
    // What could not be saved is still in the dialog for the rest of the run.
    QCOMPARE(noteBox(openPrintDialog(f), 0)->text(), QStringLiteral("Old and new"));
}

void PrintDialogTest::strangeFilesInPlace_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("choices") << "pantlpt.cfg";
    QTest::newRow("notes") << "pantnote.dat";
}

// A named pipe in place of the choices or the notes is told of when the dialog opens, never waited on.
void PrintDialogTest::strangeFilesInPlace() {
    QFETCH(QString, name);
    MainWindowFixture f;
    layShoppingFiles(f.folder);
    QCOMPARE(mkfifo(QFile::encodeName(f.folder.filePath(name)).constData(), 0600), 0);
    f.load();
    f.dialogs.expectMessage("Could not open " + name + ": it is not a regular file");
    PrintDialog* dialog = openPrintDialog(f);
    QVERIFY(f.dialogs.done());
    QVERIFY(dialog->isVisible());
    QVERIFY(QFileInfo(f.folder.filePath(name)).exists());
}

QTEST_MAIN(PrintDialogTest)
#include "test_printdialog.moc"
