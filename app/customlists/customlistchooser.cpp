// SPDX-License-Identifier: MIT
#include "customlistchooser.h"

#include "core/session.h"
#include "customlists/customlistops.h"
#include "platform/hoverbutton.h"
#include "platform/messages.h"
#include "platform/rowtextmodel.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QListView>
#include <QStackedLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace pantrex {

namespace {

struct ChooserTexts {
    Q_DECLARE_TR_FUNCTIONS(CustomListChooserTexts)
};

using Mode = CustomListChooser::Mode;

QString promptRow(Mode mode) {
    switch (mode) {
    case Mode::Delete:
        return ChooserTexts::tr("Select a list to delete...");
    case Mode::Get:
        return ChooserTexts::tr("Select a list to use...");
    case Mode::Preview:
        return ChooserTexts::tr("Select a list to preview...");
    case Mode::Add:
        return ChooserTexts::tr("Select a list to add to...");
    case Mode::Remove:
        return ChooserTexts::tr("Select a list to edit...");
    case Mode::None:
        break;
    }
    return QString();
}

QListView* chooserList(const QString& name, const QString& accessibleName, RowTextModel*& rows, QWidget* parent) {
    auto* list = new QListView(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setTextElideMode(Qt::ElideNone);
    rows = new RowTextModel(list);
    list->setModel(rows);
    return list;
}

void setBackground(QListView* list, const QColor& colour) {
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, colour);
    list->setPalette(palette);
}

// The list starts at its first row, nothing selected, ready for the arrow keys.
void startAtTop(QListView* list) {
    list->clearSelection();
    list->selectionModel()->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::NoUpdate);
    list->scrollToTop();
    list->setFocus();
}

} // namespace

CustomListChooser::CustomListChooser(Session& session, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs), m_lists(session) {
    setObjectName(QStringLiteral("customlistchooser"));
    setAccessibleName(tr("Custom list chooser"));
    m_listNamesView = chooserList(QStringLiteral("List3"), tr("Custom lists"), m_nameRows, this);
    setBackground(m_listNamesView, QColor(255, 255, 224));
    m_itemsPage = new QWidget(this);
    m_itemsView = chooserList(QStringLiteral("List4"), tr("Custom list items"), m_itemRows, m_itemsPage);
    m_itemsView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_proceedButton = new HoverButton(QStringLiteral("recdelcmd"), tr("Proceed"), m_itemsPage);
    // The items keep their height whether or not the button shows, so no row moves under the pointer.
    QSizePolicy keepPlace = m_proceedButton->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_proceedButton->setSizePolicy(keepPlace);
    m_proceedButton->hide();

    auto* itemsLayout = new QVBoxLayout(m_itemsPage);
    itemsLayout->setContentsMargins(0, 0, 0, 0);
    itemsLayout->addWidget(m_itemsView, 1);
    itemsLayout->addWidget(m_proceedButton);
    m_pages = new QStackedLayout(this);
    m_pages->addWidget(m_listNamesView);
    m_pages->addWidget(m_itemsPage);

    connect(m_listNamesView, &QListView::clicked, this,
            [this](const QModelIndex& index) { listNameClicked(index.row()); });
    connect(m_itemsView, &QListView::clicked, this, [this](const QModelIndex& index) { itemClicked(index.row()); });
    connect(m_proceedButton, &QPushButton::clicked, this, &CustomListChooser::proceed);
    m_listNamesView->installEventFilter(this);
    m_itemsView->installEventFilter(this);
}

void CustomListChooser::setProductSelection(std::function<QList<qint64>()> selection) {
    m_productSelection = std::move(selection);
}

void CustomListChooser::choose(Mode mode) {
    m_mode = mode;
    showListNames();
}

void CustomListChooser::showListNames() {
    if (const std::optional<Notice> failed = m_lists.load()) {
        report(m_dialogs, *failed);
        return;
    }
    if (m_session.customCount() == 0) {
        report(m_dialogs, Notice::withoutTitle(tr("No lists on file!")));
        // Items left on screen from another mode must not be acted on in this one.
        if (m_page == Page::Items)
            leaveCustomMode();
        return;
    }
    m_listNames = m_lists.catalog().names();
    const QString prompt = promptRow(m_mode);
    const QString neverMind = tr("Never Mind");
    const QList<QByteArray>& names = m_listNames;
    const int rows = int(names.size()) + 2;
    m_nameRows->reset(rows, [prompt, neverMind, names, rows](int row) {
        if (row == 0)
            return prompt;
        return row == rows - 1 ? neverMind : shownText(names.at(row - 1));
    });
    showPage(Page::Names);
    startAtTop(m_listNamesView);
    //: The shopping list's caption while a custom list is chosen.
    Q_EMIT headingRequested(tr("Select"));
}

void CustomListChooser::listNameClicked(int row) {
    const int rows = m_nameRows->rowCount();
    // The prompt row names no list: a click on it leaves the chooser as it is.
    if (m_page != Page::Names || row <= 0 || row >= rows)
        return;
    if (row == rows - 1) {
        m_chosenList.clear();
        closeChooser();
        return;
    }
    m_chosenList = m_listNames.at(row - 1);
    switch (m_mode) {
    case Mode::Delete:
        showPage(Page::Closed);
        deleteList(m_lists, m_dialogs, m_chosenList);
        Q_EMIT headingRequested(QString());
        break;
    case Mode::Preview:
        closeChooser();
        previewList(m_lists, m_dialogs, m_chosenList);
        break;
    case Mode::Add:
        closeChooser();
        addToList(m_lists, m_dialogs, m_chosenList, m_productSelection ? m_productSelection() : QList<qint64>());
        break;
    case Mode::Remove:
        fillItems();
        //: The %1 of "Select item(s) to %1, then press...".
        showInstructions(tr("remove"));
        Q_EMIT headingRequested(shownText(m_chosenList));
        break;
    case Mode::Get:
        fillItems();
        m_proceedButton->show();
        //: The shopping list's caption while custom items are chosen for it.
        Q_EMIT headingRequested(tr("Get"));
        //: The %1 of "Select item(s) to %1, then press...".
        showInstructions(tr("buy"));
        break;
    case Mode::None:
        break;
    }
}

void CustomListChooser::showInstructions(const QString& verb) {
    report(m_dialogs, Notice::withoutTitle(tr("Select item(s) to %1, then press the\"Proceed\" button\nOR click "
                                              "\"Never Mind\" (at the bottom of the list) to quit.")
                                               .arg(verb)));
}

void CustomListChooser::showListItems(const QByteArray& listName) {
    m_chosenList = listName;
    fillItems();
}

void CustomListChooser::fillItems() {
    const std::optional<Notice> failed = m_lists.load();
    if (failed)
        report(m_dialogs, *failed);
    m_items = failed ? QList<ListItem>() : m_lists.catalog().items(m_chosenList);
    QList<QString> texts;
    texts.reserve(m_items.size() + 1);
    for (const ListItem& item : std::as_const(m_items))
        texts.append(shownText(item.text));
    texts.append(tr("Never Mind"));
    m_itemRows->reset(int(texts.size()), [texts](int row) { return texts.at(row); });
    const bool getting = m_mode == Mode::Get;
    setBackground(m_itemsView, getting ? QColor(192, 255, 255) : QColor(255, 192, 192));
    m_proceedButton->hide();
    showPage(Page::Items);
    startAtTop(m_itemsView);
}

void CustomListChooser::itemClicked(int row) {
    const int rows = m_itemRows->rowCount();
    if (m_page != Page::Items || row < 0 || row >= rows)
        return;
    if (row == rows - 1) {
        forgetItems();
        closeChooser();
        return;
    }
    m_proceedButton->show();
}

void CustomListChooser::proceed() {
    const QList<ListItem> chosen = chosenItems();
    const bool getting = m_mode == Mode::Get;
    switch (getting ? getItems(m_lists, m_dialogs, chosen) : removeItems(m_lists, m_dialogs, chosen)) {
    case AfterProceed::KeepChooser:
        break;
    case AfterProceed::CloseChooser:
        closeChooser();
        break;
    case AfterProceed::CloseAndReloadShoppingList:
        closeChooser();
        Q_EMIT shoppingListChanged();
        break;
    case AfterProceed::ReloadItems:
        // The file changed without its size or times telling: read it whole again.
        m_lists.catalog().forget();
        fillItems();
        m_proceedButton->setVisible(getting);
        break;
    }
}

// The selected item rows in row order; the "Never Mind" row stands for no record.
QList<ListItem> CustomListChooser::chosenItems() const {
    QList<int> rows;
    for (const QModelIndex& index : m_itemsView->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    QList<ListItem> chosen;
    for (const int row : rows) {
        if (row < m_items.size())
            chosen.append(m_items.at(row));
    }
    return chosen;
}

void CustomListChooser::closeChooser() {
    m_proceedButton->hide();
    showPage(Page::Closed);
    Q_EMIT headingRequested(QString());
}

void CustomListChooser::forgetItems() {
    m_mode = Mode::None;
    m_items.clear();
}

void CustomListChooser::leaveCustomMode() {
    if (m_page == Page::Names)
        closeChooser();
    if (m_page == Page::Items) {
        forgetItems();
        closeChooser();
    }
}

void CustomListChooser::showPage(Page page) {
    m_page = page;
    if (page == Page::Names)
        m_pages->setCurrentWidget(m_listNamesView);
    else if (page == Page::Items)
        m_pages->setCurrentWidget(m_itemsPage);
    Q_EMIT placeRequested(page != Page::Closed);
}

// Arrow keys move as in any list; Enter or Space on a row does what a click on it does. Other keys,
// Esc among them, keep their meaning in the main window.
bool CustomListChooser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || (watched != m_listNamesView && watched != m_itemsView))
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    return rowKey(static_cast<QListView*>(watched), key->key(), key->modifiers());
}

bool CustomListChooser::rowKey(QListView* list, int key, Qt::KeyboardModifiers modifiers) {
    const bool space = key == Qt::Key_Space;
    if (!space && key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    const QModelIndex current = list->currentIndex();
    if (!current.isValid())
        return true;
    QItemSelectionModel* selection = list->selectionModel();
    if (space && (modifiers & Qt::ControlModifier))
        selection->select(current, QItemSelectionModel::Toggle);
    else if (space)
        selection->select(current, QItemSelectionModel::ClearAndSelect);
    else if (!selection->isSelected(current))
        selection->select(current, QItemSelectionModel::Select);
    if (list == m_listNamesView)
        listNameClicked(current.row());
    else
        itemClicked(current.row());
    return true;
}

} // namespace pantrex
