#pragma once

#include <QWidget>

class QLineEdit;

// The small up and down arrows beside a numeric edit. A step starts from
// whatever the edit holds, pulled into min..max, and stays within that range;
// typed text itself is not limited (the page decides what a larger number
// means when it stores it).
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
