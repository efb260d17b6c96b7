// SPDX-License-Identifier: MIT
#include "pictures.h"

#include "notiva/constants.h"

#include <QMetaEnum>
#include <QPainter>
#include <QSvgRenderer>

namespace Notiva::Pictures {

using namespace Qt::StringLiterals;

namespace {

// "icnQuestion1" -> "Question1"
QString nameOf(int icon) {
    if (icon < 1 || icon > PictureCount)
        return {};
    return QString::fromLatin1(QMetaEnum::fromType<IconConstants>().valueToKey(icon)).mid(3);
}

} // namespace

QString resourcePath(int icon) {
    const QString name = nameOf(icon);
    return name.isEmpty() ? QString() : u":/notiva/pictures/"_s + name.toLower() + u".svg"_s;
}

QString description(int icon) {
    QString name = nameOf(icon);
    name.chop(1); // the variant's digit
    return name;
}

QPixmap pixmap(int icon, qreal devicePixelRatio) {
    const QString path = resourcePath(icon);
    if (path.isEmpty())
        return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    const int side = qCeil(PictureSize * devicePixelRatio);
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace Notiva::Pictures
