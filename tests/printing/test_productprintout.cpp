// SPDX-License-Identifier: MIT
// The product list printout: what it asks, its page header on every page, its columns.
#include "printingfixture.h"

#include "mainwindow/productview.h"
#include "printing/printtext.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

QString productLine(const QByteArray& name, const QByteArray& price, const QByteArray& category = {}) {
    QString line = QString::fromLatin1(name.leftJustified(40)) + "[45]" + QString::fromLatin1(price.leftJustified(6));
    if (!category.isNull())
        line += "[55]" + QString::fromLatin1(category.leftJustified(25));
    return line;
}

QStringList header(const QString& category) {
    return {"", "", "", "PANTREX Product List    Printed " + printDate() + " hh:mm:ss", "Category: " + category, ""};
}

// The header's time of day, which changes from run to run, as "hh:mm:ss".
QStringList withoutTimes(QStringList lines) {
    static const QRegularExpression time(QStringLiteral(" \\d\\d:\\d\\d:\\d\\d$"));
    for (QString& line : lines)
        line.replace(time, QStringLiteral(" hh:mm:ss"));
    return lines;
}

} // namespace

class ProductPrintoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pagesOfAllProducts_data();
    void pagesOfAllProducts();
    void chosenCategoryAndSearch();
    void answeredNo();
    void hoverHint();
};

// A page holds the header and 46 products; after the 46th a new page begins, even with no more.
void ProductPrintoutTest::pagesOfAllProducts_data() {
    QTest::addColumn<int>("products");
    QTest::addColumn<QList<int>>("linesPerPage");

    QTest::newRow("empty view") << 0 << QList<int>{6};
    QTest::newRow("one page full") << 46 << QList<int>{52, 6};
    QTest::newRow("one more") << 47 << QList<int>{52, 7};
}

void ProductPrintoutTest::pagesOfAllProducts() {
    QFETCH(int, products);
    QFETCH(QList<int>, linesPerPage);

    MainWindowFixture f;
    QByteArray file;
    for (int i = 0; i < products; ++i)
        file += productBytes("Item " + QByteArray::number(1000 + i), "1.5", "Dairy");
    f.folder.write("grocery.dat", file);
    f.load();
    f.dialogs.expectMessage("Print the Product List?", Dialogs::Answer::Yes);
    QTest::mouseClick(f.window->productView()->printButton(), Qt::LeftButton);
    QVERIFY(f.dialogs.done());
    QCOMPARE(f.dialogs.shown().constFirst().message.title, QStringLiteral("Confirm"));
    QCOMPARE(f.dialogs.shown().constFirst().message.icon, Dialogs::Icon::Question);

    const RecordingPrinter::Document& document = f.printer.last();
    QCOMPARE(document.pages, linesPerPage.size());
    QList<int> counted(document.pages, 0);
    for (const RecordingPrinter::Line& line : document.lines) {
        ++counted[line.page - 1];
        QVERIFY(line.font == "Times New Roman" && line.size == 10 && !line.bold && !line.underline);
    }
    QCOMPARE(counted, linesPerPage);
    const QStringList lines = withoutTimes(document.texts());
    QCOMPARE(lines.first(6), header("All"));
    QCOMPARE(lines.last(6 + (products % 46)).first(6), header("All"));
    if (products > 0)
        QCOMPARE(lines.at(6), productLine("Item 1000", "1.5", "Dairy"));
}

// The printout shows what the view shows: the chosen category without its column, the search
// applied, in the view's order, the price exactly as stored.
void ProductPrintoutTest::chosenCategoryAndSearch() {
    MainWindowFixture f;
    f.folder.write("grocery.dat", productBytes("Cheddar", "4.5", "Dairy") + productBytes("Bread", "2.99", "Bakery") +
                                      productBytes("Cream", " .89", "Dairy") + productBytes("Milk", "1", "Dairy"));
    f.load();
    ProductView* view = f.window->productView();
    view->categoryList()->setCurrentRow(
        view->categoryList()->row(view->categoryList()->findItems("Dairy", Qt::MatchExactly).constFirst()));
    QTest::keyClicks(view->searchEdit(), "C");
    f.dialogs.expectMessage("Print the Dairy list?", Dialogs::Answer::Yes);
    QTest::mouseClick(view->printButton(), Qt::LeftButton);
    QVERIFY(f.dialogs.done());
    const QStringList expected =
        header("Dairy") + QStringList{productLine("Cheddar", "4.5"), productLine("Cream", " .89")};
    QCOMPARE(withoutTimes(f.printer.last().texts()), expected);
}

void ProductPrintoutTest::answeredNo() {
    MainWindowFixture f;
    f.folder.write("grocery.dat", productBytes("Bread", "2.99", "Bakery"));
    f.load();
    f.dialogs.expectMessage("Print the Product List?", Dialogs::Answer::No);
    QTest::mouseClick(f.window->productView()->printButton(), Qt::LeftButton);
    QVERIFY(f.dialogs.done());
    QVERIFY(f.printer.documents().isEmpty());
    QCOMPARE(f.printer.abandoned(), 0);
}

void ProductPrintoutTest::hoverHint() {
    MainWindowFixture f;
    f.folder.write("grocery.dat", productBytes("Bread", "2.99", "Bakery"));
    f.load();
    ProductView* view = f.window->productView();
    view->newButton()->setHoverLook(true);
    view->deleteButton()->setHoverLook(true);
    pointerEnters(view->printButton());
    QCOMPARE(control<QLabel>(f.window, "infolbl")->text(), QStringLiteral("Print the product list shown above."));
    QVERIFY(view->printButton()->hoverLook() && !view->newButton()->hoverLook() && !view->deleteButton()->hoverLook());
}

QTEST_MAIN(ProductPrintoutTest)
#include "test_productprintout.moc"
