// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QAbstractItemView;

namespace pantrex {

class Dialogs;
class Session;
struct PasteResult;

// The shopping list as text on the clipboard: Ctrl+C in the list copies it, "Paste items" (Ctrl+V)
// puts the products named by the lines of text on the clipboard on it. Both are also in the list's
// context menu.
class ListClipboard : public QObject {
    Q_OBJECT

public:
    ListClipboard(Session& session, Dialogs& dialogs, QAbstractItemView& listView);

    void copyList();
    void pasteItems();

Q_SIGNALS:
    // New products were made from pasted lines: what shows the product list must be rebuilt.
    void productsAdded();
    // Items were put on the shopping list: its heading and total must be shown anew.
    void itemsAdded();

private:
    void offerNewProducts(const PasteResult& pasted);

    Session& m_session;
    Dialogs& m_dialogs;
    QAbstractItemView& m_view;
};

} // namespace pantrex
