#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;

// The small up and down arrows beside a numeric edit. A step starts from
// whatever the edit holds, pulled into min..max (and into the range of the
// edit's NumericValidator, when it has one), and stays within that range.
// Typed text is limited by the edit's validator, not here.
// As in a spin box, the edit also steps with Up and Down (one), PageUp and
// PageDown (ten) and the mouse wheel over the edit or the arrows, and a
// click on an arrow gives the edit the keyboard focus.
class UpDown : public QWidget {
    Q_OBJECT

public:
    UpDown(QLineEdit *edit, int min, int max, QWidget *parent = nullptr);

    // Steps the edit's number by `step`.
    void stepBy(int step);

    static constexpr int PageStep = 10;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // True when the wheel turned far enough for a step.
    bool wheel(QWheelEvent *event);

    // The edit may go before the arrows do (it need not be their parent).
    QPointer<QLineEdit> edit_;
    int min_;
    int max_;
    // Wheel turns below one notch (touchpads) add up here.
    int wheelRest_ = 0;
};
