// SPDX-License-Identifier: MIT
#include "mainwindowfixture.h"

namespace pantrex::testing {

namespace {

QByteArray padded(QByteArray value, int width) {
    return value.leftJustified(width, ' ', true);
}

} // namespace

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

QByteArray productBytes(const QByteArray& name, const QByteArray& price, const QByteArray& category) {
    return recordBytes(
        146, {{0, padded(name, 40)}, {40, padded(price, 6)}, {46, " "}, {47, " "}, {121, padded(category, 25)}});
}

QByteArray shoppingBytes(const QByteArray& item, const QByteArray& cost, const QByteArray& quantity,
                         const QByteArray& category) {
    return recordBytes(
        149, {{0, padded(item, 40)}, {40, padded(cost, 6)}, {46, padded(quantity, 3)}, {49, padded(category, 25)}});
}

} // namespace pantrex::testing
