// SPDX-License-Identifier: MIT
#include "customlistchooser.h"

#include "customlists/customlistboxes.h"
#include "customlists/customlistops.h"
#include "platform/hoverbutton.h"
#include "platform/rowtextmodel.h"
#include "state/pantmod.h"

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

// What the last row's choice is kept as.
const QString NeverMind = QStringLiteral("Never Mind");

QString promptRow(CustomMode mode) {
    switch (mode) {
    case CustomMode::Delete:
        return ChooserTexts::tr("Select a list to delete...");
    case CustomMode::Get:
        return ChooserTexts::tr("Select a list to use...");
    case CustomMode::Preview:
        return ChooserTexts::tr("Select a list to preview...");
    case CustomMode::Add:
        return ChooserTexts::tr("Select a list to add to...");
    case CustomMode::Remove:
        return ChooserTexts::tr("Select a list to edit...");
    case CustomMode::None:
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

CustomListChooser::CustomListChooser(PANTMOD& pantmod, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_pantmod(pantmod), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("customlistchooser"));
    setAccessibleName(tr("Custom list chooser"));
    List3 = chooserList(QStringLiteral("List3"), tr("Custom lists"), m_names, this);
    setBackground(List3, QColor(255, 255, 224));
    m_itemsPage = new QWidget(this);
    List4 = chooserList(QStringLiteral("List4"), tr("Custom list items"), m_itemRows, m_itemsPage);
    List4->setSelectionMode(QAbstractItemView::ExtendedSelection);
    recdelcmd = new HoverButton(QStringLiteral("recdelcmd"), tr("Proceed"), m_itemsPage);
    // The items keep their height whether or not the button shows, so no row moves under the pointer.
    QSizePolicy keepPlace = recdelcmd->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    recdelcmd->setSizePolicy(keepPlace);
    recdelcmd->hide();

    auto* itemsLayout = new QVBoxLayout(m_itemsPage);
    itemsLayout->setContentsMargins(0, 0, 0, 0);
    itemsLayout->addWidget(List4, 1);
    itemsLayout->addWidget(recdelcmd);
    m_pages = new QStackedLayout(this);
    m_pages->addWidget(List3);
    m_pages->addWidget(m_itemsPage);

    connect(List3, &QListView::clicked, this, [this](const QModelIndex& index) { List3Click(index.row()); });
    connect(List4, &QListView::clicked, this, [this](const QModelIndex& index) { List4Click(index.row()); });
    connect(recdelcmd, &QPushButton::clicked, this, &CustomListChooser::recdelcmdClick);
    List3->installEventFilter(this);
    List4->installEventFilter(this);
}

void CustomListChooser::setProductSelection(std::function<QList<qint64>()> selection) {
    m_productSelection = std::move(selection);
}

void CustomListChooser::choose(CustomMode mode) {
    m_pantmod.custommode = mode;
    showlistnames();
}

void CustomListChooser::showlistnames() {
    if (!loadcustomlists(m_pantmod, m_dialogs, m_catalog))
        return;
    if (m_pantmod.session.customCount() == 0) {
        say(m_dialogs, tr("No lists on file!"));
        // Items left on screen from another mode must not be acted on in this one.
        if (m_page == Page::Items)
            leavecustommode();
        return;
    }
    m_pantmod.choosertext = m_catalog.names();
    const QString prompt = promptRow(m_pantmod.custommode);
    const QString neverMind = tr("Never Mind");
    const QList<QByteArray>& names = m_pantmod.choosertext;
    const int rows = int(names.size()) + 2;
    m_names->reset(rows, [prompt, neverMind, names, rows](int row) {
        if (row == 0)
            return prompt;
        return row == rows - 1 ? neverMind : shownText(names.at(row - 1));
    });
    showPage(Page::Names);
    startAtTop(List3);
    //: The shopping list's caption while a custom list is chosen.
    Q_EMIT headingRequested(tr("Select"));
}

void CustomListChooser::List3Click(int row) {
    const int rows = m_names->rowCount();
    // The prompt row names no list: a click on it leaves the chooser as it is.
    if (m_page != Page::Names || row <= 0 || row >= rows)
        return;
    if (row == rows - 1) {
        m_pantmod.chosenlist = NeverMind.toLatin1();
        closechooser();
        return;
    }
    m_pantmod.chosenlist = m_pantmod.choosertext.at(row - 1);
    const QString name = shownText(m_pantmod.chosenlist);
    switch (m_pantmod.custommode) {
    case CustomMode::Delete:
        showPage(Page::Closed);
        deletelist(m_pantmod, m_dialogs);
        Q_EMIT headingRequested(QString());
        break;
    case CustomMode::Preview:
        closechooser();
        previewlist(m_pantmod, m_dialogs, m_catalog);
        break;
    case CustomMode::Add:
        closechooser();
        addtolist(m_pantmod, m_dialogs, m_productSelection ? m_productSelection() : QList<qint64>());
        break;
    case CustomMode::Remove:
        showlistitems();
        //: The %1 of "Select item(s) to %1, then press...".
        showInstructions(tr("remove"));
        Q_EMIT headingRequested(name);
        break;
    case CustomMode::Get:
        showlistitems();
        recdelcmd->show();
        //: The shopping list's caption while custom items are chosen for it.
        Q_EMIT headingRequested(tr("Get"));
        //: The %1 of "Select item(s) to %1, then press...".
        showInstructions(tr("buy"));
        break;
    case CustomMode::None:
        break;
    }
}

void CustomListChooser::showInstructions(const QString& verb) {
    say(m_dialogs, tr("Select item(s) to %1, then press the\"Proceed\" button\nOR click \"Never Mind\" (at the "
                      "bottom of the list) to quit.")
                       .arg(verb));
}

void CustomListChooser::showlistitems() {
    const bool loaded = loadcustomlists(m_pantmod, m_dialogs, m_catalog);
    m_items = loaded ? m_catalog.items(m_pantmod.chosenlist) : QList<ListItem>();
    m_pantmod.choosertext.clear();
    m_pantmod.itemrecnos.clear();
    for (const ListItem& item : std::as_const(m_items)) {
        m_pantmod.choosertext.append(item.text);
        m_pantmod.itemrecnos.append(item.recno);
    }
    const QList<QByteArray>& texts = m_pantmod.choosertext;
    const int rows = int(texts.size()) + 1;
    const QString neverMind = tr("Never Mind");
    m_itemRows->reset(
        rows, [texts, neverMind, rows](int row) { return row == rows - 1 ? neverMind : shownText(texts.at(row)); });
    const bool getting = m_pantmod.custommode == CustomMode::Get;
    setBackground(List4, getting ? QColor(192, 255, 255) : QColor(255, 192, 192));
    recdelcmd->hide();
    showPage(Page::Items);
    startAtTop(List4);
}

void CustomListChooser::List4Click(int row) {
    const int rows = m_itemRows->rowCount();
    if (m_page != Page::Items || row < 0 || row >= rows)
        return;
    if (row == rows - 1) {
        forgetItems();
        closechooser();
        return;
    }
    recdelcmd->show();
}

void CustomListChooser::recdelcmdClick() {
    const QList<ListItem> chosen = chosenItems();
    const bool getting = m_pantmod.custommode == CustomMode::Get;
    switch (getting ? getitems(m_pantmod, m_dialogs, chosen) : removeitems(m_pantmod, m_dialogs, chosen)) {
    case AfterProceed::KeepChooser:
        break;
    case AfterProceed::CloseChooser:
        closechooser();
        break;
    case AfterProceed::CloseAndReloadShoppingList:
        closechooser();
        Q_EMIT shoppingListChanged();
        break;
    case AfterProceed::ReloadItems:
        // The file changed without its size or times telling: read it whole again.
        m_catalog.forget();
        showlistitems();
        recdelcmd->setVisible(getting);
        break;
    }
}

// The selected item rows in row order; the "Never Mind" row stands for no record.
QList<ListItem> CustomListChooser::chosenItems() const {
    QList<int> rows;
    for (const QModelIndex& index : List4->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    QList<ListItem> chosen;
    for (const int row : rows) {
        if (row < m_items.size())
            chosen.append(m_items.at(row));
    }
    return chosen;
}

void CustomListChooser::closechooser() {
    recdelcmd->hide();
    showPage(Page::Closed);
    Q_EMIT headingRequested(QString());
}

void CustomListChooser::forgetItems() {
    m_pantmod.choosertext.clear();
    m_pantmod.itemrecnos.clear();
    m_pantmod.custommode = CustomMode::None;
    m_items.clear();
}

void CustomListChooser::leavecustommode() {
    if (m_page == Page::Names)
        closechooser();
    if (m_page == Page::Items) {
        forgetItems();
        closechooser();
    }
}

void CustomListChooser::showPage(Page page) {
    m_page = page;
    if (page == Page::Names)
        m_pages->setCurrentWidget(List3);
    else if (page == Page::Items)
        m_pages->setCurrentWidget(m_itemsPage);
    Q_EMIT placeRequested(page != Page::Closed);
}

// Arrow keys move as in any list; Enter or Space on a row does what a click on it does. Other keys,
// Esc among them, keep their meaning in the main window.
bool CustomListChooser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || (watched != List3 && watched != List4))
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
    if (list == List3)
        List3Click(current.row());
    else
        List4Click(current.row());
    return true;
}

} // namespace pantrex
