#include "editor/widgets/svgpixmap.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

QPixmap svgPixmap(const QString &path, QSize size, qreal pixelRatio)
{
    const qreal ratio = pixelRatio > 0 ? pixelRatio : qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return pixmap;
}
