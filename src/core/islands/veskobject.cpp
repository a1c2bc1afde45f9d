#include "core/islands/veskobject.h"

#include <cmath>

VeskObject::VeskObject(QByteArray kind, const uchar *payload, qsizetype length)
    : payload_(payload, payload + length), kind_(std::move(kind))
{
}

bool VeskObject::hitTest(int x, int y) const
{
    const auto bounds = GetBounds();
    return bounds && bounds->contains(x, y);
}

QPoint VeskObject::center() const
{
    const TileRect r = GetBounds().value_or(TileRect{});
    // In 64 bits: the sum of two edges may leave the range of int.
    return QPoint(int((qint64(r.left) + r.right) / 2), int((qint64(r.top) + r.bottom) / 2));
}

double VeskObject::distance(int x, int y) const
{
    const QPoint c = center();
    return std::hypot(double(x) - c.x(), double(y) - c.y());
}
