#include "editor/widgets/drawnicons.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <functional>

namespace {

// A 32-pixel picture with the glyphs' dark outline.
QIcon drawnGlyph(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(50, 50, 50), 1.5));
    draw(painter);
    return QIcon(pixmap);
}

// A 16-pixel picture for a tree node.
QIcon drawnSmall(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return QIcon(pixmap);
}

} // namespace

// Three houses with red roofs.
QIcon DrawnIcons::cities()
{
    return drawnGlyph([](QPainter &p) {
        for (const QPointF at : {QPointF(2, 14), QPointF(11, 8), QPointF(20, 15)}) {
            p.setBrush(QColor(235, 225, 200));
            p.drawRect(QRectF(at.x(), at.y() + 6, 10, 9));
            const QPolygonF roof{QPointF(at.x() - 1, at.y() + 6), QPointF(at.x() + 5, at.y()),
                                 QPointF(at.x() + 11, at.y() + 6)};
            p.setBrush(QColor(200, 60, 50));
            p.drawPolygon(roof);
        }
    });
}

// A sailing ship on a wave.
QIcon DrawnIcons::ships()
{
    return drawnGlyph([](QPainter &p) {
        const QPolygonF hull{QPointF(3, 20), QPointF(29, 20), QPointF(25, 26), QPointF(7, 26)};
        p.setBrush(QColor(140, 90, 50));
        p.drawPolygon(hull);
        p.drawLine(QPointF(16, 4), QPointF(16, 20));
        const QPolygonF sail{QPointF(17, 5), QPointF(26, 17), QPointF(17, 17)};
        p.setBrush(QColor(250, 250, 240));
        p.drawPolygon(sail);
        p.setPen(QPen(QColor(40, 90, 200), 2));
        p.drawLine(QPointF(2, 29), QPointF(30, 29));
    });
}

// A magnifying glass with a plus or a minus in it.
QIcon DrawnIcons::magnifier(bool plus)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(50, 50, 50);
    p.setPen(QPen(ink, 2.5));
    p.setBrush(QColor(225, 235, 250));
    p.drawEllipse(QPointF(13, 13), 9, 9);
    p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(28, 28));
    p.setPen(QPen(ink, 2.5));
    p.drawLine(QPointF(8.5, 13), QPointF(17.5, 13));
    if (plus)
        p.drawLine(QPointF(13, 8.5), QPointF(13, 17.5));
    return QIcon(pixmap);
}

// Our own severity pictures: a red disc with a cross, an amber triangle with
// an exclamation mark, a blue disc with an "i".
QIcon DrawnIcons::severity(Finding::Severity severity)
{
    QIcon icon;
    for (const int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF box(0.5, 0.5, size - 1.0, size - 1.0);
        const qreal s = size / 16.0;
        QPen mark(Qt::white, 2.0 * s, Qt::SolidLine, Qt::RoundCap);
        switch (severity) {
        case Finding::Severity::Error:
            p.setPen(QPen(QColor(140, 20, 20), s * 0.75));
            p.setBrush(QColor(210, 40, 40));
            p.drawEllipse(box);
            p.setPen(mark);
            p.drawLine(QPointF(5 * s, 5 * s), QPointF(11 * s, 11 * s));
            p.drawLine(QPointF(11 * s, 5 * s), QPointF(5 * s, 11 * s));
            break;
        case Finding::Severity::Warning: {
            const QPolygonF triangle{QPointF(8 * s, 1 * s), QPointF(15.2 * s, 14.5 * s),
                                     QPointF(0.8 * s, 14.5 * s)};
            p.setPen(
                QPen(QColor(150, 100, 0), s * 0.75, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(QColor(245, 180, 30));
            p.drawPolygon(triangle);
            mark.setColor(QColor(60, 40, 0));
            mark.setWidthF(1.8 * s);
            p.setPen(mark);
            p.drawLine(QPointF(8 * s, 5.5 * s), QPointF(8 * s, 9.5 * s));
            p.drawPoint(QPointF(8 * s, 12.2 * s));
            break;
        }
        case Finding::Severity::Information:
            p.setPen(QPen(QColor(20, 60, 140), s * 0.75));
            p.setBrush(QColor(50, 110, 210));
            p.drawEllipse(box);
            p.setPen(mark);
            p.drawPoint(QPointF(8 * s, 4.6 * s));
            p.drawLine(QPointF(8 * s, 7.5 * s), QPointF(8 * s, 11.5 * s));
            break;
        }
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// A pennant in a player colour.
QIcon DrawnIcons::pennant(const QColor &colour)
{
    return drawnSmall([&](QPainter &p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.drawLine(QPointF(3.5, 1.5), QPointF(3.5, 15));
        const QPolygonF flag{QPointF(4, 2), QPointF(14.5, 5.5), QPointF(4, 9.5)};
        p.setBrush(colour);
        p.drawPolygon(flag);
    });
}

QIcon DrawnIcons::island()
{
    return drawnSmall([](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 170, 230));
        p.drawEllipse(QRectF(0.5, 7, 15, 8));
        p.setPen(QPen(QColor(90, 70, 40), 1));
        p.setBrush(QColor(225, 195, 120));
        p.drawEllipse(QRectF(3, 8, 10, 5));
        p.setBrush(QColor(60, 150, 60));
        p.drawEllipse(QRectF(5, 3, 6, 6));
    });
}

QIcon DrawnIcons::folder()
{
    return drawnSmall([](QPainter &p) {
        p.setPen(QPen(QColor(120, 90, 30), 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        p.drawRect(QRectF(1.5, 2.5, 5, 2));
    });
}
