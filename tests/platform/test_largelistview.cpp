// SPDX-License-Identifier: MIT
// The list view for long lists: where rows are, where scrolling, the keys and the pointer lead,
// straight after the model was reset.
#include "platform/largelistview.h"

#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QStringListModel>
#include <QTest>

using namespace pantrex;

namespace {

constexpr int Rows = 100000;

QStringList numbered(int count) {
    QStringList rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i)
        rows << QString::number(i);
    return rows;
}

} // namespace

class LargeListViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void rowsHaveTheirPlaceAtOnce();
    void keys_data();
    void keys();
    void pointerSelects();

private:
    bool shown(int row) const { return m_view->viewport()->rect().contains(m_view->visualRect(m_rows->index(row))); }

    LargeListView* m_view = nullptr;
    QStringListModel* m_rows = nullptr;
};

void LargeListViewTest::init() {
    m_view = new LargeListView;
    m_rows = new QStringListModel(m_view);
    m_view->setModel(m_rows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->resize(200, 300);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
    m_rows->setStringList(numbered(Rows));
}

void LargeListViewTest::cleanup() {
    delete m_view;
}

void LargeListViewTest::rowsHaveTheirPlaceAtOnce() {
    QCOMPARE(m_view->indexAt(QPoint(5, 5)).row(), 0);
    // A screen reader meets the list view's own list, with a child a row.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(m_view);
    QCOMPARE(list->role(), QAccessible::List);
    QCOMPARE(list->childCount(), Rows);
    const QModelIndex far = m_rows->index(Rows - 10);
    m_view->scrollTo(far, QAbstractItemView::PositionAtCenter);
    QVERIFY(shown(Rows - 10));
    QCOMPARE(m_view->indexAt(m_view->visualRect(far).center()), far);
    m_view->scrollToBottom();
    QVERIFY(shown(Rows - 1));
    QVERIFY(!m_view->indexAt(m_view->visualRect(m_rows->index(Rows - 1)).bottomLeft() + QPoint(0, 2)).isValid());
}

void LargeListViewTest::keys_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("End") << 0 << int(Qt::Key_End) << Rows - 1;
    QTest::newRow("Home") << 500 << int(Qt::Key_Home) << 0;
    QTest::newRow("down") << 99 << int(Qt::Key_Down) << 100;
    QTest::newRow("up from the first") << 0 << int(Qt::Key_Up) << 0;
    QTest::newRow("down from the last") << Rows - 1 << int(Qt::Key_Down) << Rows - 1;
    QTest::newRow("page down near the end") << Rows - 3 << int(Qt::Key_PageDown) << Rows - 1;
}

void LargeListViewTest::keys() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    m_view->setFocus();
    m_view->selectionModel()->setCurrentIndex(m_rows->index(from), QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(m_view, Qt::Key(key));
    QCOMPARE(m_view->currentIndex().row(), to);
    QVERIFY(shown(to));
    QCOMPARE(m_view->selectionModel()->selectedRows().size(), 1);
}

// A click selects its row; a shift-click everything from the current row to its own.
void LargeListViewTest::pointerSelects() {
    m_view->scrollTo(m_rows->index(5000), QAbstractItemView::PositionAtTop);
    const QPoint first = m_view->visualRect(m_rows->index(5002)).center();
    const QPoint last = m_view->visualRect(m_rows->index(5006)).center();
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, first);
    QCOMPARE(m_view->currentIndex().row(), 5002);
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::ShiftModifier, last);
    QList<int> rows;
    for (const QModelIndex& index : m_view->selectionModel()->selectedIndexes())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QCOMPARE(rows, QList<int>({5002, 5003, 5004, 5005, 5006}));
}

QTEST_MAIN(LargeListViewTest)
#include "test_largelistview.moc"
