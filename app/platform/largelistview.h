// SPDX-License-Identifier: MIT
#pragma once

#include <QListView>

namespace pantrex {

// A list view of rows of one height for lists of up to millions of rows. A plain list view works
// out and keeps the place of every row each time its model is reset, which at a million rows
// takes longer than a keystroke may; here a row's place follows from its number, so a reset costs
// nothing beyond the rows on screen. Everything else (the model, the selection, the keys, what a
// screen reader is told) is the list view's own.
class LargeListView : public QListView {
    Q_OBJECT

public:
    explicit LargeListView(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;

protected:
    void updateGeometries() override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int rowCount() const;
    // The row at a height in the viewport, clamped to the rows there are (-1 for none).
    int rowAtHeight(int y) const;
    // Rows that fit in the viewport at once.
    int pageRows() const;
    QModelIndex rowIndex(int row) const;

    int m_rowHeight = 1;
    int m_rowWidth = 0;
};

} // namespace pantrex
