// SPDX-License-Identifier: MIT
#include "listclipboard.h"

#include "core/listtext.h"
#include "core/session.h"
#include "platform/messages.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace pantrex {

namespace {

struct PasteTexts {
    Q_DECLARE_TR_FUNCTIONS(pantrex::ShoppingListPanel)
};

QAction* listAction(QAbstractItemView& view, const QString& objectName, const QString& caption,
                    const QKeySequence& keys) {
    auto* action = new QAction(caption, &view);
    action->setObjectName(objectName);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    view.addAction(action);
    return action;
}

} // namespace

ListClipboard::ListClipboard(Session& session, Dialogs& dialogs, QAbstractItemView& listView)
    : QObject(&listView), m_session(session), m_dialogs(dialogs), m_view(listView) {
    listView.setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(
        listAction(listView, QStringLiteral("copylistcmd"), PasteTexts::tr("Copy list as text"), QKeySequence::Copy),
        &QAction::triggered, this, &ListClipboard::copyList);
    connect(listAction(listView, QStringLiteral("pasteitemscmd"), PasteTexts::tr("Paste items"), QKeySequence::Paste),
            &QAction::triggered, this, &ListClipboard::pasteItems);
}

void ListClipboard::copyList() {
    if (const std::optional<Notice> failed = m_session.shoppingList().reload()) {
        report(m_dialogs, *failed);
        return;
    }
    QGuiApplication::clipboard()->setText(shoppingListText(m_session.shoppingList()));
}

void ListClipboard::pasteItems() {
    const QString text = QGuiApplication::clipboard()->text();
    const PasteResult pasted = pantrex::pasteItems(m_session, text);
    if (pasted.added > 0)
        Q_EMIT itemsAdded();
    if (pasted.notice) {
        report(m_dialogs, *pasted.notice);
        return;
    }
    if (!pasted.unknown.isEmpty())
        offerNewProducts(pasted);
    else if (pasted.added == 0)
        inform(m_dialogs, PasteTexts::tr("The clipboard holds no lines that name a product."),
               PasteTexts::tr("Paste items"));
}

void ListClipboard::offerNewProducts(const PasteResult& pasted) {
    QStringList names;
    for (const PastedLine& line : pasted.unknown)
        names.append(line.quantity == "1"
                         ? line.name
                         : QStringLiteral("%1 x %2").arg(QString::fromLatin1(line.quantity), line.name));
    const QString added = pasted.added == 1
                              ? PasteTexts::tr("1 item was added to the shopping list.")
                              : PasteTexts::tr("%1 items were added to the shopping list.").arg(pasted.added);
    const QString question =
        added + QStringLiteral("\n\n") +
        PasteTexts::tr("These lines name no product of the product list:\n\n%1\n\nMake them new products (priced .00, "
                       "under Miscellaneous) and add them to the shopping list?")
            .arg(names.join(QLatin1Char('\n')));
    if (ask(m_dialogs, question, PasteTexts::tr("Paste items"), Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    const PasteResult made = addAsNewProducts(m_session, pasted.unknown);
    if (made.added > 0) {
        Q_EMIT productsAdded();
        Q_EMIT itemsAdded();
        // The product view takes the focus when it is rebuilt; the user is still at the list.
        m_view.setFocus();
    }
    if (made.notice)
        report(m_dialogs, *made.notice);
}

} // namespace pantrex
