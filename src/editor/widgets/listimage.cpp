#include "editor/widgets/listimage.h"

#include "core/goods/goodstable.h"
#include "editor/widgets/svgpixmap.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>

namespace {

constexpr int WappenCount = 6;
constexpr int TraderColour = 6;

bool inList(ListImage::List list, int index)
{
    if (list == ListImage::List::Waren)
        return index >= GoodsTable::First && index <= GoodsTable::Last;
    return index >= 0 && index < WappenCount;
}

QString fileOf(ListImage::List list, int index)
{
    return QStringLiteral(":/%1/%2.svg")
        .arg(list == ListImage::List::Waren ? QStringLiteral("goods") : QStringLiteral("arms"))
        .arg(index);
}

} // namespace

ListImage::ListImage(List list, QWidget *parent) : QWidget(parent), list_(list)
{
    // Our pictures live in the static widget library; this keeps the linker
    // from dropping them.
    Q_INIT_RESOURCE(marbolt);
    setFixedSize(pictureSize(list));
}

QSize ListImage::pictureSize(List list)
{
    return list == List::Waren ? QSize(48, 46) : QSize(27, 33);
}

// Rendered once per picture and pixel ratio; the pickers and dialogs show
// the same few pictures over and over.
QPixmap ListImage::picture(List list, int index, qreal pixelRatio)
{
    if (!inList(list, index))
        return {};
    const QString file = fileOf(list, index);
    const QString key = file + QLatin1Char('@') + QString::number(pixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = svgPixmap(file, pictureSize(list), pixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

int ListImage::wappenOfColour(int colour)
{
    if (colour == TraderColour)
        return WappenCount - 1;
    return colour >= 0 && colour < WappenCount ? colour : -1;
}

void ListImage::setIndex(int index)
{
    if (index == index_)
        return;
    index_ = index;
    update();
}

void ListImage::setClickable(bool clickable)
{
    clickable_ = clickable;
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setAttribute(Qt::WA_Hover, clickable);
    update();
}

void ListImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (clickable_ && isEnabled() && underMouse()) {
        QColor glow = palette().color(QPalette::Highlight);
        painter.setPen(glow);
        glow.setAlpha(pressed_ ? 90 : 45);
        painter.setBrush(glow);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    const QPixmap pixmap = picture(list_, index_, devicePixelRatioF());
    if (!pixmap.isNull()) {
        if (!isEnabled())
            painter.setOpacity(0.45);
        painter.drawPixmap(0, 0, pixmap);
    }
}

void ListImage::mousePressEvent(QMouseEvent *event)
{
    if (clickable_ && event->button() == Qt::LeftButton) {
        pressed_ = true;
        update();
    }
    QWidget::mousePressEvent(event);
}

// A click is a press and a release inside the picture, as with a button.
void ListImage::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = clickable_ && pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    update();
    if (click)
        emit clicked();
    else
        QWidget::mouseReleaseEvent(event);
}

void ListImage::enterEvent(QEnterEvent *event)
{
    update();
    QWidget::enterEvent(event);
}

void ListImage::leaveEvent(QEvent *event)
{
    update();
    QWidget::leaveEvent(event);
}
