#pragma once

#include <QGroupBox>
#include <array>

class GoalControls;
class QCheckBox;
class QComboBox;

// "Monopol": the goals "1. Monopol:" and "2. Monopol:", each a check box with
// the goods of the monopoly table.
class MonopolyGoalBox : public QGroupBox {
    Q_OBJECT

public:
    explicit MonopolyGoalBox(GoalControls &controls);

    // `k` is 1 or 2.
    QCheckBox *check(int k) const { return goals_[size_t(k - 1)].check; }
    QComboBox *goods(int k) const { return goals_[size_t(k - 1)].goods; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    struct Goal {
        QCheckBox *check = nullptr;
        QComboBox *goods = nullptr;
    };
    std::array<Goal, 2> goals_{};
};
