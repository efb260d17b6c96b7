// SPDX-License-Identifier: MIT
#include "largelistview.h"

#include <QCursor>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>

namespace pantrex {

LargeListView::LargeListView(QWidget* parent) : QListView(parent) {
    setUniformItemSizes(true);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollMode(ScrollPerPixel);
}

// A reset lays the rows out at the next turn of the event loop; whatever asks where rows are
// before then has it done at once, as the list view does.
int LargeListView::rowCount() const {
    const_cast<LargeListView*>(this)->executeDelayedItemsLayout();
    return model() ? model()->rowCount(rootIndex()) : 0;
}

QModelIndex LargeListView::rowIndex(int row) const {
    return model()->index(row, modelColumn(), rootIndex());
}

int LargeListView::rowAtHeight(int y) const {
    const int count = rowCount();
    if (count == 0)
        return -1;
    const qint64 row = (qint64(y) + verticalOffset()) / m_rowHeight;
    return int(std::clamp<qint64>(row, 0, count - 1));
}

int LargeListView::pageRows() const {
    return std::max(1, viewport()->height() / m_rowHeight);
}

// Every row is as high as the first, and the rows as wide as the first row or the viewport.
void LargeListView::doItemsLayout() {
    if (rowCount() > 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QSize size = itemDelegate()->sizeHint(option, rowIndex(0));
        m_rowHeight = std::max(1, size.height());
        m_rowWidth = size.width();
    }
    // The list view's own would place every row again.
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    QAbstractItemView::doItemsLayout();
}

void LargeListView::updateGeometries() {
    const qint64 height = qint64(rowCount()) * m_rowHeight;
    QScrollBar* vertical = verticalScrollBar();
    vertical->setSingleStep(m_rowHeight);
    vertical->setPageStep(viewport()->height());
    vertical->setRange(0, int(std::clamp<qint64>(height - viewport()->height(), 0, INT_MAX)));
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setSingleStep(m_rowHeight);
    horizontal->setPageStep(viewport()->width());
    horizontal->setRange(0, std::max(0, m_rowWidth - viewport()->width()));
    // The list view's own would place every row again.
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    QAbstractItemView::updateGeometries();
}

int LargeListView::horizontalOffset() const {
    return horizontalScrollBar()->value();
}

int LargeListView::verticalOffset() const {
    return verticalScrollBar()->value();
}

QRect LargeListView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex() ||
        index.column() != modelColumn() || index.row() >= rowCount())
        return {};
    const qint64 top = qint64(index.row()) * m_rowHeight - verticalOffset();
    if (top < INT_MIN / 2 || top > INT_MAX / 2)
        return {};
    return {-horizontalOffset(), int(top), std::max(m_rowWidth, viewport()->width()), m_rowHeight};
}

QModelIndex LargeListView::indexAt(const QPoint& point) const {
    const int count = rowCount();
    const qint64 row = (qint64(point.y()) + verticalOffset()) / m_rowHeight;
    if (point.y() < 0 || row >= count || point.x() < 0 ||
        point.x() >= std::max(m_rowWidth, viewport()->width()) - horizontalOffset())
        return {};
    return rowIndex(int(row));
}

void LargeListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return;
    QScrollBar* vertical = verticalScrollBar();
    const int top = rect.top() + vertical->value();
    const int shown = viewport()->height();
    switch (hint) {
    case PositionAtTop:
        vertical->setValue(top);
        break;
    case PositionAtBottom:
        vertical->setValue(top + m_rowHeight - shown);
        break;
    case PositionAtCenter:
        vertical->setValue(top - (shown - m_rowHeight) / 2);
        break;
    case EnsureVisible:
        if (rect.top() < 0)
            vertical->setValue(top);
        else if (rect.bottom() >= shown)
            vertical->setValue(top + m_rowHeight - shown);
        break;
    }
}

QModelIndex LargeListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
    const int count = rowCount();
    if (count == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return rowIndex(0);
    const int row = current.row();
    int to = row;
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        to = row - 1;
        break;
    case MoveDown:
    case MoveNext:
        to = row + 1;
        break;
    case MovePageUp:
        to = row - std::max(1, pageRows() - 1);
        break;
    case MovePageDown:
        to = row + std::max(1, pageRows() - 1);
        break;
    case MoveHome:
        to = 0;
        break;
    case MoveEnd:
        to = count - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return rowIndex(std::clamp(to, 0, count - 1));
}

void LargeListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    if (!selectionModel() || rowCount() == 0)
        return;
    const QRect area = rect.normalized();
    if (area.bottom() < 0 || area.top() >= qint64(rowCount()) * m_rowHeight - verticalOffset())
        return;
    const int first = rowAtHeight(area.top());
    const int last = rowAtHeight(area.bottom());
    selectionModel()->select(QItemSelection(rowIndex(first), rowIndex(last)), command);
}

void LargeListView::paintEvent(QPaintEvent* event) {
    const int count = rowCount();
    if (count == 0 || !itemDelegate())
        return;
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State state = option.state;
    const bool enabled = (state & QStyle::State_Enabled) != 0;
    const QModelIndex current = currentIndex();
    const bool focused = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QModelIndex hovered =
        viewport()->underMouse() ? indexAt(viewport()->mapFromGlobal(QCursor::pos())) : QModelIndex();
    const int first = rowAtHeight(event->rect().top());
    const int last = rowAtHeight(event->rect().bottom());
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = rowIndex(row);
        option.rect = visualRect(index);
        option.state = state;
        if (selectionModel() && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled && !(model()->flags(index) & Qt::ItemIsEnabled))
            option.state &= ~QStyle::State_Enabled;
        option.palette.setCurrentColorGroup((option.state & QStyle::State_Enabled) ? QPalette::Normal
                                                                                   : QPalette::Disabled);
        if (focused && index == current)
            option.state |= QStyle::State_HasFocus;
        if (index == hovered)
            option.state |= QStyle::State_MouseOver;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

void LargeListView::resizeEvent(QResizeEvent* event) {
    // The list view's own would place every row again.
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    QAbstractItemView::resizeEvent(event);
    updateGeometries();
}

void LargeListView::scrollContentsBy(int, int) {
    viewport()->update();
}

} // namespace pantrex
