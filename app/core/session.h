// SPDX-License-Identifier: MIT
#pragma once

#include "core/aisleorder.h"
#include "core/notice.h"
#include "core/shoppinglist.h"
#include "core/shoppingticks.h"
#include "core/undohistory.h"
#include "data/filechannels.h"
#include "data/filenames.h"
#include "data/productcatalog.h"

#include <QObject>
#include <QString>

namespace pantrex {

// The open session: the working folder's file channels, the open shopping list and product list
// with their record counts, the merge file that belongs to them, the product list in memory and the
// number of custom list records. Every face of the program (the windows, the command line) works
// through one session; it tells them when what they show has changed.
class Session : public QObject {
    Q_OBJECT

public:
    explicit Session(const QString& workingFolder, QObject* parent = nullptr);

    // The file channels 1 to 9 in the working folder.
    FileChannels& files() { return m_files; }
    const FileChannels& files() const { return m_files; }
    QString workingFolder() const { return m_files.folder().path(); }

    // The open shopping list's rows as last read, and its operations.
    ShoppingList& shoppingList() { return m_shoppingList; }
    const ShoppingList& shoppingList() const { return m_shoppingList; }
    // What of the open shopping list is ticked off, kept beside it.
    ShoppingTicks& ticks() { return m_ticks; }
    const ShoppingTicks& ticks() const { return m_ticks; }
    // The order of the store's aisles for the open shopping list, kept beside it.
    AisleOrder& aisles() { return m_aisles; }
    const AisleOrder& aisles() const { return m_aisles; }
    // The open shopping list (channel 2) and its record count.
    const QString& shoppingListPath() const { return m_shoppingListPath; }
    void setShoppingListPath(const QString& name) { m_shoppingListPath = name; }
    qint64 shoppingCount() const { return m_shoppingCount; }
    void setShoppingCount(qint64 count) { m_shoppingCount = count; }

    // The open product list (channel 1) and its record count.
    const QString& productListPath() const { return m_productListPath; }
    void setProductListPath(const QString& name) { m_productListPath = name; }
    qint64 productCount() const { return m_productCount; }
    void setProductCount(qint64 count) { m_productCount = count; }
    // Opens a product list on channel 1 and counts it: the count is its number of records, 0 when
    // it cannot be opened (nullptr; files().errorString() says why).
    RecordFile* openProductList(const QString& name);

    // The merge file of the open product list: its base name followed by ".mrg".
    const QString& mergePath() const { return m_mergePath; }
    void setMergePath(const QString& name) { m_mergePath = name; }

    // The open product file in memory, read again only when it changes.
    ProductCatalog& catalog() { return m_catalog; }
    const ProductCatalog& catalog() const { return m_catalog; }

    // The number of records in the custom lists' file (channel 5).
    qint64 customCount() const { return m_customCount; }
    void setCustomCount(qint64 count) { m_customCount = count; }

    // Whether the warning about deleting from the default product list was given since the
    // product list was opened.
    bool defaultListWarned() const { return m_defaultListWarned; }
    void setDefaultListWarned(bool warned) { m_defaultListWarned = warned; }

    // Import is offered while a merge file with products lies beside the product list.
    bool importOffered() const { return m_importOffered; }

    // The start-up, step by step; each step hands back what the user must be told. At the first
    // start of a run the default list is the open list, the default product list is backed up and a
    // list left by an older edition is taken over (else the list the last run remembered is opened).
    Notices openDefaultProducts(bool firstStart);
    Notices takeOverOldList();
    // Opens the shopping list named by shoppingListPath() on channel 2 and counts it.
    Notices openShoppingList();
    // Opens the product list that belongs to the open shopping list: its own, when it has one with
    // products in it, else the default product list.
    Notices chooseProductList();
    // Looks for the product list's merge file (importOffered() follows); an empty one is removed.
    Notices probeMergeFile();
    // The whole start-up of a run without a window (the command line), in the window's order.
    Notices openAtStart();

    // Makes a new list file the open shopping list, with its own product list (the file comes into
    // being when it is opened) or the default one; it starts without an aisle order (one left behind
    // under its name goes). On failure the list that was open stays open.
    // listTaken() only looks: a file that holds any bytes at all is taken.
    bool listTaken(const QString& name) const;
    Notices createList(const QString& name, bool ownProducts);

    // Quitting: an empty list (not the default list) is eliminated with its own empty product list,
    // its aisle order and the name file, after the user agreed; any other list is remembered for the next start.
    // rowsShown: whether a view still shows rows of the lists.
    bool listToEliminate(bool rowsShown) const;
    Notices eliminateEmptyList();
    Notices rememberListName();

    // The changes that may be taken back, and taking back the newest: the files it touched are put
    // back as they were, and what shows them is told.
    UndoHistory& undoHistory() { return m_undo; }
    UndoHistory::Outcome undo();

    // For the operations that change the files: tell what shows them.
    void notifyProductsChanged() { Q_EMIT productsChanged(); }
    void notifyShoppingListChanged() { Q_EMIT shoppingListChanged(); }

Q_SIGNALS:
    // The shopping list's rows changed (read anew from its file, or emptied): what shows them must
    // be rebuilt.
    void shoppingListChanged();
    // The product list changed (its records, or another list was opened).
    void productsChanged();
    // The custom lists changed.
    void customListsChanged();

private:
    FileChannels m_files;
    QString m_shoppingListPath = DataFile::DefaultList;
    qint64 m_shoppingCount = 0;
    QString m_productListPath = DataFile::DefaultProducts;
    qint64 m_productCount = 0;
    QString m_mergePath;
    ProductCatalog m_catalog;
    qint64 m_customCount = 0;
    bool m_defaultListWarned = false;
    bool m_importOffered = false;

    UndoHistory m_undo{m_files};
    ShoppingList m_shoppingList{*this};
    ShoppingTicks m_ticks{*this};
    AisleOrder m_aisles{*this};
};

} // namespace pantrex
