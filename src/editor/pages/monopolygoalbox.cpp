#include "editor/pages/monopolygoalbox.h"

#include "core/players/missionrecord.h"
#include "editor/pages/goalcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>

MonopolyGoalBox::MonopolyGoalBox(GoalControls &controls)
{
    setObjectName(QStringLiteral("gbMonopol"));
    setTitle(QStringLiteral("Monopol"));
    QStringList monopolyGoods;
    for (int item = 0; item < MonopolyGoods::Count; ++item)
        monopolyGoods << MonopolyGoods::Name(item);
    auto *grid = new QGridLayout(this);
    for (int k = 0; k < 2; ++k) {
        const QByteArray n = QByteArray::number(k + 1);
        Goal &goal = goals_[size_t(k)];
        goal.check = controls.goalCheck("cbMonopol" + n, QStringLiteral("%1. Monopol:").arg(k + 1));
        goal.goods = controls.combo("comboMonopol" + n, monopolyGoods);
        controls.addGoal(goal.check, {goal.goods});
        grid->addWidget(goal.check, k, 0);
        grid->addWidget(goal.goods, k, 1);
    }
    grid->setColumnStretch(2, 1);
}
