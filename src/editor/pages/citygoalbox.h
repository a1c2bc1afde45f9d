#pragma once

#include "editor/pages/goalcontrols.h"

#include <QGroupBox>

// "Erste Stadt" to "Dritte Stadt": a group box with the city goal
// "Erreiche [n] Einwohner, davon [count] [group]". Its check box switches the
// whole box, so it cannot live inside it: it is a child of `overlayParent`
// and kept over a placeholder at the start of the box's line.
class CityGoalBox : public QGroupBox {
    Q_OBJECT

public:
    // `number` is 1 to 3.
    CityGoalBox(int number, GoalControls &controls, QWidget *overlayParent);

    const InhabitantsGoal &goal() const { return goal_; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    const int number_;
    InhabitantsGoal goal_;
    // Keeps the check box's place in the line; as wide as its caption.
    QWidget *placeholder_ = nullptr;
};
