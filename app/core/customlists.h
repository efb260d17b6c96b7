// SPDX-License-Identifier: MIT
#pragma once

#include "core/customlistcatalog.h"
#include "core/customliststore.h"
#include "core/notice.h"

#include <QCoreApplication>
#include <QList>

#include <optional>

namespace pantrex {

class Session;

// The custom lists of a session: making them from products or from the shopping list, adding to
// them, taking items or whole lists out, previewing them, and putting their items on the shopping
// list. The user's answers come in as arguments; what is to be told comes back as notices, in the
// order their boxes show. The check calls say what a command refuses before it asks anything.
class CustomLists {
    Q_DECLARE_TR_FUNCTIONS(CustomLists)

public:
    explicit CustomLists(Session& session);

    // The lists as last read, for showing and checking names.
    CustomListCatalog& catalog() { return m_catalog; }
    const CustomListCatalog& catalog() const { return m_catalog; }
    // Opens the file afresh (the custom count follows) and brings the catalogue up to date with it;
    // a notice when it cannot be opened or read.
    std::optional<Notice> load();
    // Whether a list by the typed name (in the code page, cut to the name's width) is on file, as
    // last loaded.
    bool nameInUse(const QString& typed) const;

    // A new list from products: at least two must be selected.
    std::optional<Notice> checkNewList(qsizetype selectedProducts) const;
    // The typed name of a new list, after load(): a notice when a list has it already.
    std::optional<Notice> checkNewName(const QString& typed) const;
    // Makes the list of the products (record numbers in the product file, in row order) under the
    // typed name in proper case, after checkNewName.
    QList<Notice> createList(const QString& typed, const QList<qint64>& products);

    // Adding products to a list: at least one must be selected.
    std::optional<Notice> checkAddToList(qsizetype selectedProducts) const;
    // Appends the products to the list, under its name exactly as stored.
    QList<Notice> addToList(QByteArrayView listName, const QList<qint64>& products);

    // Removes every record of the list, after a copy of the file went to "pantrecp.bak".
    QList<Notice> deleteList(QByteArrayView listName);
    // The list's items in a box, or why they cannot be shown.
    Notice preview(QByteArrayView listName);

    // Saving the shopping list as a custom list: it must hold something.
    std::optional<Notice> checkSaveShoppingList() const;
    // Stores the whole shopping list under the typed name in proper case, each item with its unit
    // price; a list saved whole or not at all.
    QList<Notice> saveShoppingList(const QString& typed);

    // What became of the chosen items of a list.
    enum class ItemsResult {
        Failed,              // a file could not be used: nothing (more) was written
        Stale,               // the file changed under the rows: nothing was written, the rows are to be read again
        Done,                // done; for getting: nothing went onto the shopping list
        ShoppingListWritten, // items went onto the shopping list
    };
    struct ItemsOutcome {
        ItemsResult result;
        QList<Notice> notices;
    };
    // Removes the chosen items' records from the file; every other record keeps its place in order.
    ItemsOutcome removeItems(const QList<ListItem>& chosen);
    // Puts the chosen items on the shopping list, quantity 1, except those already on it.
    ItemsOutcome getItems(const QList<ListItem>& chosen);

private:
    std::optional<QList<Record>> readProducts(const QList<qint64>& recnos, QList<Notice>& notices) const;
    std::optional<QList<Record>> chosenRecords(const QList<ListItem>& chosen, bool& stale, QList<Notice>& notices);

    Session& m_session;
    CustomListStore m_store;
    CustomListCatalog m_catalog;
};

} // namespace pantrex
