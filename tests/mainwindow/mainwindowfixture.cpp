// SPDX-License-Identifier: MIT
#include "mainwindowfixture.h"

namespace pantrex::testing {

void pointerMovesTo(QWidget* window, QPoint position) {
    QTest::mouseMove(window->windowHandle(), position);
}

void pointerEnters(QWidget* widget) {
    QWidget* window = widget->window();
    pointerMovesTo(window, widget->mapTo(window, widget->rect().center()));
}

void doubleClick(QAbstractItemView* view, int row) {
    const QPoint centre = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace pantrex::testing
