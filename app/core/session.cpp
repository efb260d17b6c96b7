// SPDX-License-Identifier: MIT
#include "session.h"

#include "core/entrytext.h"
#include "data/ansitext.h"
#include "data/records.h"
#include "data/safefile.h"

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

Session::Session(const QString& workingFolder, QObject* parent) : QObject(parent), m_files(workingFolder) {}

RecordFile* Session::openProductList(const QString& name) {
    RecordFile* products = m_files.open(ProductChannel, name, ProductRecord::Length);
    m_productCount = products ? products->count() : 0;
    return products;
}

Notices Session::openDefaultProducts(bool firstStart) {
    Notices notices;
    if (firstStart)
        m_shoppingListPath = DefaultList;
    if (!openProductList(DefaultProducts))
        notices.append(Notice::fileError(m_files.errorString()));
    m_files.close(ProductChannel);
    // Keep a copy of the default product list from the start of each run.
    if (m_productCount > 0 && firstStart && !m_files.copy(DefaultProducts, ProductBackup))
        notices.append(Notice::fileError(m_files.errorString()));
    return notices;
}

// A shopping list left by an older edition replaces the default list, once.
Notices Session::takeOverOldList() {
    Notices notices;
    auto failed = [&notices, this] { notices.append(Notice::fileError(m_files.errorString())); };
    qint64 oldCount = 0;
    // Looked at only when it is there: nothing is made in the folder only to be removed again.
    RecordFile* old = m_files.exists(OldEditionList)
                          ? m_files.open(ShoppingChannel, OldEditionList, ShoppingRecord::Length)
                          : nullptr;
    if (old)
        oldCount = old->count();
    m_files.close(ShoppingChannel);
    if (oldCount > 0) {
        // The list it replaces is kept beside it, and the old list goes only once its copy is safely
        // on disk. A run stopped between the two finds the copy already made: the list is then the
        // old edition's, and the one kept beside it must stay as it is.
        const bool copied = sameBytes(m_files, OldEditionList, DefaultList);
        const bool replacedKept =
            copied || m_files.size(DefaultList) == 0 || m_files.copy(DefaultList, ReplacedListBackup);
        if (replacedKept && (copied || m_files.copy(OldEditionList, DefaultList))) {
            if (!m_files.remove(OldEditionList))
                failed();
        } else {
            failed();
        }
        m_shoppingListPath = DefaultList;
        return notices;
    }
    // An empty file goes; anything with bytes in it stays.
    if (old && m_files.size(OldEditionList) == 0 && !m_files.remove(OldEditionList))
        failed();

    // The list the last run remembered.
    RecordFile* nameFile = m_files.open(NameFileChannel, NameFile, NameFileRecord::Length);
    const std::optional<Record> record = nameFile && nameFile->count() >= 1 ? nameFile->read(1) : std::nullopt;
    if (record) {
        // Only blanks surround the name: any other character is part of it.
        const QString name = trimBlanks(fromAnsi(record->raw(NameFileRecord::ListFileName)));
        if (!name.isEmpty())
            m_shoppingListPath = isListName(name) ? name : DefaultList;
    }
    m_files.close(NameFileChannel);
    return notices;
}

Notices Session::openShoppingList() {
    m_shoppingCount = 0;
    if (RecordFile* list = m_files.open(ShoppingChannel, m_shoppingListPath, ShoppingRecord::Length)) {
        m_shoppingCount = list->count();
        return {};
    }
    return {Notice::fileError(m_files.errorString())};
}

Notices Session::chooseProductList() {
    Notices notices;
    auto openProducts = [&notices, this] {
        if (!openProductList(m_productListPath))
            notices.append(Notice::fileError(m_files.errorString()));
    };
    if (m_shoppingListPath == DefaultList) {
        m_productListPath = DefaultProducts;
        openProducts();
        return notices;
    }
    // A list whose own product file would be one of the program's files shares the default list.
    m_productListPath = ownProductList(m_shoppingListPath);
    m_productCount = 0;
    if (!m_productListPath.isEmpty())
        openProducts();
    if (m_productCount == 0) {
        // The list has no products of its own and shares the default product list.
        m_productListPath = DefaultProducts;
        openProducts();
    }
    return notices;
}

Notices Session::probeMergeFile() {
    Notices notices;
    m_mergePath = mergeFileOf(m_productListPath);
    qint64 count = 0;
    // Looked at only when it is there: nothing is made in the folder only to be removed again.
    const bool present = m_files.exists(m_mergePath);
    RecordFile* merge = present ? m_files.open(MergeChannel, m_mergePath, ProductRecord::Length) : nullptr;
    if (merge)
        count = merge->count();
    else if (present)
        notices.append(Notice::fileError(m_files.errorString()));
    m_files.close(MergeChannel);
    m_importOffered = count > 0;
    // An empty file goes; a file that could not be read, or holds anything at all, stays.
    if (merge && m_files.size(m_mergePath) == 0 && !m_files.remove(m_mergePath))
        notices.append(Notice::fileError(m_files.errorString()));
    return notices;
}

UndoHistory::Outcome Session::undo() {
    UndoHistory::Outcome outcome = m_undo.undo();
    if (outcome.restored.isEmpty())
        return outcome;
    const auto restored = [&outcome](const QString& name) { return outcome.restored.contains(name); };
    if (restored(m_productListPath)) {
        if (RecordFile* products = m_files.file(ProductChannel))
            m_productCount = products->count();
        Q_EMIT productsChanged();
    }
    if (restored(m_mergePath))
        outcome.notices += probeMergeFile();
    if (restored(DataFile::CustomLists)) {
        if (RecordFile* custom = m_files.file(CustomListChannel))
            m_customCount = custom->count();
        Q_EMIT customListsChanged();
    }
    if (restored(m_shoppingListPath)) {
        if (const std::optional<Notice> failure = m_shoppingList.reload())
            outcome.notices.append(*failure);
    }
    return outcome;
}

Notices Session::openAtStart() {
    Notices notices = openDefaultProducts(true);
    notices += takeOverOldList();
    notices += openShoppingList();
    notices += chooseProductList();
    notices += probeMergeFile();
    return notices;
}

bool Session::listTaken(const QString& name) const {
    return m_files.size(name) > 0;
}

Notices Session::createList(const QString& name, bool ownProducts) {
    // The file is made before the open list is let go, so that a name the system cannot create
    // leaves everything as it was.
    RecordFile probe(m_files.pathOf(name), ShoppingRecord::Length);
    if (!probe.open())
        return {Notice::fileError(probe.errorString())};
    probe.close();
    RecordFile* list = m_files.open(ShoppingChannel, name, ShoppingRecord::Length);
    if (!list) {
        const Notice refused = Notice::fileError(m_files.errorString());
        (void)m_files.open(ShoppingChannel, m_shoppingListPath, ShoppingRecord::Length);
        return {refused};
    }
    m_shoppingListPath = name;
    m_shoppingCount = list->count();
    if (ownProducts) {
        m_productListPath = baseName(name) + QStringLiteral(".dat");
    } else {
        m_productListPath = DefaultProducts;
        m_defaultListWarned = false;
    }
    // A new list walks the aisles in the usual order. A leftover that cannot go (a named pipe in its
    // place) is refused as an order when it is read, so the list is made all the same.
    (void)m_files.remove(aislesFileOf(name));
    return {};
}

bool Session::listToEliminate(bool rowsShown) const {
    // Never eliminate a list whose file still holds items, whatever the views show, nor one that
    // holds anything at all (a file chosen as a list that is not one).
    const bool empty = !rowsShown && m_shoppingCount == 0 && m_files.size(m_shoppingListPath) == 0;
    return empty && m_shoppingListPath.toLower() != DefaultList;
}

Notices Session::eliminateEmptyList() {
    Notices notices;
    auto failed = [&notices, this] { notices.append(Notice::fileError(m_files.errorString())); };
    m_files.closeAll();
    if (!m_files.remove(m_shoppingListPath))
        failed();
    // The list's own product file goes only while it is empty; the program's own files always stay.
    const QString ownProducts = ownProductList(m_shoppingListPath);
    if (!ownProducts.isEmpty() && m_files.exists(ownProducts) && m_files.size(ownProducts) == 0 &&
        !m_files.remove(ownProducts))
        failed();
    if (!m_files.remove(aislesFileOf(m_shoppingListPath)))
        failed();
    if (!m_files.remove(NameFile))
        failed();
    return notices;
}

Notices Session::rememberListName() {
    Notices notices;
    const Record record = nameFileRecord(m_shoppingListPath);
    RecordFile* nameFile = m_files.open(NameFileChannel, NameFile, NameFileRecord::Length);
    if (!nameFile)
        notices.append(Notice::fileError(m_files.errorString()));
    else if (!nameFile->write(1, record))
        notices.append(Notice::fileError(nameFile->errorString()));
    m_files.close(NameFileChannel);
    return notices;
}

} // namespace pantrex
