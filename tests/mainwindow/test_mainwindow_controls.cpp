// SPDX-License-Identifier: MIT
// The main window as a user and a screen reader meet it: names, captions, menus and hints.
#include "mainwindowfixture.h"

#include "customlists/customlistchooser.h"

#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/hoverbutton.h"

#include <QAccessible>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace pantrex;
using namespace pantrex::testing;

class MainWindowControlsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void accessibleNames_data();
    void accessibleNames();
    void labelsAreDescribed_data();
    void labelsAreDescribed();
    void menus();
    void panelCaptions();
    void hoverHints_data();
    void hoverHints();
    void keysThatAreNotPassedOn_data();
    void keysThatAreNotPassedOn();

private:
    MainWindowFixture m_fixture;
};

static QString accessibleText(QWidget* widget, QAccessible::Text which) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(which) : QString();
}

void MainWindowControlsTest::accessibleNames_data() {
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("name");
    const QList<std::pair<const char*, const char*>> names = {
        {"quitcmd", "Quit"},
        {"addfoodcmd", "New"},
        {"editfoodcmd", "Edit"},
        {"delfoodcmd", "Delete"},
        {"printmastercmd", "Print product list"},
        {"foodoncmd", "Add {F2} >"},
        {"foodoffcmd", "< Remove "},
        {"clearlistcmd", "Erase shopping list"},
        {"printlistcmd", "Print shopping list"},
        {"clearsrchcmd", "Clear"},
        {"allcmd", "ALL"},
        {"recdelcmd", "Proceed"},
        {"List1", "Products"},
        {"Combo1", "Category"},
        {"searchtxt", "Product Search"},
        {"list2", "Shopping List"},
        {"List3", "Custom lists"},
        {"List4", "Custom list items"},
        {"tabtxt", "Total"},
    };
    for (const auto& [objectName, name] : names)
        QTest::newRow(objectName) << QString::fromLatin1(objectName) << QString::fromLatin1(name);
}

void MainWindowControlsTest::accessibleNames() {
    QFETCH(QString, objectName);
    QFETCH(QString, name);
    if (!m_fixture.window)
        m_fixture.load();
    auto* widget = m_fixture.window->centralWidget()->findChild<QWidget*>(objectName);
    QVERIFY2(widget, qPrintable(objectName));
    QCOMPARE(accessibleText(widget, QAccessible::Name), name);
}

void MainWindowControlsTest::labelsAreDescribed_data() {
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("description");
    QTest::newRow("listlbl") << "listlbl"
                             << "Shopping list caption";
    QTest::newRow("costlbl") << "costlbl"
                             << "Cost of selected item";
    QTest::newRow("pricelbl") << "pricelbl"
                              << "Price of selected product";
    QTest::newRow("selectedlbl") << "selectedlbl"
                                 << "Selected products";
    QTest::newRow("infolbl") << "infolbl"
                             << "Hint";
}

void MainWindowControlsTest::labelsAreDescribed() {
    QFETCH(QString, objectName);
    QFETCH(QString, description);
    if (!m_fixture.window)
        m_fixture.load();
    auto* label = m_fixture.window->centralWidget()->findChild<QLabel*>(objectName);
    QVERIFY(label);
    QCOMPARE(accessibleText(label, QAccessible::Description), description);
    QCOMPARE(accessibleText(label, QAccessible::Name), label->text());
    label->setText(QStringLiteral("12.50"));
    QCOMPARE(accessibleText(label, QAccessible::Name), QStringLiteral("12.50"));
}

void MainWindowControlsTest::menus() {
    MainWindowFixture f;
    f.load();
    QStringList titles;
    for (QAction* menu : f.window->menuBar()->actions())
        titles << menu->text();
    QCOMPARE(titles, QStringList({"File", "Help", "&Import/export ", "&Custom lists", "Filters", "Edit"}));

    auto itemsOf = [&](int index) {
        QStringList items;
        for (QAction* item : f.window->menuBar()->actions().at(index)->menu()->actions())
            items << item->objectName() + '=' + item->text();
        return items;
    };
    QCOMPARE(itemsOf(0),
             QStringList({"openfilecmd=Open...", "newfilecmd=New...", "notescmd=Notes", "phoneviewcmd=Phone view...",
                          "aisleordercmd=Aisle order...", "exitcmd=Exit program"}));
    QCOMPARE(itemsOf(1), QStringList({"helpcmd=Program help", "aboutcmd=About"}));
    QCOMPARE(itemsOf(2), QStringList({"mergecmd=Import", "exportcmd=Export", "csvexportcmd=Export products as CSV...",
                                      "csvimportcmd=Import products from CSV...", "mergehelpcmd=Help"}));
    QCOMPARE(itemsOf(3).size(), 8);
    QCOMPARE(itemsOf(4), QStringList({"lofatcmd=Fats", "locarbcmd=Carbohydrates"}));
    QCOMPARE(itemsOf(5), QStringList({"undocmd=Undo"}));
    QVERIFY(control<QAction>(f.window, "lofatcmd")->isCheckable() &&
            !control<QAction>(f.window, "lofatcmd")->isChecked());
    QVERIFY(control<QAction>(f.window, "locarbcmd")->isCheckable() &&
            !control<QAction>(f.window, "locarbcmd")->isChecked());
    QCOMPARE(f.window->windowTitle(), QString());

    control<QAction>(f.window, "exitcmd")->trigger();
    QCOMPARE(f.finished->count(), 1);
}

void MainWindowControlsTest::panelCaptions() {
    MainWindowFixture f;
    f.load();
    QStringList captions;
    for (QGroupBox* panel : f.window->findChildren<QGroupBox*>())
        captions << panel->title();
    captions.sort();
    QCOMPARE(captions, QStringList({"Category", "Product List", "Product Search", "Shopping List"}));
    QCOMPARE(f.window->findChild<QWidget*>("List3")->isVisible(), false);
    QCOMPARE(f.window->findChild<QWidget*>("recdelcmd")->isVisible(), false);
}

void MainWindowControlsTest::hoverHints_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("takesLook");
    QTest::addColumn<QStringList>("normalLook");

    QTest::newRow("quit") << "quitcmd"
                          << "Close the program." << true << QStringList{"addfoodcmd", "delfoodcmd", "editfoodcmd"};
    QTest::newRow("new") << "addfoodcmd"
                         << "Add a new item to the product list above." << true
                         << QStringList{"delfoodcmd", "editfoodcmd"};
    QTest::newRow("edit") << "editfoodcmd"
                          << "Make changes to the product selected on the above list." << true
                          << QStringList{"addfoodcmd", "delfoodcmd", "printmastercmd"};
    QTest::newRow("delete") << "delfoodcmd"
                            << "Delete the selected product or products above." << true
                            << QStringList{"addfoodcmd", "editfoodcmd", "printmastercmd"};
    QTest::newRow("all") << "allcmd"
                         << "Returns product window to the full list of products." << true << QStringList{};
    QTest::newRow("add") << "foodoncmd"
                         << "Add the selected product(s) to shopping list." << true << QStringList{"foodoffcmd"};
    QTest::newRow("remove") << "foodoffcmd"
                            << "Remove the selected item from the shopping list." << true << QStringList{"foodoncmd"};
    QTest::newRow("erase") << "clearlistcmd"
                           << "Erase your shopping list." << false << QStringList{};
    QTest::newRow("print list") << "printlistcmd"
                                << "Print your shopping list." << false << QStringList{};
    QTest::newRow("proceed") << "recdelcmd"
                             << "Perform the chosen action on the selected items above." << false << QStringList{};
}

// The pointer really moves: onto the button, over a control that only blanks the hint, and off onto
// the window background. The window delivers each move to the widget under the pointer and passes
// it on to its parents, as on a screen.
void MainWindowControlsTest::hoverHints() {
    QFETCH(QString, button);
    QFETCH(QString, hint);
    QFETCH(bool, takesLook);
    QFETCH(QStringList, normalLook);
    MainWindowFixture f;
    f.folder.write("grocery.dat", productBytes("Milk"));
    f.load();
    MainWindow* window = f.window.get();
    if (button == QStringLiteral("recdelcmd")) {
        // The items of a custom list, with the button to act on those selected.
        window->shoppingList()->showChooser(true);
        window->chooser()->showListItems(QByteArray());
        window->chooser()->proceedButton()->show();
    }
    auto* hovered = window->findChild<HoverButton*>(button);
    QVERIFY(hovered && hovered->isVisible());
    QWidget* background = window->centralWidget();
    const QPoint onBackground = background->mapTo(window, QPoint(2, 2));
    QCOMPARE(window->childAt(onBackground), background);

    pointerMovesTo(window, onBackground);
    for (const QString& other : normalLook)
        window->findChild<HoverButton*>(other)->setHoverLook(true);
    pointerEnters(hovered);
    QCOMPARE(control<QLabel>(window, "infolbl")->text(), hint);
    QCOMPARE(hovered->hoverLook(), takesLook);
    for (const QString& other : normalLook)
        QVERIFY2(!window->findChild<HoverButton*>(other)->hoverLook(), qPrintable(other));

    pointerEnters(window->productView()->productList());
    QCOMPARE(control<QLabel>(window, "infolbl")->text(), QString());
    QCOMPARE(hovered->hoverLook(), takesLook);

    pointerEnters(hovered);
    pointerMovesTo(window, onBackground);
    QCOMPARE(control<QLabel>(window, "infolbl")->text(), QString());
    QVERIFY(!hovered->hoverLook());
}

namespace {

// Counts the key presses that reach a control: the window sees them first and may keep them.
class KeysReaching : public QObject {
public:
    explicit KeysReaching(QWidget* control) { control->installEventFilter(this); }
    QList<int> keys;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            keys.append(static_cast<QKeyEvent*>(event)->key());
        return false;
    }
};

} // namespace

void MainWindowControlsTest::keysThatAreNotPassedOn_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("passedOn");
    QTest::addColumn<bool>("quits");
    QTest::newRow("F1 opens the help") << int(Qt::Key_F1) << false << false;
    QTest::newRow("F2 adds and is passed on") << int(Qt::Key_F2) << true << false;
    QTest::newRow("Esc quits") << int(Qt::Key_Escape) << false << true;
}

void MainWindowControlsTest::keysThatAreNotPassedOn() {
    QFETCH(int, key);
    QFETCH(bool, passedOn);
    QFETCH(bool, quits);
    MainWindowFixture f;
    f.folder.write("grocery.dat", productBytes("Milk"));
    f.load();
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QLineEdit* search = f.window->productView()->searchEdit();
    search->setFocus();
    KeysReaching reaching(search);
    QTest::keyClick(search, Qt::Key(key));
    QCOMPARE(reaching.keys, passedOn ? QList<int>({key}) : QList<int>());
    QCOMPARE(f.finished->count(), quits ? 1 : 0);
    // F1 opens the program help.
    const auto* help = f.window->findChild<QWidget*>(QStringLiteral("panthelp"));
    QCOMPARE(help && help->isVisible(), key == Qt::Key_F1);
}

QTEST_MAIN(MainWindowControlsTest)
#include "test_mainwindow_controls.moc"
