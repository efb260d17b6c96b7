// Where a printout goes on a printer of the print system: the printer takes it whole, perhaps to
// wait in its queue.
#include "printingfixture.h"

#include "mainwindow/productview.h"
#include "platform/qtlineprinter.h"
#include "support/fakeprintqueue.h"

#include <QDir>
#include <QLabel>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

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
            QTest::mouseClick(window->productView()->printmastercmd, Qt::LeftButton);
        else
            QTest::mouseClick(openPrintDialog(*this)->printcmd, Qt::LeftButton);
    }

    bool printDialogOpen() const {
        const auto* dialog = window->findChild<pantprnt*>(QStringLiteral("pantprnt"));
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
    QCOMPARE(f.window->infolbl->text(), hint);
    QVERIFY(!f.printDialogOpen());
    QVERIFY(f.pdfFiles().isEmpty());

    QCOMPARE(f.queue.jobs.size(), 1);
    const FakePrintQueue::Job& job = f.queue.jobs.constFirst();
    QCOMPARE(job.title, printout);
    QVERIFY(!QFile::exists(job.spoolPath));
    f.folder.write("handed.pdf", job.pdf);
    QCOMPARE(firstLineOf(f.folder.filePath("handed.pdf")), firstLine(printout));
}

QTEST_MAIN(WherePrintoutsGoTest)
#include "test_whereprintoutsgo.moc"
