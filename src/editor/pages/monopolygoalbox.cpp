#include "editor/pages/monopolygoalbox.h"

#include "core/players/missionrecord.h"
#include "editor/pages/goalcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>

namespace {

QStringList monopolyGoods()
{
    QStringList goods;
    for (int item = 0; item < MonopolyGoods::Count; ++item)
        goods << MonopolyGoods::Name(item);
    return goods;
}

} // namespace

MonopolyGoalBox::MonopolyGoalBox(GoalControls &controls)
{
    setObjectName(QStringLiteral("gbMonopol"));
    auto *grid = new QGridLayout(this);
    for (int k = 0; k < 2; ++k) {
        const QByteArray n = QByteArray::number(k + 1);
        Goal &goal = goals_[size_t(k)];
        goal.check = controls.goalCheck("cbMonopol" + n);
        goal.goods = controls.combo("comboMonopol" + n, monopolyGoods());
        controls.addGoal(goal.check, {goal.goods});
        grid->addWidget(goal.check, k, 0);
        grid->addWidget(goal.goods, k, 1);
    }
    grid->setColumnStretch(2, 1);
    retranslateUi();
}

void MonopolyGoalBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QGroupBox::changeEvent(event);
}

void MonopolyGoalBox::retranslateUi()
{
    setTitle(tr("Monopol"));
    const QStringList goods = monopolyGoods();
    for (int k = 0; k < 2; ++k) {
        goals_[size_t(k)].check->setText(tr("%1. Monopol:").arg(k + 1));
        GoalControls::setItemTexts(goals_[size_t(k)].goods, goods);
    }
}
