// SPDX-License-Identifier: MIT
#pragma once

#include "mainwindow/mainwindowfixture.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/hoverbutton.h"
#include "printing/printdialog.h"

#include <QLineEdit>
#include <QProcess>
#include <QTest>

namespace pantrex::testing {

// The shopping list the printouts are tried on: its file order is Milk, Bread, Rolls and an item
// whose text was changed so that no product matches it; "bread" differs from "Bread" in case only.
inline void layShoppingFiles(const TestFolder& folder) {
    folder.write("grocery.dat", productBytes("Bread", "2.99", "Bakery") + productBytes("bread", "9.99", "Bakery") +
                                    productBytes("Milk", "1.5", "Dairy") + productBytes("Rolls", ".5", "bakery"));
    folder.write("grocery.lst",
                 shoppingBytes("Milk", " 3", "2", "Dairy") + shoppingBytes("Bread", " 2.99", "1", "Bakery") +
                     shoppingBytes("Rolls", " 1", "2", "bakery") + shoppingBytes("Milk chocolate", " 1", "1", "Dairy"));
}

// Opens the print dialog with the main window's print button.
inline PrintDialog* openPrintDialog(MainWindowFixture& f) {
    QTest::mouseClick(f.window->shoppingList()->printButton(), Qt::LeftButton);
    return f.window->findChild<PrintDialog*>(QStringLiteral("pantprnt"));
}

// The print dialog's note box i (0 to 2).
inline QLineEdit* noteBox(const PrintDialog* dialog, int i) {
    return control<QLineEdit>(dialog, QStringLiteral("notetxt_%1").arg(i));
}

// A printed shopping row: quantity field, item, the category at column 50.
inline QString printedRow(const QString& quantity, const QString& item, const QString& category) {
    return quantity.leftJustified(3) + QLatin1Char(' ') + item + QStringLiteral("[50]") + category.leftJustified(25);
}

// Types text as the keyboard does, one key a character, whatever the characters are.
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

// The lines of text in a PDF file as laid out on its pages, empty lines left out.
inline QStringList pdfLines(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!text.waitForFinished(30000) || text.exitCode() != 0)
        return {QStringLiteral("pdftotext failed: ") + QString::fromUtf8(text.readAllStandardError())};
    QStringList lines;
    for (const QString& line : QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines.append(line);
    }
    return lines;
}

} // namespace pantrex::testing
