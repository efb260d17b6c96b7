// SPDX-License-Identifier: MIT
// The help window and the about box, opened from the main window's keys and menus.
#include "mainwindow/mainwindowfixture.h"

#include "help/aboutdialog.h"
#include "help/helpwindow.h"
#include "mainwindow/productview.h"
#include "platform/hoverbutton.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

HelpWindow* helpWindow(MainWindowFixture& f) {
    return f.window->findChild<HelpWindow*>(QStringLiteral("panthelp"));
}

template <typename Widget> Widget* part(QWidget* window, const char* name) {
    auto* widget = window->findChild<Widget*>(QLatin1String(name));
    if (!widget)
        qFatal("no %s in %s", name, qPrintable(window->objectName()));
    return widget;
}

void openHelp(MainWindowFixture& f, const QString& how) {
    if (how == "F1") {
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.window->productView()->searchEdit()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    } else
        f.window->findChild<QAction*>(how)->trigger();
}

QStringList rowsOf(const QListWidget* list) {
    QStringList rows;
    for (int row = 0; row < list->count(); ++row)
        rows.append(list->item(row)->text());
    return rows;
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

public Q_SLOTS:
    void linkOpened(const QUrl& url) { m_opened.append(url); }

private Q_SLOTS:
    void topics_data();
    void topics();
    void printsTopic();
    void aboutBox();

private:
    QList<QUrl> m_opened;
};

// Each command shows its topic in a window made afresh; only the import and export topic is small.
void HelpTest::topics_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("then");
    QTest::addColumn<QString>("firstRow");
    QTest::addColumn<int>("rows");

    QTest::newRow("F1") << ""
                        << "F1"
                        << "USING PANTREX" << 36;
    QTest::newRow("program help") << ""
                                  << "helpcmd"
                                  << "USING PANTREX" << 36;
    QTest::newRow("import and export help") << ""
                                            << "mergehelpcmd"
                                            << "EXPORTING / IMPORTING THE MASTER LIST" << 15;
    QTest::newRow("custom lists replace import and export") << "mergehelpcmd"
                                                            << "rechelpcmd"
                                                            << "HOW TO USE THE CUSTOM LIST FEATURE...." << 22;
    QTest::newRow("same topic after Quit") << "helpcmd"
                                           << "helpcmd"
                                           << "USING PANTREX" << 36;
}

void HelpTest::topics() {
    QFETCH(QString, first);
    QFETCH(QString, then);
    QFETCH(QString, firstRow);
    QFETCH(int, rows);

    MainWindowFixture f;
    f.load();
    const int ownSize = f.window->font().pointSize();
    HelpWindow* earlier = nullptr;
    if (!first.isEmpty()) {
        openHelp(f, first);
        earlier = helpWindow(f);
        QTest::mouseClick(part<QPushButton>(earlier, "quitcmd"), Qt::LeftButton);
        QVERIFY(!earlier->isVisible());
    }
    QPointer<HelpWindow> previous = earlier;
    openHelp(f, then);
    HelpWindow* help = helpWindow(f);
    QVERIFY(help && help->isVisible());
    QVERIFY(!previous);
    const auto* list = part<QListWidget>(help, "List1");
    QCOMPARE(list->count(), rows);
    QCOMPARE(list->item(0)->text(), firstRow);
    QCOMPARE(list->font().pointSize(), rows == 15 ? 9 : ownSize);
    QCOMPARE(list->accessibleName(), QStringLiteral("Help topic"));
}

void HelpTest::printsTopic() {
    MainWindowFixture f;
    f.load();
    openHelp(f, "rechelpcmd");
    HelpWindow* help = helpWindow(f);
    QTest::mouseClick(part<QPushButton>(help, "printcmd"), Qt::LeftButton);
    const QStringList lines = f.printer.last().texts();
    QCOMPARE(lines.size(), 3 + 22);
    QCOMPARE(lines.first(3), QStringList({"", "", ""}));
    QCOMPARE(lines.sliced(3), rowsOf(part<QListWidget>(help, "List1")));
    QCOMPARE(lines.constLast(), QString());
    QVERIFY(help->isVisible());
}

void HelpTest::aboutBox() {
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "linkOpened");
    MainWindowFixture f;
    f.load();
    control<QAction>(f.window, "aboutcmd")->trigger();
    auto* about = f.window->findChild<AboutDialog*>(QStringLiteral("pantabt"));
    QVERIFY(about && about->isVisible());
    QCOMPARE(part<QLabel>(about, "Label1_0")->text(), QStringLiteral("Pantrex Shopping List Utility"));
    QCOMPARE(part<QLabel>(about, "Label1_1")->text(), QStringLiteral(" Version " PANTREX_EXPECTED_VERSION));
    QCOMPARE(part<QLabel>(about, "Label1_2")->text(), QStringLiteral("Obtain upgrades, report bugs at..."));
    auto* link = part<QLabel>(about, "weblink");
    QCOMPARE(link->toolTip(), QStringLiteral("Go to Pantrex website"));
    // The licence line sits under the version, whole and in plain sight.
    const auto* licence = part<QLabel>(about, "licencelbl");
    QCOMPARE(licence->text(), QStringLiteral("Released under the MIT licence."));
    QVERIFY(licence->isVisible());
    QVERIFY(licence->geometry().top() >= part<QLabel>(about, "Label1_1")->geometry().bottom());
    QVERIFY(licence->geometry().bottom() < part<QLabel>(about, "Label1_2")->geometry().top());
    QVERIFY(licence->width() >= licence->sizeHint().width());

    // Not installed, the link leads to the user guide in the source tree.
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(4, link->height() / 2));
    const QString guide = QFileInfo(QStringLiteral(PANTREX_EXPECTED_GUIDE)).canonicalFilePath();
    QVERIFY(!guide.isEmpty());
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(guide)});

    QTest::mouseClick(part<QPushButton>(about, "Command1"), Qt::LeftButton);
    QVERIFY(!about->isVisible());
    control<QAction>(f.window, "aboutcmd")->trigger();
    QCOMPARE(f.window->findChild<AboutDialog*>(QStringLiteral("pantabt")), about);
    QVERIFY(about->isVisible());
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

QTEST_MAIN(HelpTest)
#include "test_help.moc"
