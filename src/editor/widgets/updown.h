#pragma once

#include <QWidget>

class QLineEdit;

// The small up and down arrows beside a numeric edit. A step starts from
// whatever the edit holds, pulled into min..max (and into the range of the
// edit's NumericValidator, when it has one), and stays within that range.
// Typed text is limited by the edit's validator, not here.
class UpDown : public QWidget {
    Q_OBJECT

public:
    UpDown(QLineEdit *edit, int min, int max, QWidget *parent = nullptr);

    // Steps the edit's number by `step`.
    void Step(int step);

private:
    QLineEdit *edit_;
    int min_;
    int max_;
};
