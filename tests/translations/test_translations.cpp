// SPDX-License-Identifier: MIT
// Pantrex in another language: the translation for the user's locale is found and used, and with a
// pseudo-translation (every text in brackets) every window shows nothing but translated texts, so
// a text that does not go through tr() is caught with the window and control it shows on.
#include "core/session.h"
#include "customlists/customlistsfixture.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "mainwindow/translations.h"
#include "platform/hoverbutton.h"
#include "support/recordingprinter.h"
#include "support/testfolder.h"
#include "textwalk.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTest>

#include <memory>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

const QString PseudoFolder = QStringLiteral(PANTREX_PSEUDO_TRANSLATIONS);
const QLocale Pseudo(QLocale::Esperanto);
// What the main window shows of the open list: its name and costs.
const QSet<QString> ListData{QStringLiteral("listlbl text"), QStringLiteral("tabtxt text"),
                             QStringLiteral("costlbl text"), QStringLiteral("pricelbl text")};

// Answers every box with No, Cancel or its only button, and every input box with nothing, and keeps
// what each showed.
class RecordingDialogs : public Dialogs {
public:
    Answer message(const Message& box) override {
        shown.append({QStringLiteral("message text"), box.text});
        shown.append({QStringLiteral("message title"), box.title});
        switch (box.buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::YesNo:
            return Answer::No;
        case Buttons::AbortRetryIgnore:
            return Answer::Abort;
        default:
            return Answer::Cancel;
        }
    }
    QString input(const Input& box) override {
        shown.append({QStringLiteral("input prompt"), box.prompt});
        shown.append({QStringLiteral("input title"), box.title});
        return QString();
    }
    // The boxes shown so far, as "message text: ..." for each text that escaped.
    QStringList escaped(const QSet<QString>& dataTexts = {}) {
        return untranslated(std::exchange(shown, {}), {}, dataTexts);
    }
    QList<ShownText> shown;
};

// The main window over a working folder, with the pseudo-translation in use.
struct PseudoFixture {
    Translations translations{Pseudo, PseudoFolder};
    TestFolder folder;
    RecordingDialogs dialogs;
    RecordingPrinter printer;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainWindow> window;

    void load() {
        QVERIFY(translations.ownLoaded());
        session = std::make_unique<Session>(folder.path());
        window = std::make_unique<MainWindow>(*session, dialogs);
        window->setLinePrinter(&printer);
        window->load();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }

    // The window of that name, once open.
    QWidget* openWindow(const char* name) const {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String(name) && top->isVisible())
                return top;
        }
        return nullptr;
    }
};

QString listed(const QStringList& escaped) {
    return QStringLiteral("texts that escaped the translation:\n  ") + escaped.join(QStringLiteral("\n  "));
}

#define VERIFY_TRANSLATED(escaped)                                                                                     \
    do {                                                                                                               \
        const QStringList found = (escaped);                                                                           \
        QVERIFY2(found.isEmpty(), qPrintable(listed(found)));                                                          \
    } while (false)

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ownTranslationForTheLocale();
    void noTranslationForEnglish();
    void qtsOwnTranslationWhereInstalled();
    void walkFindsEnglishTexts();
    void mainWindow();
    void hoverHints();
    void windows();
    void customListChooserModes();
    void messageBoxes();
    void messageBoxesOverAList();
};

void TestTranslations::ownTranslationForTheLocale() {
    {
        const Translations translations(Pseudo, PseudoFolder);
        QVERIFY(translations.ownLoaded());
        QCOMPARE(QCoreApplication::translate("pantrex::MainWindow", "&Quit"), QStringLiteral("[&Quit]"));
        QCOMPARE(QCoreApplication::translate("DataFiles", "Could not read %1").arg(QStringLiteral("grocery.dat")),
                 QStringLiteral("[Could not read grocery.dat]"));
    }
    // Gone with it.
    QCOMPARE(QCoreApplication::translate("pantrex::MainWindow", "&Quit"), QStringLiteral("&Quit"));
}

void TestTranslations::noTranslationForEnglish() {
    const Translations translations(QLocale(QLocale::English, QLocale::UnitedStates), PseudoFolder);
    QVERIFY(!translations.ownLoaded());
    QCOMPARE(QCoreApplication::translate("pantrex::MainWindow", "&Quit"), QStringLiteral("&Quit"));
}

void TestTranslations::qtsOwnTranslationWhereInstalled() {
    const QString german = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    if (!QFileInfo::exists(german))
        QSKIP("Qt's own translations are not installed");
    const Translations translations(QLocale(QLocale::German, QLocale::Germany), PseudoFolder);
    QVERIFY(translations.qtLoaded());
    QVERIFY(!translations.ownLoaded());
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
}

// Without the pseudo-translation the walk finds the English texts, and tells where each is.
void TestTranslations::walkFindsEnglishTexts() {
    TestFolder folder;
    RecordingDialogs dialogs;
    Session session(folder.path());
    MainWindow window(session, dialogs);
    const QStringList escaped = untranslated(shownTexts(&window), ListData);
    QVERIFY(escaped.contains(QStringLiteral("quitcmd text: &Quit")));
    QVERIFY(escaped.contains(QStringLiteral("filemenu/openfilecmd text: Open...")));
    QVERIFY(escaped.contains(QStringLiteral("productlist title: Product List")));
    QVERIFY(escaped.contains(QStringLiteral("foodoncmd accessible name: Add {F2} >")));
}

// An empty working folder: everything the main window shows is the program's own text.
void TestTranslations::mainWindow() {
    PseudoFixture f;
    f.load();
    VERIFY_TRANSLATED(untranslated(shownTexts(f.window.get()), ListData));
    VERIFY_TRANSLATED(f.dialogs.escaped());
}

// The hint line tells what the control under the pointer does.
void TestTranslations::hoverHints() {
    PseudoFixture f;
    f.load();
    QStringList escaped;
    for (HoverButton* button : f.window->findChildren<HoverButton*>()) {
        if (!button->isVisible() || button->window() != f.window.get())
            continue;
        pointerEnters(button);
        if (!isPseudoTranslated(f.window->findChild<QLabel*>(QStringLiteral("infolbl"))->text()))
            escaped << button->objectName() + QStringLiteral(" hint: ") +
                           f.window->findChild<QLabel*>(QStringLiteral("infolbl"))->text();
    }
    VERIFY_TRANSLATED(escaped);
}

// Each window the main window opens, as it first shows, over a list of one product.
void TestTranslations::windows() {
    PseudoFixture f;
    f.folder.write(QStringLiteral("grocery.dat"), productBytes("Milk", "1.50", "Dairy"));
    f.folder.write(QStringLiteral("grocery.lst"), shoppingBytes("Milk", " 3", "2", "Dairy"));
    f.load();
    const QSet<QString> data{QStringLiteral("Milk"), QStringLiteral("Dairy")};
    ProductView* view = f.window->productView();
    const struct {
        const char* name;
        std::function<void()> open;
    } windows[] = {
        {"pantadd", [&] { QTest::mouseClick(view->newButton(), Qt::LeftButton); }},
        {"pantnew", [&] { f.action("newfilecmd")->trigger(); }},
        {"pantprnt", [&] { QTest::mouseClick(f.window->shoppingList()->printButton(), Qt::LeftButton); }},
        {"pantnote", [&] { f.action("notescmd")->trigger(); }},
        {"panthelp", [&] { f.action("helpcmd")->trigger(); }},
        {"panthelp", [&] { f.action("mergehelpcmd")->trigger(); }},
        {"panthelp", [&] { f.action("rechelpcmd")->trigger(); }},
        {"pantabt", [&] { f.action("aboutcmd")->trigger(); }},
    };
    for (const auto& window : windows) {
        window.open();
        QWidget* shown = f.openWindow(window.name);
        QVERIFY2(shown, window.name);
        // The about box's link is the guide's address.
        VERIFY_TRANSLATED(untranslated(
            shownTexts(shown), {QStringLiteral("weblink text"), QStringLiteral("weblink accessible name")}, data));
        // The print dialog's tip.
        if (auto* tip = shown->findChild<QPushButton*>(QStringLiteral("tipcmd")))
            QTest::mouseClick(tip, Qt::LeftButton);
        VERIFY_TRANSLATED(f.dialogs.escaped());
        shown->close();
        QTRY_VERIFY(f.window->isEnabled());
    }
}

// Every mode of the chooser: its prompt row, its "Never Mind" row and what it tells, around the
// names of the lists and their items, which are data.
void TestTranslations::customListChooserModes() {
    PseudoFixture f;
    f.folder.write(QStringLiteral("pantrecp.dat"), customBytes("Soup", "Carrots") + customBytes("Soup", "Leeks"));
    f.load();
    const QSet<QString> data{QStringLiteral("Soup"), QStringLiteral("Carrots"), QStringLiteral("Leeks")};
    CustomListChooser* chooser = f.window->chooser();
    for (const char* mode : {"recdelete", "recpreview", "recaddcmd", "receditcmd", "recgetcmd"}) {
        f.action(mode)->trigger();
        QVERIFY2(listNames(chooser)->isVisible(), mode);
        VERIFY_TRANSLATED(untranslated(shownTexts(f.window.get()), ListData, data));
        clickRow(listNames(chooser), 1);
        VERIFY_TRANSLATED(untranslated(shownTexts(f.window.get()), ListData, data));
        VERIFY_TRANSLATED(f.dialogs.escaped(data));
        f.window->leaveCustomMode();
    }
}

// The boxes the commands show on an empty folder, and the product entry's and new list's own.
void TestTranslations::messageBoxes() {
    PseudoFixture f;
    f.load();
    ProductView* view = f.window->productView();
    ShoppingListPanel* list = f.window->shoppingList();
    QTest::mouseClick(list->addButton(), Qt::LeftButton);
    QTest::mouseClick(list->removeButton(), Qt::LeftButton);
    QTest::mouseClick(list->eraseButton(), Qt::LeftButton);
    QTest::mouseClick(view->deleteButton(), Qt::LeftButton);
    QTest::mouseClick(view->printButton(), Qt::LeftButton);
    for (const char* command : {"recmakecmd", "recaddcmd", "recgetcmd", "saveshopcmd"})
        f.action(command)->trigger();
    QTest::mouseClick(view->newButton(), Qt::LeftButton);
    QWidget* entry = f.openWindow("pantadd");
    QVERIFY(entry);
    QTest::mouseClick(entry->findChild<QWidget*>(QStringLiteral("savecmd")), Qt::LeftButton);
    entry->close();
    f.action("newfilecmd")->trigger();
    QWidget* newList = f.openWindow("pantnew");
    QVERIFY(newList);
    QTest::mouseClick(newList->findChild<QWidget*>(QStringLiteral("createcmd")), Qt::LeftButton);
    newList->close();
    QCOMPARE(f.dialogs.shown.size(), 2 * 7);
    VERIFY_TRANSLATED(f.dialogs.escaped());
}

// The boxes that ask before a list or a product goes, and the product entry's check.
void TestTranslations::messageBoxesOverAList() {
    PseudoFixture f;
    f.folder.write(QStringLiteral("grocery.dat"), productBytes("Milk", "1.50", "Dairy"));
    f.folder.write(QStringLiteral("grocery.lst"), shoppingBytes("Milk", " 3", "2", "Dairy"));
    f.load();
    ProductView* view = f.window->productView();
    QTest::mouseClick(f.window->shoppingList()->eraseButton(), Qt::LeftButton);
    QTest::mouseClick(view->deleteButton(), Qt::LeftButton);
    QTest::mouseClick(view->newButton(), Qt::LeftButton);
    QWidget* entry = f.openWindow("pantadd");
    QVERIFY(entry);
    QTest::keyClicks(entry->findChild<QWidget*>(QStringLiteral("itemtxt")), QStringLiteral("Bread"));
    QTest::mouseClick(entry->findChild<QWidget*>(QStringLiteral("savecmd")), Qt::LeftButton);
    QCOMPARE(f.dialogs.shown.size(), 2 * 3);
    VERIFY_TRANSLATED(f.dialogs.escaped({QStringLiteral("Milk")}));
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
