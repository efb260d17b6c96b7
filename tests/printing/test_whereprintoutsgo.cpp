// SPDX-License-Identifier: MIT
// Where a printout goes on a printer of the print system: the printer takes it whole, perhaps to
// wait in its queue, or refuses it, and then the user is told and may keep it as a PDF file.
#include "printingfixture.h"

#include "mainwindow/productview.h"
#include "platform/qtlineprinter.h"
#include "support/fakeprintqueue.h"
#include "support/permissions.h"

#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QRegularExpression>
#include <QTime>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

const QString Refused = QStringLiteral("it is not accepting jobs (Out of toner)");
const QString Offer = QStringLiteral("The printer Office did not accept the printout: ") + Refused +
                      QStringLiteral("\n\nSave it as a PDF file in the working folder instead?");

// A main window over the shopping files that prints on the fake print system.
struct PrintSystemFixture : MainWindowFixture {
    FakePrintQueue queue;
    std::unique_ptr<QtLinePrinter> printer;

    PrintSystemFixture() {
        layShoppingFiles(folder);
        load();
        printer = std::make_unique<QtLinePrinter>(folder.path(), queue);
        window->setLinePrinter(printer.get());
    }

    QStringList pdfFiles() const { return QDir(folder.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files); }

    // Prints as the user does, answering the product list's question with yes, and then expects
    // the boxes given, answered as given.
    void print(const QString& printout, const QList<std::pair<QString, Dialogs::Answer>>& boxes = {}) {
        if (printout == QLatin1String("product list"))
            dialogs.expectMessage(QStringLiteral("Print the Product List?"), Dialogs::Answer::Yes);
        for (const auto& [text, answer] : boxes)
            dialogs.expectMessage(text, answer);
        if (printout == QLatin1String("product list"))
            QTest::mouseClick(window->productView()->printButton(), Qt::LeftButton);
        else
            QTest::mouseClick(control<QAbstractButton>(openPrintDialog(*this), "printcmd"), Qt::LeftButton);
    }

    bool printDialogOpen() const {
        const auto* dialog = window->findChild<PrintDialog*>(QStringLiteral("pantprnt"));
        return dialog && dialog->isVisible();
    }
};

// The first line of each printout, as pdftotext reads it.
QString firstLine(const QString& printout) {
    return printout == QLatin1String("product list") ? QStringLiteral("PANTREX Product List Printed")
                                                     : QStringLiteral("Quantity/Item Category");
}

QString firstLineOf(const QString& pdf) {
    const QStringList lines = pdfLines(pdf);
    return lines.isEmpty() ? QString() : lines.constFirst().simplified().section(QLatin1Char(' '), 0, 3);
}

} // namespace

class WherePrintoutsGoTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void takenByThePrinter_data();
    void takenByThePrinter();
    void refused_data();
    void refused();
    void refusedAndNotSaved();
    void hintLineKeepsWhere_data();
    void hintLineKeepsWhere();
};

void WherePrintoutsGoTest::takenByThePrinter_data() {
    QTest::addColumn<QString>("printout");
    QTest::addColumn<QString>("waits");
    QTest::addColumn<QString>("hint");

    QTest::newRow("shopping list printed") << "shopping list"
                                           << ""
                                           << "Printout sent to Office";
    QTest::newRow("product list waits") << "product list"
                                        << "the printer is stopped (Paused)"
                                        << "Printout sent to Office, where it waits: the printer is stopped (Paused)";
}

// The printer is handed the whole printout as a PDF file, which goes once it has been handed over.
void WherePrintoutsGoTest::takenByThePrinter() {
    QFETCH(QString, printout);
    QFETCH(QString, waits);
    QFETCH(QString, hint);

    PrintSystemFixture f;
    f.queue.answer = {true, waits};
    f.print(printout);
    QVERIFY(f.dialogs.done());
    QCOMPARE(control<QLabel>(f.window, "infolbl")->text(), hint);
    QVERIFY(!f.printDialogOpen());
    QVERIFY(f.pdfFiles().isEmpty());

    QCOMPARE(f.queue.jobs.size(), 1);
    const FakePrintQueue::Job& job = f.queue.jobs.constFirst();
    QCOMPARE(job.title, printout);
    QVERIFY(!QFile::exists(job.spoolPath));
    f.folder.write("handed.pdf", job.pdf);
    QCOMPARE(firstLineOf(f.folder.filePath("handed.pdf")), firstLine(printout));
}

void WherePrintoutsGoTest::refused_data() {
    QTest::addColumn<QString>("printout");
    QTest::addColumn<bool>("save");

    QTest::newRow("shopping list saved") << "shopping list" << true;
    QTest::newRow("shopping list not saved") << "shopping list" << false;
    QTest::newRow("product list saved") << "product list" << true;
    QTest::newRow("product list not saved") << "product list" << false;
}

// Saved, the refused printout is the very file the printer was offered, named as any printout
// made without a printer; not saved, nothing of it is left, and the print dialog stays open.
void WherePrintoutsGoTest::refused() {
    QFETCH(QString, printout);
    QFETCH(bool, save);

    PrintSystemFixture f;
    f.queue.answer = {false, Refused};
    f.print(printout, {{Offer, save ? Dialogs::Answer::Yes : Dialogs::Answer::No}});
    QVERIFY(f.dialogs.done());
    const Dialogs::Message& box = f.dialogs.shown().constLast().message;
    QVERIFY(box.buttons == Dialogs::Buttons::YesNo && box.icon == Dialogs::Icon::Exclamation);
    QCOMPARE(f.queue.jobs.size(), 1);
    QVERIFY(!QFile::exists(f.queue.jobs.constFirst().spoolPath));
    QCOMPARE(f.printDialogOpen(), printout == QLatin1String("shopping list") && !save);

    const QStringList pdfs = f.pdfFiles();
    if (!save) {
        QVERIFY2(pdfs.isEmpty(), qPrintable(pdfs.join(QLatin1Char(','))));
        QCOMPARE(control<QLabel>(f.window, "infolbl")->text(), QString());
        return;
    }
    QCOMPARE(pdfs.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^%1 \\d{4}-\\d\\d-\\d\\d \\d{4}\\.pdf$").arg(printout))
                 .match(pdfs.constFirst())
                 .hasMatch(),
             qPrintable(pdfs.constFirst()));
    const QString pdf = f.folder.filePath(pdfs.constFirst());
    QCOMPARE(f.folder.read(pdfs.constFirst()), f.queue.jobs.constFirst().pdf);
    QCOMPARE(firstLineOf(pdf), firstLine(printout));
    QCOMPARE(control<QLabel>(f.window, "infolbl")->text(), "Printout saved as " + QDir::toNativeSeparators(pdf));
}

// A PDF file that cannot be written is told as well, with the system's reason.
void WherePrintoutsGoTest::refusedAndNotSaved() {
    PrintSystemFixture f;
    f.queue.answer = {false, Refused};
    QVERIFY(QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    // The file's name gives the minute: it must not change between here and the printout.
    while (QTime::currentTime().second() >= 58)
        QTest::qWait(250);
    const QString pdf = QtLinePrinter::pdfFilePath(f.folder.path(), "product list", QDateTime::currentDateTime());
    {
        PermissionsEnforced enforced;
        f.print("product list", {{Offer, Dialogs::Answer::Yes},
                                 {"The printout was abandoned.\n\nThe printer reported: " +
                                      QDir::toNativeSeparators(pdf) + " could not be written: Permission denied",
                                  Dialogs::Answer::Ok}});
    }
    QVERIFY(QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(f.dialogs.done());
    QVERIFY(f.pdfFiles().isEmpty());
    QVERIFY(!QFile::exists(f.queue.jobs.constFirst().spoolPath));
    QCOMPARE(control<QLabel>(f.window, "infolbl")->text(), QString());
}

void WherePrintoutsGoTest::hintLineKeepsWhere_data() {
    QTest::addColumn<QString>("nextMove");
    QTest::addColumn<QString>("hint");

    const QString where = QStringLiteral("Printed on the test printer");
    QTest::newRow("pointer resting where it was") << "" << where;
    QTest::newRow("onto the window background") << "background" << where;
    QTest::newRow("onto a list") << "List1"
                                 << "";
    QTest::newRow("onto a button") << "foodoncmd"
                                   << "Add the selected product(s) to shopping list.";
}

// The print dialog closes over the shopping list, where the pointer rests. The window below is told
// the pointer is over it, and then the pointer moves on: over a control, the hints are as always.
void WherePrintoutsGoTest::hintLineKeepsWhere() {
    QFETCH(QString, nextMove);
    QFETCH(QString, hint);

    MainWindowFixture f;
    layShoppingFiles(f.folder);
    f.load();
    MainWindow* window = f.window.get();
    QWidget* list = window->shoppingList()->rowsView();
    const QPoint resting = list->mapTo(window, list->rect().center());
    QCursor::setPos(window->mapToGlobal(resting));
    QCoreApplication::processEvents();
    PrintDialog* dialog = openPrintDialog(f);
    QTest::mouseClick(control<QAbstractButton>(dialog, "printcmd"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(control<QLabel>(window, "infolbl")->text(), QStringLiteral("Printed on the test printer"));

    // The pointer has not moved, and yet the window now finds it over the list.
    pointerMovesTo(window, resting);
    if (nextMove == QLatin1String("background"))
        pointerMovesTo(window, window->centralWidget()->mapTo(window, QPoint(2, 2)));
    else if (!nextMove.isEmpty())
        pointerEnters(window->findChild<QWidget*>(nextMove));
    QCOMPARE(control<QLabel>(window, "infolbl")->text(), hint);
    pointerEnters(window->shoppingList()->printButton());
    QCOMPARE(control<QLabel>(window, "infolbl")->text(), QStringLiteral("Print your shopping list."));
}

QTEST_MAIN(WherePrintoutsGoTest)
#include "test_whereprintoutsgo.moc"
