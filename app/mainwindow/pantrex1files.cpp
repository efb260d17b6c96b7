// SPDX-License-Identifier: MIT
// The main window's list files: opening and creating shopping lists, and exporting and importing
// products.
#include "pantrex1.h"

#include "core/mergefiles.h"
#include "core/session.h"
#include "data/filenames.h"
#include "mainwindow/newlistdialog.h"
#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/messages.h"
#include "platform/qtfilechooser.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>

namespace pantrex {

namespace {

struct ImportTexts {
    Q_DECLARE_TR_FUNCTIONS(Import)
};

// The busy pointer, for as long as this lives.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { restore(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
    void restore() {
        if (m_busy)
            QGuiApplication::restoreOverrideCursor();
        m_busy = false;
    }

private:
    bool m_busy = true;
};

void tell(Dialogs& dialogs, const QString& text, const QString& title = Dialogs::programTitle()) {
    Dialogs::Message box;
    box.text = text;
    box.title = title;
    dialogs.message(box);
}

// What the user is told when an import stopped on a file error.
QString stoppedText(const ImportResult& result, const Session& session) {
    const QString added = result.added == 0   ? ImportTexts::tr("No new product was")
                          : result.added == 1 ? ImportTexts::tr("1 new product was")
                                              : ImportTexts::tr("%1 new products were").arg(result.added);
    return result.error + QStringLiteral("\n\n") + added +
           ImportTexts::tr(" added to %1; %2 is kept.").arg(session.productListPath(), session.mergePath());
}

} // namespace

void pantrex1::connectListFiles() {
    connect(openfilecmd, &QAction::triggered, this, &pantrex1::openfilecmdClick);
    connect(newfilecmd, &QAction::triggered, this, &pantrex1::newfilecmdClick);
    connect(exportcmd, &QAction::triggered, this, &pantrex1::exportcmdClick);
    connect(mergecmd, &QAction::triggered, this, &pantrex1::mergecmdClick);
}

void pantrex1::setFileChooser(FileChooser* chooser) {
    m_fileChooser = chooser;
}

FileChooser& pantrex1::fileChooser() {
    if (!m_fileChooser) {
        m_ownFileChooser = std::make_unique<QtFileChooser>(this);
        m_fileChooser = m_ownFileChooser.get();
    }
    return *m_fileChooser;
}

void pantrex1::openfilecmdClick() {
    FileChooser::Request request;
    request.title = tr("Open a Shopping List");
    request.filter = tr("Pantrex Lists (*.lst)");
    request.folder = m_session.files().folder().absolutePath();
    const QString chosen = fileChooser().openFile(request);
    if (chosen.isEmpty())
        return;
    // Lists are always opened by their bare names in the working folder. Only shopping lists are
    // opened as one: a product list or another data file taken for a list would be written over.
    const QString name = QFileInfo(chosen).fileName();
    if (!isShoppingListName(name)) {
        tell(m_dialogs, tr("%1 is not a shopping list.  Shopping lists end in .lst.").arg(name));
        return;
    }
    // A list that cannot be opened (or, when missing, created) leaves the open one as it was.
    RecordFile probe(m_session.files().pathOf(name), ShoppingRecord::Length);
    if (!probe.open()) {
        reportFileError(probe.errorString());
        return;
    }
    probe.close();

    m_session.setDefaultListWarned(false);
    leavecustommode();
    m_session.setShoppingListPath(name);
    // Nothing of the last product list stays in view, even when the new one turns out empty.
    m_productView->emptyList();
    pickproductlist();
    loadshoplist();
    m_productView->fillproductlist();
    m_productView->fillcatlist();
    openMergeProbe();
}

void pantrex1::loadshoplist() {
    report(m_dialogs, m_session.openShoppingList());
    if (m_session.shoppingCount() == 0) {
        m_shoppingList->showEmptyList();
        return;
    }
    m_productView->showAllCategories();
    m_productView->searchtxt->clear();
    m_shoppingList->reloadShoppingList();
}

void pantrex1::newfilecmdClick() {
    delete m_newList;
    m_newList = new NewListDialog(m_session, m_dialogs, this);
    connect(m_newList, &NewListDialog::listCreated, this, &pantrex1::showNewList);
    m_newList->show();
    m_newList->raise();
    m_newList->activateWindow();
}

void pantrex1::exportcmdClick() {
    Session& session = m_session;
    const Notices failed = exportToMergeFile(session);
    report(m_dialogs, failed);
    if (failed.isEmpty() &&
        ask(m_dialogs,
            ImportTexts::tr("File created: %1\nShould I move the file to floppy drive A:\\ ?").arg(session.mergePath()),
            QString(), Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes)
        offerDiskette(session);
    report(m_dialogs, reopenProductList(session));
    if (failed.isEmpty())
        inform(m_dialogs, ImportTexts::tr("File copied successfully"));
}

// Asks for a diskette, and again while the drive is not ready, until the merge file is on it or the
// user gives up.
void pantrex1::offerDiskette(Session& session) {
    // The diskette drive is a folder named in the environment; without one the drive is never ready.
    const QString drive = qEnvironmentVariable("PANTREX_DRIVE_A");
    for (;;) {
        if (ask(m_dialogs, ImportTexts::tr("Place diskette in drive A: and click OK when ready."), QString(),
                Dialogs::Buttons::OkCancel, Dialogs::Icon::None) != Dialogs::Answer::Ok)
            return;
        if (moveMergeFileToDrive(session, drive))
            return;
        if (ask(m_dialogs, ImportTexts::tr("Drive does not appear to be ready."), QString(), Dialogs::Buttons::OkCancel,
                Dialogs::Icon::None) != Dialogs::Answer::Ok)
            return;
    }
}

void pantrex1::mergecmdClick() {
    Dialogs::Message confirm;
    confirm.text = tr("Import data to %1?").arg(m_session.productListPath());
    confirm.title = tr("Confirm..");
    confirm.buttons = Dialogs::Buttons::YesNo;
    confirm.icon = Dialogs::Icon::Question;
    if (m_dialogs.message(confirm) != Dialogs::Answer::Yes)
        return;

    BusyPointer busy;
    const ImportResult result = importMergeFile(m_session);
    // Import is offered only while there is a merge file with products to import.
    if (result.mergeFileGone || result.outcome == ImportResult::Outcome::NotFound)
        mergecmd->setEnabled(false);
    busy.restore();

    switch (result.outcome) {
    case ImportResult::Outcome::NotFound:
        tell(m_dialogs, tr("Merge file not found."));
        return;
    case ImportResult::Outcome::Stopped:
        reportFileError(stoppedText(result, m_session));
        break;
    case ImportResult::Outcome::Imported:
        if (!result.error.isEmpty())
            reportFileError(result.error);
        if (result.added == 0)
            tell(m_dialogs, tr("No new items found."), QString());
        break;
    }
    if (result.leftOut > 0)
        tell(m_dialogs, tr("%1 record(s) of %2 named no product and were left out.")
                            .arg(result.leftOut)
                            .arg(m_session.mergePath()));
    if (result.added > 0) {
        m_productView->fillproductlist();
        m_productView->fillcatlist();
    }
}

} // namespace pantrex
