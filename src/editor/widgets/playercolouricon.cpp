#include "editor/widgets/playercolouricon.h"

#include "core/players/playerrecord.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

// The shield's outline on a 16-unit grid; drawn scaled, so every size shows
// the same shape.
QPainterPath shieldPath()
{
    QPainterPath path;
    path.moveTo(2.5, 1.5);
    path.lineTo(13.5, 1.5);
    path.lineTo(13.5, 7.5);
    path.cubicTo(13.5, 11.0, 10.5, 13.5, 8.0, 14.8);
    path.cubicTo(5.5, 13.5, 2.5, 11.0, 2.5, 7.5);
    path.closeSubpath();
    return path;
}

// A shield of `size` pixels whose inside `paint` fills.
QPixmap shield(int size, const std::function<void(QPainter &, const QPainterPath &)> &paint)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    const QPainterPath path = shieldPath();
    paint(painter, path);
    painter.setPen(QPen(QColor(40, 40, 40), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    // A light rim inside the outline keeps black and dark shields readable.
    painter.setPen(QPen(QColor(255, 255, 255, 90), 0.8));
    painter.drawLine(QPointF(3.6, 2.8), QPointF(12.4, 2.8));
    return pixmap;
}

QIcon shieldIcon(const std::function<void(QPainter &, const QPainterPath &)> &paint)
{
    QIcon icon;
    icon.addPixmap(shield(16, paint));
    icon.addPixmap(shield(32, paint));
    return icon;
}

} // namespace

QIcon playerColourIcon(int code)
{
    const QColor colour = PlayerColour::mapColour(code);
    return shieldIcon([&](QPainter &p, const QPainterPath &path) { p.fillPath(path, colour); });
}

QIcon anyPlayerIcon()
{
    return shieldIcon([](QPainter &p, const QPainterPath &path) {
        p.setClipPath(path);
        for (int colour = 0; colour < 4; ++colour)
            p.fillRect(QRectF(colour % 2 == 0 ? 2.0 : 8.0, colour < 2 ? 1.0 : 7.5, 6.0, 7.5),
                       PlayerColour::mapColour(colour));
        p.setClipping(false);
    });
}
