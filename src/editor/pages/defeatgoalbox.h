#pragma once

#include "editor/pages/playerbuttonbox.h"

// "Zu besiegende Spieler": a defeat button for each player colour
// ("Rot" .. "Piraten") and one for any player. "Any player" and the four
// human players exclude each other; the pirates go with either.
class DefeatGoalBox : public PlayerButtonBox {
    Q_OBJECT

public:
    DefeatGoalBox();

    QToolButton *anyButton() const { return sbKillAny; }

protected:
    void buttonClick(QToolButton *button) override;
    void retranslateUi() override;

private:
    QToolButton *sbKillAny = nullptr;
};
