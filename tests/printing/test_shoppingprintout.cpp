// SPDX-License-Identifier: MIT
// The shopping list printout through the print dialog: both layouts, the printer failing, odd
// font sizes, and once all the way to a PDF file read back as text.
#include "printingfixture.h"

#include "platform/qtlineprinter.h"
#include "printing/printtext.h"
#include "support/permissions.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

const QString Footer = QStringLiteral("Pantrex Shopping List Utility");

struct Choices {
    QString fontSize = QStringLiteral("12");
    bool byCategory = false;
    bool separators = false;
    bool prices = false;
    bool bold = false;
    QStringList notes;
};

void choose(PrintDialog* dialog, const Choices& choices) {
    control<QLineEdit>(dialog, "fontsizetxt")->clear();
    QTest::keyClicks(control<QLineEdit>(dialog, "fontsizetxt"), choices.fontSize);
    QTest::mouseClick(choices.bold ? control<QAbstractButton>(dialog, "bold")
                                   : control<QAbstractButton>(dialog, "regular"),
                      Qt::LeftButton);
    QTest::mouseClick(choices.byCategory ? control<QAbstractButton>(dialog, "category")
                                         : control<QAbstractButton>(dialog, "alpha"),
                      Qt::LeftButton);
    if (choices.separators)
        QTest::mouseClick(control<QAbstractButton>(dialog, "sepopt"), Qt::LeftButton);
    QTest::mouseClick(choices.prices ? control<QAbstractButton>(dialog, "price")
                                     : control<QAbstractButton>(dialog, "noprice"),
                      Qt::LeftButton);
    for (int i = 0; i < choices.notes.size(); ++i)
        QTest::keyClicks(noteBox(dialog, i), choices.notes.at(i));
}

QStringList listOrder(bool prices) {
    return {printedRow("1", prices ? "Bread (2.99)" : "Bread", "Bakery"),
            printedRow("2", prices ? "Milk (1.50)" : "Milk", "Dairy"), printedRow("1", "Milk chocolate", "Dairy"),
            printedRow("2", prices ? "Rolls (.50)" : "Rolls", "bakery")};
}

} // namespace

Q_DECLARE_METATYPE(Choices)

class ShoppingPrintoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layouts_data();
    void layouts();
    void printerFails_data();
    void printerFails();
    void toPdf();
    void pdfThatCannotBeWritten();
};

void ShoppingPrintoutTest::layouts_data() {
    QTest::addColumn<Choices>("choices");
    QTest::addColumn<double>("points");
    QTest::addColumn<QStringList>("body");

    // Sizes that are none of the steps print at a size that is readable and fits the paper.
    const QString separator(40, QLatin1Char('-'));
    QTest::newRow("list order, size too small")
        << Choices{"3", false, false, false, false, {}} << 6.0 << listOrder(false);
    QTest::newRow("list order, unit prices, notes, size too large")
        << Choices{"99", false, false, true, false, {"Bring bags", "", "  coupons "}} << 20.0
        << listOrder(true) + QStringList{"", "Bring bags", "  coupons "};
    QTest::newRow("by category, size no number")
        << Choices{"ab", true, false, false, false, {}} << 12.0
        << QStringList{printedRow("1", "Bread", "Bakery"), printedRow("2", "Milk", "Dairy"),
                       printedRow("1", "Milk chocolate", "Dairy"), printedRow("2", "Rolls", "bakery")};
    QTest::newRow("by category, separators, prices, bold, size zero")
        << Choices{"0", true, true, true, true, {}} << 12.0
        << QStringList{printedRow("1", "Bread (2.99)", "Bakery"),  separator, printedRow("2", "Milk (1.50)", "Dairy"),
                       printedRow("1", "Milk chocolate", "Dairy"), separator, printedRow("2", "Rolls (.50)", "bakery")};
}

void ShoppingPrintoutTest::layouts() {
    QFETCH(Choices, choices);
    QFETCH(double, points);
    QFETCH(QStringList, body);

    MainWindowFixture f;
    layShoppingFiles(f.folder);
    f.load();
    PrintDialog* dialog = openPrintDialog(f);
    choose(dialog, choices);
    QTest::mouseClick(control<QAbstractButton>(dialog, "printcmd"), Qt::LeftButton);
    QVERIFY(f.dialogs.done());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(f.printer.documents().size(), 1);

    const RecordingPrinter::Document& page = f.printer.last();
    QCOMPARE(page.name, QStringLiteral("shopping list"));
    const QString heading = choices.prices ? "Quantity/Item/Unit Price[50]Category" : "Quantity/Item[50]Category";
    const QString gap = choices.byCategory ? "   " : "  ";
    const QStringList expected = QStringList{heading, ""} + body + QStringList{"", printDate() + gap + "7.99", Footer};
    QCOMPARE(page.texts(), expected);

    // The heading and the empty line under it are underlined; separators are bold.
    for (qsizetype i = 0; i + 1 < page.lines.size(); ++i) {
        const RecordingPrinter::Line& line = page.lines.at(i);
        QCOMPARE(line.font, QStringLiteral("Times New Roman"));
        QCOMPARE(line.size, points);
        QCOMPARE(line.underline, i < 2);
        QCOMPARE(line.bold, choices.bold || line.text.startsWith(QLatin1Char('-')));
    }
    const RecordingPrinter::Line& footer = page.lines.constLast();
    QVERIFY(footer.font == QStringLiteral("Playbill") && footer.size == 12 && !footer.bold && !footer.underline);
    QCOMPARE(control<QLabel>(f.window, "infolbl")->text(), QStringLiteral("Printed on the test printer"));
}

// A failing operation is tried once more; a second failure abandons the printout, except in the
// footer, whose failures never stop it. A document that cannot be finished is never passed over.
void ShoppingPrintoutTest::printerFails_data() {
    QTest::addColumn<QString>("failing");
    QTest::addColumn<int>("times");
    QTest::addColumn<bool>("failEnd");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("printed");

    const QString abandoned =
        QStringLiteral("The printout was abandoned.\n\nThe printer reported: the printer is not ready");
    QTest::newRow("heading fails once") << "Category" << 1 << false << QStringList{"Printer error"} << true;
    QTest::newRow("a row fails twice") << printedRow("2", "Milk", "Dairy").section("[", 0, 0) << 2 << false
                                       << QStringList{"Printer error", abandoned} << false;
    QTest::newRow("footer fails twice") << "Pantrex" << 2 << false << QStringList{} << true;
    QTest::newRow("document cannot be ended") << "" << 0 << true << QStringList{abandoned} << false;
}

void ShoppingPrintoutTest::printerFails() {
    QFETCH(QString, failing);
    QFETCH(int, times);
    QFETCH(bool, failEnd);
    QFETCH(QStringList, boxes);
    QFETCH(bool, printed);

    MainWindowFixture f;
    layShoppingFiles(f.folder);
    f.load();
    f.printer.failPrinting(failing, times);
    f.printer.failEndingDocuments(failEnd);
    PrintDialog* dialog = openPrintDialog(f);
    for (const QString& box : boxes)
        f.dialogs.expectMessage(box);
    QTest::mouseClick(control<QAbstractButton>(dialog, "printcmd"), Qt::LeftButton);
    QVERIFY(f.dialogs.done());

    QCOMPARE(f.printer.documents().size(), printed ? 1 : 0);
    QCOMPARE(f.printer.abandoned(), printed ? 0 : 1);
    // An abandoned printout leaves the dialog open to try again.
    QCOMPARE(dialog->isVisible(), !printed);
    if (printed && times == 1)
        QCOMPARE(f.printer.last().texts().mid(2, 4), listOrder(false));
}

void ShoppingPrintoutTest::toPdf() {
    MainWindowFixture f;
    layShoppingFiles(f.folder);
    f.load();
    const QString pdf = f.folder.filePath("out.pdf");
    qputenv("PANTREX_PRINT_PDF", QFile::encodeName(pdf));
    QtLinePrinter printer(f.folder.path());
    f.window->setLinePrinter(&printer);
    PrintDialog* dialog = openPrintDialog(f);
    choose(dialog, Choices{"12", true, true, true, false, {"Bring bags"}});
    QTest::mouseClick(control<QAbstractButton>(dialog, "printcmd"), Qt::LeftButton);
    qunsetenv("PANTREX_PRINT_PDF");
    QVERIFY(f.dialogs.done());
    QCOMPARE(control<QLabel>(f.window, "infolbl")->text(), "Printout saved as " + QDir::toNativeSeparators(pdf));

    const QStringList lines = pdfLines(pdf);
    QStringList simplified;
    for (const QString& line : lines)
        simplified.append(line.simplified());
    const QString separator(40, QLatin1Char('-'));
    QCOMPARE(simplified, QStringList({"Quantity/Item/Unit Price Category", "1 Bread (2.99) Bakery", separator,
                                      "2 Milk (1.50) Dairy", "1 Milk chocolate Dairy", separator,
                                      "2 Rolls (.50) bakery", "Bring bags", printDate() + " 7.99", Footer}));
    // The category column lines up in every row.
    const qsizetype column = lines.at(0).indexOf(QStringLiteral("Category"));
    for (const int row : {1, 3, 4, 6})
        QCOMPARE(lines.at(row).indexOf(QRegularExpression(QStringLiteral("(Bakery|Dairy|bakery)"))), column);
}

void ShoppingPrintoutTest::pdfThatCannotBeWritten() {
    MainWindowFixture f;
    layShoppingFiles(f.folder);
    f.load();
    QVERIFY(QDir(f.folder.path()).mkdir("locked"));
    QVERIFY(QFile::setPermissions(f.folder.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner));
    qputenv("PANTREX_PRINT_PDF", QFile::encodeName(f.folder.filePath("locked/out.pdf")));
    QtLinePrinter printer(f.folder.path());
    f.window->setLinePrinter(&printer);
    PrintDialog* dialog = openPrintDialog(f);
    f.dialogs.expectMessage("Printer error");
    f.dialogs.expectMessage("The printout was abandoned.\n\nThe printer reported: " +
                            QDir::toNativeSeparators(f.folder.filePath("locked/out.pdf")) + " cannot be written");
    {
        PermissionsEnforced enforced;
        QTest::mouseClick(control<QAbstractButton>(dialog, "printcmd"), Qt::LeftButton);
    }
    qunsetenv("PANTREX_PRINT_PDF");
    QVERIFY(f.dialogs.done());
    QVERIFY(dialog->isVisible());
    QVERIFY(QDir(f.folder.filePath("locked")).isEmpty());
    QVERIFY(control<QLabel>(f.window, "infolbl")->text().isEmpty());
}

QTEST_MAIN(ShoppingPrintoutTest)
#include "test_shoppingprintout.moc"
