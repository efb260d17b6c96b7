// SPDX-License-Identifier: MIT
// Taking changes back: every change that removes or overwrites something is undone byte for byte,
// a file changed since is never overwritten, and the history outlives the run, within its limits,
// whatever is found in its folder.
#include "core/customlists.h"
#include "core/mergefiles.h"
#include "core/notes.h"
#include "core/productcsv.h"
#include "core/productoperations.h"
#include "core/workingfolder.h"
#include "support/permissions.h"
#include "support/productrecords.h"

#include <QDir>
#include <QTest>

#include <sys/stat.h>

#include <functional>

using namespace pantrex;
using namespace pantrex::testing;

namespace {

using Change = std::function<void(Session&)>;

const QString History = UndoHistory::folderName();

QByteArray listName(const char* name) {
    return QByteArray(name).leftJustified(30, ' ');
}

// Every file of the working folder but the history, by name.
QMap<QString, QByteArray> dataFiles(const TestFolder& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden))
        files[name] = folder.read(name);
    return files;
}

struct Fixture : ProductFiles {
    Fixture() {
        folder.write("pantrecp.dat",
                     customBytes("Tacos", "Shells") + customBytes("Tacos", "Beans") + customBytes("Soup", "Leeks"));
        open({productBytes("Milk"), productBytes("Bread", "2.00", "Bakery"), productBytes("Cheese", "3.00")},
             {shoppingBytes("Milk"), shoppingBytes("Bread", "2.00", "1", "Bakery")});
        session->catalog().refresh(session->files(), productFile);
        QVERIFY(!session->shoppingList().reload());
    }
    UndoHistory& history() const { return session->undoHistory(); }
    void eraseList() const { QCOMPARE(session->shoppingList().erase().status, ShoppingListResult::Status::Done); }
    void restart() {
        session.reset();
        openChannels();
        QVERIFY(!session->shoppingList().reload());
    }
};

void changeItem(Session& s, int quantity) {
    QCOMPARE(s.shoppingList().changeItem(0, QByteArray::number(quantity), {}).status, ShoppingListResult::Status::Done);
    QVERIFY(!s.shoppingList().reload());
}

} // namespace

Q_DECLARE_METATYPE(Change)

class UndoTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachChangeUndone_data();
    void eachChangeUndone();
    void refusedWhenChangedSince_data();
    void refusedWhenChangedSince();
    void inTurnAcrossRestarts();
    void trimmedToItsSize();
    void whatTheFolderHolds_data();
    void whatTheFolderHolds();
    void undoThatCannotWrite();
    void undoCutShort();
};

void UndoTest::eachChangeUndone_data() {
    QTest::addColumn<Change>("lay");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("caption");
    const Change nothing = [](Session&) {};
    const Change mergeFile = [](Session& s) {
        QFile merge(s.files().pathOf("grocery.mrg"));
        QVERIFY(merge.open(QIODevice::WriteOnly) && merge.write(productBytes("Kiwi") + productBytes("Milk")) > 0);
    };
    const Change notesFile = [](Session& s) { (void)Notes(s).load(); };
    const auto customLists = [](Session& s) {
        auto lists = std::make_shared<CustomLists>(s);
        (void)lists->load();
        return lists;
    };
    QTest::newRow("erase") << nothing << Change([](Session& s) { (void)s.shoppingList().erase(); }) << "Erase list";
    QTest::newRow("remove") << nothing << Change([](Session& s) { (void)s.shoppingList().remove(1); }) << "Remove item";
    QTest::newRow("change") << nothing << Change([](Session& s) { changeItem(s, 7); }) << "Change item";
    QTest::newRow("delete products") << nothing << Change([](Session& s) {
        (void)ProductOperations(s).deleteProducts({1, 3}, s.catalog().bytes());
    }) << "Delete products";
    QTest::newRow("rename category") << nothing << Change([](Session& s) {
        (void)ProductOperations(s).renameCategory("Dairy", "Cold");
    }) << "Rename category";
    QTest::newRow("change product") << nothing << Change([](Session& s) {
        std::optional<Notice> failure;
        LoadedProduct loaded = ProductOperations(s).loadProduct(2, failure);
        (void)ProductOperations(s).changeProduct(
            loaded, ProductOperations::productRecord({"Rye", "4.00", false, false, "Bakery"}, true));
    }) << "Change product";
    QTest::newRow("CSV import") << nothing << Change([](Session& s) {
        (void)commitCsvImport(s, planCsvImport(s, "name,price\nKiwi,1.20\nMilk,1\n"));
    }) << "Import products from CSV";
    QTest::newRow("merge import") << mergeFile << Change([](Session& s) {
        QCOMPARE(importMergeFile(s).outcome, ImportResult::Outcome::Imported);
    }) << "Import products";
    QTest::newRow("custom list items") << nothing << Change([customLists](Session& s) {
        auto lists = customLists(s);
        (void)lists->removeItems({lists->catalog().items(listName("Tacos")).at(1)});
    }) << "Remove items from a custom list";
    QTest::newRow("custom list") << nothing << Change([customLists](Session& s) {
        (void)customLists(s)->deleteList(listName("Tacos"));
    }) << "Delete a custom list";
    QTest::newRow("notes") << notesFile << Change([](Session& s) {
        Notes notes(s);
        (void)notes.load();
        (void)notes.save("Buy stamps");
    }) << "Save notes";
}

// The files are put back exactly as they were, whichever files the change touched.
void UndoTest::eachChangeUndone() {
    QFETCH(Change, lay);
    QFETCH(Change, change);
    QFETCH(QString, caption);
    Fixture f;
    lay(*f.session);
    const QMap<QString, QByteArray> before = dataFiles(f.folder);
    change(*f.session);
    QVERIFY(dataFiles(f.folder) != before);
    QCOMPARE(f.history().nextCaption(), caption);
    f.restart();
    const UndoHistory::Outcome undone = f.session->undo();
    QCOMPARE(undone.notices.size(), 0);
    QVERIFY(!undone.restored.isEmpty());
    QCOMPARE(dataFiles(f.folder), before);
    QVERIFY(!f.history().canUndo());
    QCOMPARE(f.session->productCount(), 3);
    QCOMPARE(f.session->shoppingList().rows().size(), 2);
}

void UndoTest::refusedWhenChangedSince_data() {
    QTest::addColumn<Change>("since");
    QTest::addRow("by another program") << Change([](Session& s) {
        QFile list(s.files().pathOf("grocery.lst"));
        QVERIFY(list.open(QIODevice::WriteOnly) && list.write(shoppingBytes("Their own")) > 0);
    });
    QTest::addRow("by a later change") << Change([](Session& s) { (void)s.shoppingList().add({3}, "1"); });
    QTest::addRow("removed") << Change([](Session& s) {
        s.files().close(ShoppingChannel);
        QVERIFY(QFile::remove(s.files().pathOf("grocery.lst")));
    });
}

void UndoTest::refusedWhenChangedSince() {
    QFETCH(Change, since);
    Fixture f;
    f.eraseList();
    since(*f.session);
    const QMap<QString, QByteArray> now = dataFiles(f.folder);
    const UndoHistory::Outcome undone = f.session->undo();
    QCOMPARE(undone.restored, QStringList());
    QCOMPARE(undone.notices.size(), 1);
    QVERIFY2(undone.notices.at(0).text.startsWith("grocery.lst has changed since \"Erase list\""),
             qPrintable(undone.notices.at(0).text));
    QCOMPARE(dataFiles(f.folder), now);
    QVERIFY(!f.history().canUndo());
}

// More changes than the history keeps: the newest 20 are taken back in turn, after a restart too.
void UndoTest::inTurnAcrossRestarts() {
    Fixture f;
    QList<QByteArray> states;
    for (int quantity = 1; quantity <= 25; ++quantity) {
        states.append(f.shopping());
        changeItem(*f.session, quantity);
    }
    f.restart();
    QCOMPARE(f.history().size(), UndoHistory::MaxEntries);
    for (int k = 24; k >= 5; --k) {
        QCOMPARE(f.session->undo().restored, QStringList{"grocery.lst"});
        QCOMPARE(f.shopping(), states.at(k));
    }
    QVERIFY(!f.history().canUndo());
    QCOMPARE(QDir(f.folder.filePath(History)).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// Three deletions from a product list of 19 MB: the oldest goes to keep the history within 50 MB.
void UndoTest::trimmedToItsSize() {
    Fixture f;
    const QByteArray product = productBytes("Plum");
    f.folder.write(f.productFile, product.repeated(130000));
    f.restart();
    for (int i = 0; i < 3; ++i) {
        f.session->catalog().refresh(f.session->files(), f.productFile);
        QCOMPARE(ProductOperations(*f.session).deleteProducts({1}, f.session->catalog().bytes()).outcome,
                 DeletionOutcome::ProductsLeft);
    }
    QCOMPARE(f.history().size(), 2);
    f.restart();
    QCOMPARE(f.history().size(), 2);
    QVERIFY(f.session->undo().notices.isEmpty());
    QCOMPARE(f.products().size(), product.size() * 129998);
}

// A link, a file or a named pipe where the history keeps its files, a damaged or foreign entry: the
// change is made all the same, nothing is written through a link, nothing blocks, and an entry that
// cannot be trusted is never undone.
void UndoTest::whatTheFolderHolds_data() {
    QTest::addColumn<QString>("lay");
    QTest::addColumn<bool>("undoable");
    QTest::addColumn<bool>("restored");
    QTest::newRow("folder is a link") << "link" << false << false;
    QTest::newRow("folder is a file") << "file" << false << false;
    QTest::newRow("folder is read-only") << "read-only" << false << false;
    QTest::newRow("saved bytes changed") << "blob" << true << false;
    QTest::newRow("pipe for saved bytes") << "fifo" << true << false;
    QTest::newRow("entry names a path") << "path" << false << false;
    QTest::newRow("pieces left by a kill") << "leftovers" << true << true;
}

void UndoTest::whatTheFolderHolds() {
    QFETCH(QString, lay);
    QFETCH(bool, undoable);
    QFETCH(bool, restored);
    Fixture f;
    const QByteArray list = f.shopping();
    const QString folder = f.folder.filePath(History);
    QTemporaryDir elsewhere;
    PermissionsEnforced enforced;
    if (lay == "link")
        QVERIFY(QFile::link(elsewhere.path(), folder));
    else if (lay == "file")
        f.folder.write(History, "mine");
    else if (lay == "read-only")
        QVERIFY(QDir().mkdir(folder) && QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    f.eraseList();
    QVERIFY(f.shopping().isEmpty());
    if (lay == "blob")
        f.folder.write(History + "/1.1", list.sliced(1) + 'x');
    if (lay == "fifo")
        QVERIFY(QFile::remove(folder + "/1.1") && mkfifo(qPrintable(folder + "/1.1"), 0600) == 0);
    if (lay == "path")
        f.folder.write(History + "/1.undo", "Pantrex undo 1\nErase list\n../grocery.lst\t-1\t-\t-1\t-\n");
    if (lay == "leftovers") {
        f.folder.write(History + "/7.1", "cut short");
        f.folder.write(History + "/1.undo.abcDEF", "cut short");
        f.folder.write(History + "/notes.txt", "the user's own");
        WorkingFolder claim(f.folder.path());
        QCOMPARE(claim.claim(), std::nullopt);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), (QStringList{"1.1", "1.undo", "notes.txt"}));
    }
    f.restart();
    QCOMPARE(f.history().canUndo(), undoable);
    (void)f.session->undo();
    QCOMPARE(f.shopping(), restored ? list : QByteArray());
    QVERIFY(!f.history().canUndo());
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    if (lay == "file")
        QCOMPARE(f.folder.read(History), "mine");
}

// A file that cannot be written keeps the entry, and nothing is lost: the undo can be tried again.
void UndoTest::undoThatCannotWrite() {
    Fixture f;
    const QByteArray list = f.shopping();
    f.eraseList();
    {
        PermissionsEnforced enforced;
        f.makeReadOnly(f.shoppingFile);
        const UndoHistory::Outcome refused = f.session->undo();
        QCOMPARE(refused.restored, QStringList());
        QCOMPARE(refused.notices.size(), 1);
        QVERIFY(refused.notices.at(0).text.contains("read-only"));
        QVERIFY(f.shopping().isEmpty());
    }
    QVERIFY(QFile::setPermissions(f.folder.filePath(f.shoppingFile), QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(f.history().canUndo());
    QCOMPARE(f.session->undo().restored, QStringList{"grocery.lst"});
    QCOMPARE(f.shopping(), list);
}

// An undo of two files stopped after the first: the next try puts back the second only.
void UndoTest::undoCutShort() {
    Fixture f;
    const QMap<QString, QByteArray> before = dataFiles(f.folder);
    (void)ProductOperations(*f.session).renameCategory("Dairy", "Cold");
    f.folder.write(f.productFile, before.value(f.productFile));
    QCOMPARE(f.session->undo().restored, QStringList{"grocery.lst"});
    QCOMPARE(dataFiles(f.folder), before);
}

QTEST_GUILESS_MAIN(UndoTest)
#include "test_undo.moc"
