// SPDX-License-Identifier: MIT
// The help window and the about box, opened from the main window's keys and menus.
#include "mainwindow/mainwindowfixture.h"

#include "help/pantabt.h"
#include "help/panthelp.h"
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

panthelp* helpWindow(MainWindowFixture& f) {
    return f.window->findChild<panthelp*>(QStringLiteral("panthelp"));
}

void openHelp(MainWindowFixture& f, const QString& how) {
    if (how == "F1") {
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.window->productView()->searchtxt->setFocus();
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
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("firstRow");
    QTest::addColumn<int>("rows");

    QTest::newRow("F1") << ""
                        << "F1" << 1 << "USING PANTREX" << 36;
    QTest::newRow("program help") << ""
                                  << "helpcmd" << 1 << "USING PANTREX" << 36;
    QTest::newRow("import and export help") << ""
                                            << "mergehelpcmd" << 2 << "EXPORTING / IMPORTING THE MASTER LIST" << 15;
    QTest::newRow("custom lists replace import and export")
        << "mergehelpcmd"
        << "rechelpcmd" << 3 << "HOW TO USE THE CUSTOM LIST FEATURE...." << 22;
    QTest::newRow("same topic after Quit") << "helpcmd"
                                           << "helpcmd" << 1 << "USING PANTREX" << 36;
}

void HelpTest::topics() {
    QFETCH(QString, first);
    QFETCH(QString, then);
    QFETCH(int, topic);
    QFETCH(QString, firstRow);
    QFETCH(int, rows);

    MainWindowFixture f;
    f.load();
    const int ownSize = f.window->font().pointSize();
    panthelp* earlier = nullptr;
    if (!first.isEmpty()) {
        openHelp(f, first);
        earlier = helpWindow(f);
        QTest::mouseClick(earlier->quitcmd, Qt::LeftButton);
        QVERIFY(!earlier->isVisible());
    }
    QPointer<panthelp> previous = earlier;
    openHelp(f, then);
    panthelp* help = helpWindow(f);
    QVERIFY(help && help->isVisible());
    QVERIFY(!previous);
    QCOMPARE(f.pantmod->helptopic, topic);
    QCOMPARE(help->List1->count(), rows);
    QCOMPARE(help->List1->item(0)->text(), firstRow);
    QCOMPARE(help->List1->font().pointSize(), topic == 2 ? 9 : ownSize);
    QCOMPARE(help->List1->accessibleName(), QStringLiteral("Help topic"));
}

void HelpTest::printsTopic() {
    MainWindowFixture f;
    f.load();
    openHelp(f, "rechelpcmd");
    panthelp* help = helpWindow(f);
    QTest::mouseClick(help->printcmd, Qt::LeftButton);
    const QStringList lines = f.printer.last().texts();
    QCOMPARE(lines.size(), 3 + 22);
    QCOMPARE(lines.first(3), QStringList({"", "", ""}));
    QCOMPARE(lines.sliced(3), rowsOf(help->List1));
    QCOMPARE(lines.constLast(), QString());
    QVERIFY(help->isVisible());
}

void HelpTest::aboutBox() {
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "linkOpened");
    MainWindowFixture f;
    f.load();
    f.window->aboutcmd->trigger();
    pantabt* about = f.window->findChild<pantabt*>(QStringLiteral("pantabt"));
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->Label1.size(), 3);
    QCOMPARE(about->Label1.at(0)->text(), QStringLiteral("Pantrex Shopping List Utility"));
    QCOMPARE(about->Label1.at(1)->text(), QStringLiteral(" Version 4.0.6"));
    QCOMPARE(about->Label1.at(2)->text(), QStringLiteral("Obtain upgrades, report bugs at..."));
    QCOMPARE(about->weblink->toolTip(), QStringLiteral("Go to Pantrex website"));
    // The licence line sits under the version, whole and in plain sight.
    QCOMPARE(about->licencelbl->text(), QStringLiteral("Released under the MIT licence."));
    QVERIFY(about->licencelbl->isVisible());
    QVERIFY(about->licencelbl->geometry().top() >= about->Label1.at(1)->geometry().bottom());
    QVERIFY(about->licencelbl->geometry().bottom() < about->Label1.at(2)->geometry().top());
    QVERIFY(about->licencelbl->width() >= about->licencelbl->sizeHint().width());

    QTest::mouseClick(about->weblink, Qt::LeftButton, {}, QPoint(4, about->weblink->height() / 2));
    QCOMPARE(m_opened, QList<QUrl>{pantabt::linkTarget()});
    QVERIFY(QFileInfo::exists(m_opened.constFirst().toLocalFile()));

    QTest::mouseClick(about->Command1, Qt::LeftButton);
    QVERIFY(!about->isVisible());
    f.window->aboutcmd->trigger();
    QCOMPARE(f.window->findChild<pantabt*>(QStringLiteral("pantabt")), about);
    QVERIFY(about->isVisible());
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

QTEST_MAIN(HelpTest)
#include "test_help.moc"
