// SPDX-License-Identifier: MIT
#include "pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace pantrex {

namespace {

using Drawing = std::function<void(QPainter&, qreal)>;

// Draws the picture afresh at every size, so it stays sharp on high-resolution screens.
class DrawnIcon : public QIconEngine {
public:
    explicit DrawnIcon(Drawing draw) : m_draw(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        m_draw(*painter, qMin(rect.width(), rect.height()));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap result(size);
        result.fill(Qt::transparent);
        QPainter painter(&result);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return result;
    }

    QIconEngine* clone() const override { return new DrawnIcon(m_draw); }

private:
    Drawing m_draw;
};

const QColor Ink(60, 60, 60);

void drawPrinter(QPainter& p, qreal s) {
    p.setPen(QPen(Ink, s / 16));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(s * 0.28, s * 0.1, s * 0.44, s * 0.3)); // paper going in
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(s * 0.1, s * 0.38, s * 0.8, s * 0.34), s * 0.06, s * 0.06);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(s * 0.26, s * 0.6, s * 0.48, s * 0.3)); // printed page
    p.drawLine(QPointF(s * 0.34, s * 0.7), QPointF(s * 0.66, s * 0.7));
    p.drawLine(QPointF(s * 0.34, s * 0.8), QPointF(s * 0.6, s * 0.8));
}

void drawEraser(QPainter& p, qreal s) {
    p.setPen(QPen(Ink, s / 16));
    p.setBrush(QColor(200, 200, 205));
    QPainterPath can;
    can.moveTo(s * 0.24, s * 0.3);
    can.lineTo(s * 0.76, s * 0.3);
    can.lineTo(s * 0.7, s * 0.92);
    can.lineTo(s * 0.3, s * 0.92);
    can.closeSubpath();
    p.drawPath(can);
    p.drawRect(QRectF(s * 0.16, s * 0.18, s * 0.68, s * 0.1)); // lid
    p.drawRect(QRectF(s * 0.42, s * 0.08, s * 0.16, s * 0.1)); // handle
    for (qreal x : {0.4, 0.5, 0.6})
        p.drawLine(QPointF(s * x, s * 0.4), QPointF(s * x, s * 0.82));
}

void drawBasket(QPainter& p, qreal s) {
    const QColor wicker(90, 60, 30);
    p.setPen(QPen(wicker, s / 16, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(s * 0.25, s * 0.08, s * 0.5, s * 0.6), 0, 180 * 16);
    QPainterPath basket;
    basket.moveTo(s * 0.08, s * 0.4);
    basket.lineTo(s * 0.92, s * 0.4);
    basket.lineTo(s * 0.8, s * 0.9);
    basket.lineTo(s * 0.2, s * 0.9);
    basket.closeSubpath();
    p.setBrush(QColor(200, 150, 80));
    p.drawPath(basket);
    p.setPen(QPen(wicker, s / 24));
    for (qreal x : {0.35, 0.5, 0.65})
        p.drawLine(QPointF(s * x, s * 0.45), QPointF(s * x, s * 0.85));
}

} // namespace

QIcon printerPicture() {
    return QIcon(new DrawnIcon(drawPrinter));
}

QIcon erasePicture() {
    return QIcon(new DrawnIcon(drawEraser));
}

QIcon basketPicture() {
    return QIcon(new DrawnIcon(drawBasket));
}

} // namespace pantrex
