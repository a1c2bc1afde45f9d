#pragma once

#include <QGroupBox>

class GoalControls;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// "1. Lager" and "2. Lager": the goal "Speichere [n] t [goods]".
class StoreGoalBox : public QGroupBox {
    Q_OBJECT

public:
    // Whole tons of a 16-bit amount in 1/32 t: the tons edit stops there.
    static constexpr qint64 TonsMax = 0xFFFF / 32;

    // `number` is 1 or 2.
    StoreGoalBox(int number, GoalControls &controls);

    QCheckBox *check() const { return check_; }
    QLineEdit *tons() const { return tons_; }
    QComboBox *goods() const { return goods_; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    const int number_;
    QCheckBox *check_ = nullptr;
    QLineEdit *tons_ = nullptr;
    QLabel *unit_ = nullptr;
    QComboBox *goods_ = nullptr;
};
