#include "editor/widgets/updown.h"

#include "core/common/numbers.h"
#include "editor/widgets/numerickeyfilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

UpDown::UpDown(QLineEdit *edit, int min, int max, QWidget *parent)
    : QWidget(parent), edit_(edit), min_(min), max_(max)
{
    auto *buttons = new QVBoxLayout(this);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    const int half = edit->sizeHint().height() / 2;
    for (int step : {1, -1}) {
        auto *button = new QToolButton(this);
        button->setArrowType(step > 0 ? Qt::UpArrow : Qt::DownArrow);
        button->setFixedSize(16, half);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::pressed, edit_,
                [this] { edit_->setFocus(Qt::MouseFocusReason); });
        connect(button, &QToolButton::clicked, this, [this, step] { stepBy(step); });
        button->installEventFilter(this);
        buttons->addWidget(button);
    }
    edit_->installEventFilter(this);
    // The wheel steps the number where it points, like a spin box's.
    edit_->setFocusPolicy(Qt::WheelFocus);
}

void UpDown::stepBy(int step)
{
    if (!edit_)
        return;
    // The arrows never leave the numeric edit's own range, even where the
    // caller gave a wider one.
    qint64 low = min_;
    qint64 high = max_;
    if (const NumericValidator *validator = NumericKeyFilter::of(edit_)) {
        low = std::max(low, validator->minimum());
        high = std::max(low, std::min(high, validator->maximum()));
    }
    // Only a step pulls a value from beyond the range back into it; showing
    // and storing the edit leave such a value alone.
    const qint64 now = std::clamp<qint64>(ParseWholeNumber(edit_->text()).value_or(low), low, high);
    edit_->setText(QString::number(std::clamp<qint64>(now + step, low, high)));
    // A step is the user's change, like typing.
    edit_->setModified(true);
}

bool UpDown::wheel(QWheelEvent *event)
{
    wheelRest_ += event->angleDelta().y();
    const int notches = wheelRest_ / QWheelEvent::DefaultDeltasPerStep;
    if (notches == 0)
        return false;
    wheelRest_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    stepBy(notches);
    return true;
}

void UpDown::wheelEvent(QWheelEvent *event)
{
    if (!edit_ || !edit_->isEnabled() || edit_->isReadOnly())
        return QWidget::wheelEvent(event);
    wheel(event);
    event->accept();
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    // Only wheel turns and key presses are ours. The edit is asked nothing
    // before: the filter also sees the events a widget gets while it is
    // being destroyed, when the edit may be a QLineEdit no more.
    const QEvent::Type type = event->type();
    if (type != QEvent::Wheel && (type != QEvent::KeyPress || watched != edit_))
        return false;
    if (!edit_ || !edit_->isEnabled() || edit_->isReadOnly())
        return false;
    if (type == QEvent::Wheel) {
        wheel(static_cast<QWheelEvent *>(event));
        event->accept();
        return true;
    }
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Up:
        stepBy(1);
        return true;
    case Qt::Key_Down:
        stepBy(-1);
        return true;
    case Qt::Key_PageUp:
        stepBy(PageStep);
        return true;
    case Qt::Key_PageDown:
        stepBy(-PageStep);
        return true;
    default:
        return false;
    }
}
