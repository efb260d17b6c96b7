// SPDX-License-Identifier: MIT
#include "aisleorderdialog.h"

#include "core/aisleorder.h"
#include "core/session.h"
#include "data/ansitext.h"
#include "data/filenames.h"
#include "platform/dialogs.h"
#include "platform/hoverbutton.h"
#include "platform/messages.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace pantrex {

namespace {

// Each row keeps the category's bytes as stored, whatever its text looks like on the screen.
constexpr int CategoryRole = Qt::UserRole;

} // namespace

AisleOrderDialog::AisleOrderDialog(Session& session, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_session(session), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("aisleorder"));
    setWindowTitle(tr("Aisle order: %1").arg(baseName(session.shoppingListPath())));
    m_heading = new QLabel(tr("&Categories in the order you walk the store's aisles:"), this);
    m_heading->setObjectName(QStringLiteral("aisleheading"));
    m_heading->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("aislelist"));
    m_list->setAccessibleName(tr("Categories"));
    m_list->setAccessibleDescription(tr("Ctrl+Up and Ctrl+Down move the selected category"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);
    m_heading->setBuddy(m_list);
    m_upButton = new HoverButton(QStringLiteral("moveupcmd"), tr("Move &up"), this);
    m_downButton = new HoverButton(QStringLiteral("movedowncmd"), tr("Move &down"), this);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    for (QAbstractButton* button : m_buttons->buttons())
        button->setAccessibleName(QString(button->text()).remove(QLatin1Char('&')));
    m_buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okcmd"));
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelcmd"));
    buildLayout();
    fillCategories();

    connect(m_upButton, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(m_downButton, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(m_list, &QListWidget::currentRowChanged, this, &AisleOrderDialog::followSelection);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &AisleOrderDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &AisleOrderDialog::reject);
    followSelection();
}

AisleOrderDialog* AisleOrderDialog::openOver(Session& session, Dialogs& dialogs, QWidget* parent) {
    auto* dialog = new AisleOrderDialog(session, dialogs, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

void AisleOrderDialog::buildLayout() {
    auto* moves = new QVBoxLayout;
    moves->addWidget(m_upButton);
    moves->addWidget(m_downButton);
    moves->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_list, 1);
    middle->addLayout(moves);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addLayout(middle, 1);
    layout->addWidget(m_buttons);
    resize(380, 360);
}

// The saved order's categories that are still there first, then the others as the printout would
// put them without an order.
void AisleOrderDialog::fillCategories() {
    m_session.catalog().refresh(m_session.files(), m_session.productListPath());
    const QList<QByteArray> shown = AisleSort(m_session.aisles().order()).sorted(m_session.catalog().categories());
    for (const QByteArray& category : shown) {
        auto* item = new QListWidgetItem(fromAnsi(category), m_list);
        item->setData(CategoryRole, category);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    m_list->setFocus();
}

QList<QByteArray> AisleOrderDialog::categories() const {
    QList<QByteArray> order;
    for (int row = 0; row < m_list->count(); ++row)
        order.append(m_list->item(row)->data(CategoryRole).toByteArray());
    return order;
}

void AisleOrderDialog::moveSelected(int step) {
    moveTo(m_list->currentRow() + step);
}

void AisleOrderDialog::moveTo(int row) {
    const int from = m_list->currentRow();
    if (from < 0 || row < 0 || row >= m_list->count() || row == from)
        return;
    QListWidgetItem* item = m_list->takeItem(from);
    m_list->insertItem(row, item);
    m_list->setCurrentItem(item);
    m_list->scrollToItem(item);
    followSelection();
}

// The row a dragged category goes to with the pointer here: the row under it; above or below the
// rows shown, one further that way, so that a long list scrolls along.
int AisleOrderDialog::rowUnder(QPoint position) const {
    const int row = m_list->indexAt(position).row();
    if (row >= 0)
        return row;
    const int current = m_list->currentRow();
    if (position.y() < 0)
        return current - 1;
    if (position.y() >= m_list->viewport()->height())
        return current + 1;
    return m_list->count() - 1;
}

// A category pressed on follows the pointer up and down the list until it is let go.
bool AisleOrderDialog::dragEvent(QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint position = mouse->position().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_dragging = mouse->button() == Qt::LeftButton && m_list->indexAt(position).isValid();
        return false;
    case QEvent::MouseMove:
        if (!m_dragging || !(mouse->buttons() & Qt::LeftButton))
            return false;
        m_list->viewport()->setCursor(Qt::ClosedHandCursor);
        moveTo(rowUnder(position));
        return true;
    case QEvent::MouseButtonRelease:
        if (m_dragging)
            m_list->viewport()->unsetCursor();
        m_dragging = false;
        return false;
    default:
        return false;
    }
}

// A button that could not move anything is off; the keyboard user stays on the list.
void AisleOrderDialog::followSelection() {
    const int row = m_list->currentRow();
    m_upButton->setEnabled(row > 0);
    m_downButton->setEnabled(row >= 0 && row < m_list->count() - 1);
}

bool AisleOrderDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list->viewport() && dynamic_cast<QMouseEvent*>(event))
        return dragEvent(event);
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::ControlModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            moveSelected(key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AisleOrderDialog::accept() {
    if (const std::optional<Notice> failure = m_session.aisles().setOrder(categories())) {
        report(m_dialogs, *failure);
        return;
    }
    QDialog::accept();
}

} // namespace pantrex
