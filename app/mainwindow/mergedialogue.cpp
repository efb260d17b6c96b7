// SPDX-License-Identifier: MIT
#include "mergedialogue.h"

#include "core/mergefiles.h"
#include "core/session.h"
#include "platform/messages.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

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

// What the user is told when an import stopped on a file error.
QString stoppedText(const ImportResult& result, const Session& session) {
    const QString added = result.added == 0   ? ImportTexts::tr("No new product was")
                          : result.added == 1 ? ImportTexts::tr("1 new product was")
                                              : ImportTexts::tr("%1 new products were").arg(result.added);
    return result.error + QStringLiteral("\n\n") + added +
           ImportTexts::tr(" added to %1; %2 is kept.").arg(session.productListPath(), session.mergePath());
}

// Asks for a diskette, and again while the drive is not ready, until the merge file is on it or the
// user gives up.
void offerDiskette(Session& session, Dialogs& dialogs) {
    // The diskette drive is a folder named in the environment; without one the drive is never ready.
    const QString drive = qEnvironmentVariable("PANTREX_DRIVE_A");
    for (;;) {
        if (ask(dialogs, ImportTexts::tr("Place diskette in drive A: and click OK when ready."), QString(),
                Dialogs::Buttons::OkCancel, Dialogs::Icon::None) != Dialogs::Answer::Ok)
            return;
        if (moveMergeFileToDrive(session, drive))
            return;
        if (ask(dialogs, ImportTexts::tr("Drive does not appear to be ready."), QString(), Dialogs::Buttons::OkCancel,
                Dialogs::Icon::None) != Dialogs::Answer::Ok)
            return;
    }
}

} // namespace

void exportProducts(Session& session, Dialogs& dialogs) {
    const Notices failed = exportToMergeFile(session);
    report(dialogs, failed);
    if (failed.isEmpty() &&
        ask(dialogs,
            ImportTexts::tr("File created: %1\nShould I move the file to floppy drive A:\\ ?").arg(session.mergePath()),
            QString(), Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes)
        offerDiskette(session, dialogs);
    report(dialogs, reopenProductList(session));
    if (failed.isEmpty())
        inform(dialogs, ImportTexts::tr("File copied successfully"));
}

bool importProducts(Session& session, Dialogs& dialogs, QAction& importAction) {
    if (ask(dialogs, ImportTexts::tr("Import data to %1?").arg(session.productListPath()), ImportTexts::tr("Confirm.."),
            Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return false;

    BusyPointer busy;
    const ImportResult result = importMergeFile(session);
    // Import is offered only while there is a merge file with products to import.
    if (result.mergeFileGone || result.outcome == ImportResult::Outcome::NotFound)
        importAction.setEnabled(false);
    busy.restore();

    switch (result.outcome) {
    case ImportResult::Outcome::NotFound:
        inform(dialogs, ImportTexts::tr("Merge file not found."));
        return false;
    case ImportResult::Outcome::Stopped:
        showFileError(dialogs, stoppedText(result, session));
        break;
    case ImportResult::Outcome::Imported:
        if (!result.error.isEmpty())
            showFileError(dialogs, result.error);
        if (result.added == 0)
            inform(dialogs, ImportTexts::tr("No new items found."), QString());
        break;
    }
    if (result.leftOut > 0)
        inform(dialogs, ImportTexts::tr("%1 record(s) of %2 named no product and were left out.")
                            .arg(result.leftOut)
                            .arg(session.mergePath()));
    return result.added > 0;
}

} // namespace pantrex
