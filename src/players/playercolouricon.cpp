#include "players/playercolouricon.h"

#include "players/playerrecord.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap shield(const QColor &fill, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 16-unit grid and scaled, so every size shows the same shape.
    painter.scale(size / 16.0, size / 16.0);
    QPainterPath path;
    path.moveTo(2.5, 1.5);
    path.lineTo(13.5, 1.5);
    path.lineTo(13.5, 7.5);
    path.cubicTo(13.5, 11.0, 10.5, 13.5, 8.0, 14.8);
    path.cubicTo(5.5, 13.5, 2.5, 11.0, 2.5, 7.5);
    path.closeSubpath();
    painter.setPen(QPen(QColor(40, 40, 40), 1.0));
    painter.setBrush(fill);
    painter.drawPath(path);
    // A light rim inside the outline keeps black and dark shields readable.
    painter.setPen(QPen(QColor(255, 255, 255, 90), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(3.6, 2.8), QPointF(12.4, 2.8));
    return pixmap;
}

} // namespace

QIcon PlayerColourIcon(int code)
{
    const QColor colour = PlayerColour::MapColour(code);
    QIcon icon;
    icon.addPixmap(shield(colour, 16));
    icon.addPixmap(shield(colour, 32));
    return icon;
}
