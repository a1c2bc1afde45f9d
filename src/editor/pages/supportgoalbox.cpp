#include "editor/pages/supportgoalbox.h"

#include "core/players/playerrecord.h"
#include "editor/widgets/playercolouricon.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

SupportGoalBox::SupportGoalBox(GoalControls &controls) : PlayerButtonBox("gbHelp")
{
    auto *column = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    addColourButtons(row, {"sbHelpRot", "sbHelpBlau", "sbHelpGelb", "sbHelpWeiss"});
    sbHelpEingeb = addButton(row, "sbHelpEingeb", QString(), playerColourIcon(5));
    row->addSpacing(12);
    sbHelpAny = addButton(row, "sbHelpAny", QString(), anyPlayerIcon());
    row->addStretch(1);
    column->addLayout(row);
    column->addSpacing(6);

    reach_ = controls.inhabitantsGoal("cbHelpWohn", "editHelpWohn", "lbHelpWohn", "editHelpWohnGrp",
                                      "comboHelpWohnName");
    keep_ = controls.inhabitantsGoal("cbStadtlowfrmd", "editStadtlowfrmdwohn", "lbStadtlowfrmdwohn",
                                     "editStadtlowfrmdbgwohn", "comboStadtlowfrmdbgnr");
    settlements_.check = controls.goalCheck("cbStadtanzminfrmd");
    settlements_.edit = controls.numberEdit("editStadtanzminfrmd", 6, GoalControls::Int16Min,
                                            GoalControls::Int16Max);
    QLabel *lbStadtanzminfrmd = lbStadtanzminfrmd_ =
        GoalControls::label("lbStadtanzminfrmd", QString());

    // The three goals as rows of one grid, so that their edits line up.
    auto *grid = new QGridLayout;
    int line = 0;
    for (const InhabitantsGoal *goal : {&reach_, &keep_}) {
        grid->addWidget(goal->check, line, 0);
        grid->addWidget(goal->inhabitants, line, 1);
        grid->addWidget(goal->label, line, 2);
        grid->addWidget(goal->count, line, 3);
        grid->addWidget(goal->group, line, 4);
        controls.addGoal(goal->check, {goal->inhabitants, goal->label, goal->count, goal->group});
        ++line;
    }
    grid->addWidget(settlements_.check, line, 0);
    grid->addLayout(goalLine({settlements_.edit, lbStadtanzminfrmd}), line, 1, 1, 4);
    grid->setColumnStretch(5, 1);
    controls.addGoal(settlements_.check, {settlements_.edit, lbStadtanzminfrmd});
    column->addLayout(grid);
    retranslateUi();
}

void SupportGoalBox::retranslateUi()
{
    PlayerButtonBox::retranslateUi();
    setTitle(tr("Zu unterstützender Spieler"));
    sbHelpEingeb->setText(PlayerColour::Name(5));
    sbHelpAny->setText(tr("Beliebiger"));
    sbHelpAny->setToolTip(tr("Einen beliebigen Spieler unterstützen"));
    GoalControls::retranslate(reach_, tr("Erreiche"));
    GoalControls::retranslate(keep_, tr("Halte"));
    settlements_.check->setText(tr("Halte"));
    lbStadtanzminfrmd_->setText(tr("Siedlungen"));
}

void SupportGoalBox::buttonClick(QToolButton *button)
{
    // At most one of the six is down; clicking the one that is down has
    // already released it.
    if (button->isChecked()) {
        for (QToolButton *other : colourButtons())
            other->setChecked(other == button);
        sbHelpEingeb->setChecked(sbHelpEingeb == button);
        sbHelpAny->setChecked(sbHelpAny == button);
    }
}
