#include "editor/widgets/leveltrackbar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

LevelTrackBar::LevelTrackBar(QWidget *parent) : QSlider(Qt::Horizontal, parent)
{
    setRange(100, 500);
    setSingleStep(10);
    setPageStep(100);
    setTickInterval(100);
    setTickPosition(QSlider::TicksBelow);
    selStart_ = selEnd_ = minimum();
}

void LevelTrackBar::setSelection(int start, int end)
{
    if (start == selStart_ && end == selEnd_)
        return;
    selStart_ = start;
    selEnd_ = end;
    update();
}

int LevelTrackBar::xOfValue(int value) const
{
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    opt.sliderPosition = qBound(minimum(), value, maximum());
    return style()
        ->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this)
        .center()
        .x();
}

void LevelTrackBar::paintEvent(QPaintEvent *)
{
    // The groove and the ticks are drawn here rather than by the style: some
    // styles fill the groove up to the handle, which would contradict a band
    // that runs from the handle to the end.
    QPainter painter(this);
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
    const int left = xOfValue(minimum());
    const int right = xOfValue(maximum());
    const int middle = handle.center().y();
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;

    const QRect groove(left - 2, middle - 3, right - left + 5, 6);
    painter.setPen(palette().color(group, QPalette::Mid));
    painter.setBrush(palette().color(group, QPalette::Base));
    painter.drawRect(groove.adjusted(0, 0, -1, -1));

    const int from = xOfValue(qMin(selStart_, selEnd_));
    const int to = xOfValue(qMax(selStart_, selEnd_));
    const QColor band = isEnabled() ? palette().color(QPalette::Active, QPalette::Highlight)
                                    : palette().color(QPalette::Disabled, QPalette::Mid);
    painter.setPen(band.darker(130));
    if (to > from) {
        painter.fillRect(QRect(QPoint(from, groove.top() + 1), QPoint(to, groove.bottom() - 1)),
                         band);
        // The band's ends are marked above the groove, as on the classic
        // Windows track bar.
        painter.drawLine(from, groove.top() - 4, from, groove.top() - 1);
        painter.drawLine(to, groove.top() - 4, to, groove.top() - 1);
    }

    painter.setPen(palette().color(group, QPalette::WindowText));
    const int tickTop = handle.bottom() + 2;
    const int interval = tickInterval() > 0 ? tickInterval() : pageStep();
    for (int v = minimum(); v <= maximum() && interval > 0; v += interval) {
        const int x = xOfValue(v);
        painter.drawLine(x, tickTop, x, tickTop + 3);
    }

    opt.subControls = QStyle::SC_SliderHandle;
    style()->drawComplexControl(QStyle::CC_Slider, &opt, &painter, this);
}
