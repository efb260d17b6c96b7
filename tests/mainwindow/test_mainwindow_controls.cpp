// The main window as a user and a screen reader meet it: names, captions, menus and hints.
#include "mainwindowfixture.h"

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
    QCOMPARE(titles, QStringList({"File", "Help", "&Import/export ", "&Custom lists", "Filters"}));

    auto itemsOf = [&](int index) {
        QStringList items;
        for (QAction* item : f.window->menuBar()->actions().at(index)->menu()->actions())
            items << item->objectName() + '=' + item->text();
        return items;
    };
    QCOMPARE(itemsOf(0),
             QStringList({"openfilecmd=Open...", "newfilecmd=New...", "notescmd=Notes", "exitcmd=Exit program"}));
    QCOMPARE(itemsOf(1), QStringList({"helpcmd=Program help", "aboutcmd=About"}));
    QCOMPARE(itemsOf(2), QStringList({"mergecmd=Import", "exportcmd=Export", "mergehelpcmd=Help"}));
    QCOMPARE(itemsOf(3).size(), 8);
    QCOMPARE(itemsOf(4), QStringList({"lofatcmd=Fats", "locarbcmd=Carbohydrates"}));
    QVERIFY(f.window->lofatcmd->isCheckable() && !f.window->lofatcmd->isChecked());
    QVERIFY(f.window->locarbcmd->isCheckable() && !f.window->locarbcmd->isChecked());
    QCOMPARE(f.window->windowTitle(), QString());

    f.window->exitcmd->trigger();
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

void MainWindowControlsTest::hoverHints() {
    MainWindowFixture f;
    f.load();
    ProductView* view = f.window->productView();

    view->addfoodcmd->setHoverLook(true);
    pointerEnters(f.window->quitcmd);
    QCOMPARE(f.window->infolbl->text(), QStringLiteral("Close the program."));
    QVERIFY(f.window->quitcmd->hoverLook());
    QVERIFY(!view->addfoodcmd->hoverLook());
    QCOMPARE(f.pantmod->hoverflag, 1);

    pointerEnters(view->List1);
    QCOMPARE(f.window->infolbl->text(), QString());
    QVERIFY(f.window->quitcmd->hoverLook());

    pointerEnters(view->allcmd);
    QCOMPARE(f.window->infolbl->text(), QStringLiteral("Returns product window to the full list of products."));
    QVERIFY(view->allcmd->hoverLook());

    ShoppingListPanel* list = f.window->shoppingList();
    pointerEnters(list->foodoncmd);
    QCOMPARE(f.window->infolbl->text(), QStringLiteral("Add the selected product(s) to shopping list."));
    QVERIFY(list->foodoncmd->hoverLook());
    pointerEnters(list->foodoffcmd);
    QCOMPARE(f.window->infolbl->text(), QStringLiteral("Remove the selected item from the shopping list."));
    QVERIFY(list->foodoffcmd->hoverLook() && !list->foodoncmd->hoverLook());
    pointerEnters(list->clearlistcmd);
    QCOMPARE(f.window->infolbl->text(), QStringLiteral("Erase your shopping list."));
    QVERIFY(!list->clearlistcmd->hoverLook());
    pointerEnters(list->printlistcmd);
    QCOMPARE(f.window->infolbl->text(), QStringLiteral("Print your shopping list."));
    pointerEnters(list->costlbl);
    QCOMPARE(f.window->infolbl->text(), QString());

    pointerEnters(f.window->findChild<QWidget*>("recdelcmd"));
    QCOMPARE(f.window->infolbl->text(), QStringLiteral("Perform the chosen action on the selected items above."));

    pointerEnters(f.window->centralWidget());
    QCOMPARE(f.window->infolbl->text(), QString());
    QCOMPARE(f.pantmod->hoverflag, 0);
    QVERIFY(!f.window->quitcmd->hoverLook());
    QVERIFY(!view->allcmd->hoverLook());
    QVERIFY(!list->foodoffcmd->hoverLook());
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
    QLineEdit* search = f.window->productView()->searchtxt;
    search->setFocus();
    f.pantmod->helptopic = 3;
    KeysReaching reaching(search);
    QTest::keyClick(search, Qt::Key(key));
    QCOMPARE(reaching.keys, passedOn ? QList<int>({key}) : QList<int>());
    QCOMPARE(f.finished->count(), quits ? 1 : 0);
    QCOMPARE(f.pantmod->helptopic, key == Qt::Key_F1 ? 1 : 3);
}

QTEST_MAIN(MainWindowControlsTest)
#include "test_mainwindow_controls.moc"
