#include "imagelist.h"

#include "notiva/constants.h"

#include <QMetaEnum>
#include <QPainter>
#include <QSvgRenderer>

namespace Notiva::ImageList1 {

using namespace Qt::StringLiterals;

QString ResourcePath(int icon) {
    if (icon < 1 || icon > PictureCount)
        return {};
    // "icnQuestion1" -> "question1"
    const QString key = QString::fromLatin1(QMetaEnum::fromType<IconConstants>().valueToKey(icon));
    return u":/notiva/pictures/"_s + key.mid(3).toLower() + u".svg"_s;
}

QPixmap Picture(int icon, qreal devicePixelRatio) {
    const QString path = ResourcePath(icon);
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

} // namespace Notiva::ImageList1
