// SPDX-License-Identifier: MIT
// The operations the kill test interrupts, each run through the real windows.
#include "killscenarios.h"

#include "core/productoperations.h"
#include "customlists/customlistsfixture.h"
#include "platform/filechooser.h"
#include "printing/aisleorderdialog.h"
#include "printing/notesedit.h"
#include "printing/noteswindow.h"
#include "printing/printdialog.h"
#include "printing/printingfixture.h"
#include "products/productentrydialog.h"
#include "writesteps.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>

namespace pantrex::testing {

namespace {

// Answers boxes from the scenario's table and tells every box on standard output, one a line.
class AnsweringDialogs : public Dialogs {
public:
    explicit AnsweringDialogs(const QList<std::pair<QString, QString>>& answers) : m_answers(answers) {}

    Answer message(const Message& box) override {
        const QString answer = tell(box.text);
        static const QMap<QString, Answer> named{
            {"Yes", Answer::Yes}, {"No", Answer::No}, {"Cancel", Answer::Cancel}, {"Ok", Answer::Ok}};
        return named.value(answer, box.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel);
    }
    QString input(const Input& box) override { return tell(box.prompt); }

private:
    QString tell(const QString& text) {
        const auto found = std::find_if(m_answers.cbegin(), m_answers.cend(),
                                        [&text](const auto& answer) { return answer.first == text; });
        const bool expected = found != m_answers.cend();
        std::printf("%s\t%s\n", expected ? "box" : "told", qPrintable(QString(text).replace('\n', "\\n")));
        std::fflush(stdout);
        return expected ? found->second : QString();
    }

    QList<std::pair<QString, QString>> m_answers;
};

} // namespace

struct KillRun {
    QString root;
    Session session;
    AnsweringDialogs dialogs;
    RecordingPrinter printer;
    MainWindow window;

    KillRun(const QString& folder, const KillScenario& scenario)
        : root(folder), session(folder + "/work"), dialogs(scenario.answers), window(session, dialogs) {
        window.setLinePrinter(&printer);
    }
    void load() {
        window.load();
        (void)QTest::qWaitForWindowExposed(&window);
    }
};

namespace {

const QString ExportOffer = "File created: grocery.mrg\nShould I move the file to floppy drive A:\\ ?";

QByteArray padded(const char* text, int width) {
    return QByteArray(text).leftJustified(width, ' ', true);
}

QByteArray numbered(const char* name, int n) {
    return name + QByteArray::number(n).rightJustified(3, '0');
}

// Thirty products in three categories, a shopping list of eight, two custom lists, the print
// dialog's settings and notes, and the notes window's text.
Files everyday() {
    const char* categories[] = {"Dairy", "Bakery", "Produce"};
    Files files;
    for (int n = 0; n < 30; ++n)
        files["work/grocery.dat"] +=
            productBytes(numbered("Product ", n), QByteArray::number(1 + n % 7) + ".25", categories[n % 3]);
    for (int n = 0; n < 8; ++n)
        files["work/grocery.lst"] += shoppingBytes(numbered("Product ", n * 3), " 2.50", "2", categories[n % 3]);
    files["work/grocery.bak"] = files["work/grocery.dat"].first(10 * 146);
    files["work/namefile.dat"] = padded("grocery.lst", 12);
    for (int n = 0; n < 6; ++n)
        files["work/pantrecp.dat"] += customBytes(n % 2 ? "Breakfast" : "Taco Night", numbered("Item ", n));
    files["work/pantlpt.cfg"] =
        recordBytes(508, {{0, "12"}, {2, "1"}, {3, " "}, {4, "1"}, {5, " "}, {6, " "}, {7, " "}});
    files["work/pantnote.dat"] = padded("Coupons", 60) + padded("Bags", 60) + padded("Pharmacy", 60);
    files["work/pantnotes.dat"] = padded("Call the baker about Saturday.", 3000);
    files["drive/"] = {};
    return files;
}

// A store's list with its own product list, and 500 products to import into it, the first ten known
// already: more than one write's worth.
Files toImport() {
    Files files = everyday();
    files["work/namefile.dat"] = padded("store.lst", 12);
    files["work/store.lst"] = files["work/grocery.lst"];
    files["work/store.dat"] = files["work/grocery.dat"];
    for (int n = 0; n < 500; ++n)
        files["work/store.mrg"] +=
            productBytes(n < 10 ? numbered("Product ", n) : numbered("Imported ", n), "3.10", "Imported");
    files["work/grocery.old"] = files["work/store.mrg"].first(3 * 146);
    return files;
}

// A store's list with its own product list, and 500 products in a CSV file as a spreadsheet saves
// it, the first ten known already.
Files csvToImport() {
    Files files = everyday();
    files["work/namefile.dat"] = padded("store.lst", 12);
    files["work/store.lst"] = files["work/grocery.lst"];
    files["work/store.dat"] = files["work/grocery.dat"];
    QByteArray& csv = files["work/products.csv"];
    csv = "Name;Price;Category;High fat\r\n";
    for (int n = 0; n < 500; ++n)
        csv += (n < 10 ? numbered("Product ", n) : numbered("\"Imported, ", n) + '"') + ";3,10;Imported;x\r\n";
    return files;
}

Files withOlderMergeFileOnDrive() {
    Files files = everyday();
    files["drive/grocery.mrg"] = files["work/grocery.dat"].first(5 * 146);
    return files;
}

// The exported file may wait in the working folder before it goes to the drive.
Files exportedHere(const Files& start) {
    return {{"work/grocery.mrg", start["work/grocery.dat"]}};
}

// An older edition's list to take over at the start, beside the default list.
Files olderEditionList() {
    Files files = everyday();
    files["work/pantlist.dat"] = shoppingBytes("Old edition item", " 1.00", "1", "Dairy") +
                                 shoppingBytes("Another old item", " 2.00", "1", "Bakery");
    return files;
}

// The print dialog not used before: it makes its two files, empty, when it opens.
Files withoutPrintFiles() {
    Files files = everyday();
    files.remove("work/pantlpt.cfg");
    files.remove("work/pantnote.dat");
    return files;
}

Files printFilesMade(const Files&) {
    return {{"work/pantlpt.cfg", {}}, {"work/pantnote.dat", {}}};
}

// The notes window not used before: it makes its file, empty, when it opens.
Files withoutNotesFile() {
    Files files = everyday();
    files.remove("work/pantnotes.dat");
    return files;
}

Files notesFileMade(const Files&) {
    return {{"work/pantnotes.dat", {}}};
}

// An order for the store saved before: the third category is not in it yet.
Files withAisleOrder() {
    Files files = everyday();
    files["work/grocery.lst.aisles"] = "Produce\nDairy\n";
    return files;
}

int rowOf(QAbstractItemView* view, const QString& text) {
    return int(rowsOf(view).indexOf(text));
}

void removeShoppingItem(KillRun& run) {
    ShoppingListPanel* list = run.window.shoppingList();
    clickRow(list->rowsView(), 2);
    QTest::mouseClick(list->removeButton(), Qt::LeftButton);
}

void eraseShoppingList(KillRun& run) {
    QTest::mouseClick(run.window.shoppingList()->eraseButton(), Qt::LeftButton);
}

void deleteProducts(KillRun& run) {
    ProductView* view = run.window.productView();
    clickRow(view->productList(), 1);
    clickRow(view->productList(), 4, Qt::ControlModifier);
    clickRow(view->productList(), 7, Qt::ControlModifier);
    QTest::mouseClick(view->deleteButton(), Qt::LeftButton);
}

void renameCategory(KillRun& run) {
    ProductEntryDialog dialog(run.session, run.dialogs, &run.window);
    dialog.openToChange(1);
    QTest::mouseClick(dialog.findChild<QWidget*>(QStringLiteral("categorycmd")), Qt::LeftButton);
}

void import(KillRun& run) {
    run.window.findChild<QAction*>(QStringLiteral("mergecmd"))->trigger();
}

void importCsv(KillRun& run) {
    struct ChosenCsv : FileChooser {
        QString path;
        QString openFile(const Request&) override { return path; }
    } chooser;
    chooser.path = run.root + "/work/products.csv";
    run.window.setFileChooser(&chooser);
    run.window.findChild<QAction*>(QStringLiteral("csvimportcmd"))->trigger();
    run.window.setFileChooser(nullptr);
}

void exportProducts(KillRun& run) {
    qputenv("PANTREX_DRIVE_A", QFile::encodeName(run.root + "/drive"));
    run.window.findChild<QAction*>(QStringLiteral("exportcmd"))->trigger();
}

void removeCustomItems(KillRun& run) {
    triggerMenu(run.window, "receditcmd");
    CustomListChooser* chooser = run.window.chooser();
    clickRow(listNames(chooser), rowOf(listNames(chooser), name30("Taco Night")));
    clickRow(listItems(chooser), 0);
    clickRow(listItems(chooser), 2, Qt::ControlModifier);
    proceedButton(chooser)->click();
}

void deleteCustomList(KillRun& run) {
    triggerMenu(run.window, "recdelete");
    CustomListChooser* chooser = run.window.chooser();
    clickRow(listNames(chooser), rowOf(listNames(chooser), name30("Breakfast")));
}

void savePrintChoices(KillRun& run) {
    QTest::mouseClick(run.window.shoppingList()->printButton(), Qt::LeftButton);
    PrintDialog* dialog = run.window.findChild<PrintDialog*>("pantprnt");
    dialog->findChild<QAbstractButton*>(QStringLiteral("bold"))->click();
    dialog->findChild<QAbstractButton*>(QStringLiteral("category"))->click();
    noteBox(dialog, 0)->setText("Coupons for milk");
    noteBox(dialog, 1)->setText("Batteries");
    noteBox(dialog, 2)->setText("Pharmacy closes at six");
    QTest::mouseClick(dialog->findChild<QAbstractButton*>(QStringLiteral("cancelcmd")), Qt::LeftButton);
}

void saveNotes(KillRun& run) {
    run.window.findChild<QAction*>(QStringLiteral("notescmd"))->trigger();
    NotesWindow* notes = run.window.findChild<NotesWindow*>();
    notes->findChild<NotesEdit*>(QStringLiteral("Text1"))->setPlainText("Call the baker about Sunday.\nBuy stamps.");
    QTest::mouseClick(notes->findChild<QAbstractButton*>(QStringLiteral("savecmd")), Qt::LeftButton);
}

// The everyday folder as a change made through the core left it, with the change's entry in the
// undo history: what an undo starts from.
Files changedWithHistory(const std::function<void(Session&)>& change) {
    QTemporaryDir dir;
    const Files start = everyday();
    for (auto file = start.cbegin(); file != start.cend(); ++file) {
        QDir().mkpath(QFileInfo(dir.filePath(file.key())).path());
        QFile out(dir.filePath(file.key()));
        if (!file.key().endsWith('/') && (!out.open(QIODevice::WriteOnly) || out.write(file.value()) != file->size()))
            qFatal("cannot lay %s", qPrintable(out.fileName()));
    }
    {
        Session session(dir.filePath("work"));
        (void)session.openAtStart();
        change(session);
    }
    Files files;
    QDirIterator entry(dir.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
    while (entry.hasNext()) {
        entry.next();
        QFile file(entry.filePath());
        const QString name = QDir(dir.path()).relativeFilePath(entry.filePath());
        if (entry.fileInfo().isDir())
            files[name + '/'] = {};
        else if (file.open(QIODevice::ReadOnly))
            files[name] = file.readAll();
    }
    return files;
}

Files erasedWithHistory() {
    static const Files files = changedWithHistory([](Session& session) {
        (void)session.shoppingList().reload();
        (void)session.shoppingList().erase();
    });
    return files;
}

Files deletedWithHistory() {
    static const Files files = changedWithHistory([](Session& session) {
        session.catalog().refresh(session.files(), session.productListPath());
        (void)ProductOperations(session).deleteProducts({1, 4, 7}, session.catalog().bytes());
    });
    return files;
}

void undoLastChange(KillRun& run) {
    run.window.findChild<QAction*>(QStringLiteral("undocmd"))->trigger();
}

void saveAisleOrder(KillRun& run) {
    run.window.findChild<QAction*>(QStringLiteral("aisleordercmd"))->trigger();
    auto* dialog = run.window.findChild<AisleOrderDialog*>(QStringLiteral("aisleorder"));
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("aislelist"));
    clickRow(list, 2);
    QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
    QTest::mouseClick(dialog->findChild<QAbstractButton*>(QStringLiteral("okcmd")), Qt::LeftButton);
}

} // namespace

const QList<KillScenario>& killScenarios() {
    const QString confirmDeletion = "Do you wish to confirm each item for deletion?";
    static const QList<KillScenario> scenarios{
        {"shopping list: remove an item", everyday, {}, removeShoppingItem},
        {"shopping list: erase",
         everyday,
         {{"Erase the contents of this Shopping List? This is an irreversable move!  Are you sure?", "Yes"}},
         eraseShoppingList},
        {"products: delete three",
         everyday,
         {{"This is the default master list and is used for any shopping lists that do not have their own master "
           "list.  Deletions here may affect other lists, now and in the future.  Do you wish to proceed??",
           "Yes"},
          {confirmDeletion, "No"},
          {"Delete selected item(s)?", "Yes"}},
         deleteProducts},
        {"products: rename a category",
         everyday,
         {{"Type a name to replace Dairy", "Fresh Dairy"},
          {"Change all Dairy records to Fresh Dairy?", "Ok"},
          {"Category changed", "Ok"}},
         renameCategory},
        {"import",
         toImport,
         {{"Import data to store.dat?", "Yes"}, {"No new items found.", "Ok"}},
         import,
         true,
         "work/store.dat",
         146},
        {"CSV import",
         csvToImport,
         {{"Would add 490 products; 10 are already there.\n\nAdd them to store.dat?", "Yes"},
          {"Added 490 products; 10 were already there.", "Ok"}},
         importCsv,
         true},
        {"export", everyday, {{ExportOffer, "No"}, {"File copied successfully", "Ok"}}, exportProducts},
        {"export to the diskette",
         withOlderMergeFileOnDrive,
         {{ExportOffer, "Yes"},
          {"Place diskette in drive A: and click OK when ready.", "Ok"},
          {"File copied successfully", "Ok"}},
         exportProducts,
         true,
         {},
         0,
         exportedHere,
         "Drive does not appear to be ready."},
        {"custom lists: remove items",
         everyday,
         {{"Select item(s) to remove, then press the\"Proceed\" button\nOR click \"Never Mind\" (at the bottom of the "
           "list) to quit.",
           "Ok"},
          {"Delete selected items?", "Yes"},
          {"Done!", "Ok"}},
         removeCustomItems},
        {"custom lists: delete a list", everyday, {{"Delete Breakfast?", "Yes"}}, deleteCustomList},
        {"start-up: product backup", everyday, {}, nullptr, true},
        {"start-up: product backup, older edition's list", olderEditionList, {}, nullptr, true},
        {"print dialog: settings and notes", everyday, {}, savePrintChoices},
        {"print dialog, first use: settings and notes",
         withoutPrintFiles,
         {},
         savePrintChoices,
         false,
         {},
         0,
         printFilesMade},
        {"notes window", everyday, {}, saveNotes},
        {"undo: erased list", erasedWithHistory, {}, undoLastChange, true},
        {"undo: three products deleted", deletedWithHistory, {}, undoLastChange},
        {"notes window, first use", withoutNotesFile, {}, saveNotes, false, {}, 0, notesFileMade},
        {"Aisle order", withAisleOrder, {}, saveAisleOrder},
    };
    return scenarios;
}

int runKillScenario(const QString& root, const QString& name, const QString& mode, int at) {
    const auto& scenarios = killScenarios();
    const auto scenario = std::find_if(scenarios.cbegin(), scenarios.cend(),
                                       [&name](const KillScenario& s) { return name == QLatin1String(s.name); });
    if (scenario == scenarios.cend())
        return 2;
    KillRun run(root, *scenario);
    if (scenario->act)
        run.load();
    const writesteps::Mode watching = mode == "kill"   ? writesteps::Mode::Kill
                                      : mode == "full" ? writesteps::Mode::Full
                                                       : writesteps::Mode::Count;
    writesteps::watch(QFile::encodeName(root).constData(), watching, at);
    if (scenario->act)
        scenario->act(run);
    else
        run.load();
    writesteps::stop();
    std::printf("steps\t%d\nrefused\t%d\n", writesteps::count(), writesteps::refused());
    std::fflush(stdout);
    return 0;
}

} // namespace pantrex::testing
