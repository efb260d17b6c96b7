// SPDX-License-Identifier: MIT
// The main window's start-up, activation and quit: which files it opens, and what it leaves behind.
#include "pantrex1.h"

#include "data/ansitext.h"
#include "data/filenames.h"
#include "data/safefile.h"
#include "mainwindow/productview.h"
#include "mainwindow/shoppinglistpanel.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "products/entrytext.h"
#include "state/pantmod.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

namespace pantrex {

namespace {

using DataFile::DefaultList;
using DataFile::DefaultProducts;
using DataFile::NameFile;
using DataFile::OldEditionList;
using DataFile::ProductBackup;
using DataFile::ReplacedListBackup;

// A list name from the name file is used only when it names a shopping list in the working folder;
// anything else (a folder part, "..", zero bytes, another data file) falls back to the default list.
bool isListName(const QString& name) {
    return isBareFileName(name) && name.endsWith(QStringLiteral(".lst"), Qt::CaseInsensitive);
}

// The name file's record for a list. It remembers a list only by a name it gives back exactly: one
// that fits its 12 bytes in the code page, without blanks around it. Any other name is not
// remembered (the next start opens the default list) rather than remembered as another list's name.
Record nameFileRecord(const QString& listName) {
    const QByteArray stored = toAnsi(listName);
    const bool kept = stored.size() <= NameFileRecord::ListFileName.width && fromAnsi(stored) == listName &&
                      fieldText(stored) == stored;
    Record record(NameFileRecord::Length);
    record.set(NameFileRecord::ListFileName, kept ? stored : QByteArray());
    return record;
}

// Whether two files of the working folder are both there and hold the same bytes.
bool sameBytes(const FileChannels& files, const QString& one, const QString& other) {
    QString why;
    const std::optional<QByteArray> first = readRegularFile(files.pathOf(one), -1, why);
    return first && first == readRegularFile(files.pathOf(other), -1, why);
}

} // namespace

void pantrex1::load() {
    show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    if (m_pantmod.loaded == 0)
        m_pantmod.session.setShoppingListPath(DefaultList);
    if (!m_pantmod.session.openProductList(DefaultProducts))
        reportFileError(m_pantmod.session.files().errorString());
    m_pantmod.session.files().close(ProductChannel);
    if (m_pantmod.session.productCount() > 0 && m_pantmod.loaded == 0)
        backUpProducts();
    if (m_pantmod.loaded == 0)
        takeOverOldList();

    openShoppingList();
    pickproductlist();
    m_shoppingList->setCaptionFromTotal();
    openMergeProbe();

    m_pantmod.addflag = 0;
    m_pantmod.editflag = 0;
    if (m_pantmod.catfilter.isEmpty()) {
        m_pantmod.catfilter = QStringLiteral("ALL");
        m_productView->allcmd->setEnabled(false);
    }
    if (m_pantmod.session.productCount() > 0)
        m_productView->fillproductlist();
    if (m_pantmod.session.shoppingCount() == 0)
        m_shoppingList->showEmptyList();
    else
        m_shoppingList->reloadShoppingList();
    if (m_pantmod.session.productCount() > 0)
        m_productView->fillcatlist();
    if (m_pantmod.session.productCount() != 0)
        m_productView->showCurrentPrice();
    if (m_pantmod.session.shoppingCount() != 0 && m_shoppingList->currentRow() >= 0)
        m_shoppingList->showCurrentCost();
    m_pantmod.loaded = 1;
}

// Keep a copy of the default product list from the start of each run.
void pantrex1::backUpProducts() {
    if (!m_pantmod.session.files().copy(DefaultProducts, ProductBackup))
        reportFileError(m_pantmod.session.files().errorString());
}

// A shopping list left by an older edition replaces the default list, once.
void pantrex1::takeOverOldList() {
    qint64 oldCount = 0;
    // Looked at only when it is there: nothing is made in the folder only to be removed again.
    RecordFile* old = m_pantmod.session.files().exists(OldEditionList)
                          ? m_pantmod.session.files().open(ShoppingChannel, OldEditionList, ShoppingRecord::Length)
                          : nullptr;
    if (old)
        oldCount = old->count();
    m_pantmod.session.files().close(ShoppingChannel);
    if (oldCount > 0) {
        // The list it replaces is kept beside it, and the old list goes only once its copy is safely
        // on disk. A run stopped between the two finds the copy already made: the list is then the
        // old edition's, and the one kept beside it must stay as it is.
        const bool copied = sameBytes(m_pantmod.session.files(), OldEditionList, DefaultList);
        const bool replacedKept = copied || m_pantmod.session.files().size(DefaultList) == 0 ||
                                  m_pantmod.session.files().copy(DefaultList, ReplacedListBackup);
        if (replacedKept && (copied || m_pantmod.session.files().copy(OldEditionList, DefaultList))) {
            if (!m_pantmod.session.files().remove(OldEditionList))
                reportFileError(m_pantmod.session.files().errorString());
        } else {
            reportFileError(m_pantmod.session.files().errorString());
        }
        m_pantmod.session.setShoppingListPath(DefaultList);
        return;
    }
    // An empty file goes; anything with bytes in it stays.
    if (old && m_pantmod.session.files().size(OldEditionList) == 0 && !m_pantmod.session.files().remove(OldEditionList))
        reportFileError(m_pantmod.session.files().errorString());
    readListName();
}

void pantrex1::readListName() {
    RecordFile* nameFile = m_pantmod.session.files().open(NameFileChannel, NameFile, NameFileRecord::Length);
    const std::optional<Record> record = nameFile && nameFile->count() >= 1 ? nameFile->read(1) : std::nullopt;
    if (record) {
        // Only blanks surround the name: any other character is part of it.
        const QString name = trimBlanks(fromAnsi(record->raw(NameFileRecord::ListFileName)));
        if (!name.isEmpty())
            m_pantmod.session.setShoppingListPath(isListName(name) ? name : DefaultList);
    }
    m_pantmod.session.files().close(NameFileChannel);
}

void pantrex1::openShoppingList() {
    m_pantmod.session.setShoppingCount(0);
    if (RecordFile* list = m_pantmod.session.files().open(ShoppingChannel, m_pantmod.session.shoppingListPath(),
                                                          ShoppingRecord::Length))
        m_pantmod.session.setShoppingCount(list->count());
    else
        reportFileError(m_pantmod.session.files().errorString());
}

void pantrex1::pickproductlist() {
    auto openProducts = [this] {
        if (!m_pantmod.session.openProductList(m_pantmod.session.productListPath()))
            reportFileError(m_pantmod.session.files().errorString());
    };
    if (m_pantmod.session.shoppingListPath() == DefaultList) {
        m_pantmod.session.setProductListPath(DefaultProducts);
        openProducts();
        return;
    }
    // A list whose own product file would be one of the program's files shares the default list.
    m_pantmod.session.setProductListPath(ownProductList(m_pantmod.session.shoppingListPath()));
    m_pantmod.session.setProductCount(0);
    if (!m_pantmod.session.productListPath().isEmpty())
        openProducts();
    if (m_pantmod.session.productCount() == 0) {
        // The list has no products of its own and shares the default product list.
        m_pantmod.session.setProductListPath(DefaultProducts);
        openProducts();
    }
    m_productView->fillproductlist();
    m_productView->fillcatlist();
}

// Import is offered only while a merge file with products lies beside the product list.
void pantrex1::openMergeProbe() {
    m_pantmod.session.setMergePath(mergeFileOf(m_pantmod.session.productListPath()));
    qint64 count = 0;
    // Looked at only when it is there: nothing is made in the folder only to be removed again.
    const bool present = m_pantmod.session.files().exists(m_pantmod.session.mergePath());
    RecordFile* merge =
        present ? m_pantmod.session.files().open(MergeChannel, m_pantmod.session.mergePath(), ProductRecord::Length)
                : nullptr;
    if (merge)
        count = merge->count();
    else if (present)
        reportFileError(m_pantmod.session.files().errorString());
    m_pantmod.session.files().close(MergeChannel);
    mergecmd->setEnabled(count > 0);
    // An empty file goes; a file that could not be read, or holds anything at all, stays.
    if (merge && m_pantmod.session.files().size(m_pantmod.session.mergePath()) == 0 &&
        !m_pantmod.session.files().remove(m_pantmod.session.mergePath()))
        reportFileError(m_pantmod.session.files().errorString());
}

void pantrex1::activated() {
    if (m_pantmod.newlistflag == 1) {
        m_pantmod.newlistflag = 0;
        m_shoppingList->showEmptyList();
        m_shoppingList->setCaption(baseName(m_pantmod.session.shoppingListPath()) + QStringLiteral(" ($0.00)"));
        leavecustommode();
        if (!m_pantmod.session.openProductList(m_pantmod.session.productListPath()))
            reportFileError(m_pantmod.session.files().errorString());
        m_productView->emptyList();
        m_productView->fillcatlist();
        m_productView->fillproductlist();
        m_shoppingList->reloadShoppingList();
        openMergeProbe();
    }
    if (m_pantmod.addflag == 1 || m_pantmod.editflag == 1) {
        m_productView->fillcatlist();
        m_productView->fillproductlist();
        m_shoppingList->reloadShoppingList();
        m_pantmod.addflag = 0;
        m_pantmod.editflag = 0;
    }
}

void pantrex1::quit() {
    if (!m_finished && finishRun())
        close();
}

bool pantrex1::finishRun() {
    const bool listShown = m_productView->rowCount() > 0 || m_shoppingList->rowCount() > 0;
    // Never eliminate a list whose file still holds items, whatever the views show, nor one that
    // holds anything at all (a file chosen as a list that is not one).
    const bool listEmpty = !listShown && m_pantmod.session.shoppingCount() == 0 &&
                           m_pantmod.session.files().size(m_pantmod.session.shoppingListPath()) == 0;
    if (listEmpty && m_pantmod.session.shoppingListPath().toLower() != DefaultList) {
        if (!eliminateEmptyList())
            return false;
    } else {
        rememberListName();
    }
    m_pantmod.session.files().closeAll();
    m_finished = true;
    Q_EMIT finished();
    return true;
}

// Asks before an empty list goes; on OK removes it, its own empty product list and the name file,
// so that the next start opens the default list. Returns false when the user cancels.
bool pantrex1::eliminateEmptyList() {
    Dialogs::Message box;
    box.text = tr("%1 is empty and will be eliminated.").arg(m_pantmod.session.shoppingListPath());
    box.title = QString();
    box.buttons = Dialogs::Buttons::OkCancel;
    box.icon = Dialogs::Icon::Exclamation;
    if (m_dialogs.message(box) != Dialogs::Answer::Ok)
        return false;
    m_pantmod.session.files().closeAll();
    if (!m_pantmod.session.files().remove(m_pantmod.session.shoppingListPath()))
        reportFileError(m_pantmod.session.files().errorString());
    // The list's own product file goes only while it is empty; the program's own files always stay.
    const QString ownProducts = ownProductList(m_pantmod.session.shoppingListPath());
    if (!ownProducts.isEmpty() && m_pantmod.session.files().exists(ownProducts) &&
        m_pantmod.session.files().size(ownProducts) == 0 && !m_pantmod.session.files().remove(ownProducts))
        reportFileError(m_pantmod.session.files().errorString());
    if (!m_pantmod.session.files().remove(NameFile))
        reportFileError(m_pantmod.session.files().errorString());
    return true;
}

void pantrex1::rememberListName() {
    const Record record = nameFileRecord(m_pantmod.session.shoppingListPath());
    RecordFile* nameFile = m_pantmod.session.files().open(NameFileChannel, NameFile, NameFileRecord::Length);
    if (!nameFile)
        reportFileError(m_pantmod.session.files().errorString());
    else if (!nameFile->write(1, record))
        reportFileError(nameFile->errorString());
    m_pantmod.session.files().close(NameFileChannel);
}

void pantrex1::reportFileError(const QString& error) {
    showFileError(m_dialogs, error);
}

} // namespace pantrex
