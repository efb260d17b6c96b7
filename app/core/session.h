// SPDX-License-Identifier: MIT
#pragma once

#include "core/shoppinglist.h"
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

    // Tells whoever shows the shopping list that its rows changed.
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
    ShoppingList m_shoppingList{*this};
};

} // namespace pantrex
