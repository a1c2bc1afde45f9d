#pragma once

#include "editor/pages/goalcontrols.h"
#include "editor/pages/playerbuttonbox.h"

// "Zu unterstützender Spieler": the player to support (a button for each
// human player's colour, the natives and any player; at most one is down)
// and the three goals for that player: reach inhabitants, keep inhabitants,
// keep settlements.
class SupportGoalBox : public PlayerButtonBox {
    Q_OBJECT

public:
    explicit SupportGoalBox(GoalControls &controls);

    QToolButton *nativesButton() const { return sbHelpEingeb; }
    QToolButton *anyButton() const { return sbHelpAny; }

    const InhabitantsGoal &reachGoal() const { return reach_; }
    const InhabitantsGoal &keepGoal() const { return keep_; }
    const NumberGoal &settlementsGoal() const { return settlements_; }

protected:
    void buttonClick(QToolButton *button) override;
    void retranslateUi() override;

private:
    QToolButton *sbHelpEingeb = nullptr;
    QToolButton *sbHelpAny = nullptr;
    InhabitantsGoal reach_;
    InhabitantsGoal keep_;
    NumberGoal settlements_;
    QLabel *lbStadtanzminfrmd_ = nullptr;
};
