#include "editor/pages/defeatgoalbox.h"

#include "core/players/playerrecord.h"
#include "editor/widgets/playercolouricon.h"

#include <QHBoxLayout>
#include <QToolButton>

DefeatGoalBox::DefeatGoalBox() : PlayerButtonBox("gbKill")
{
    auto *row = new QHBoxLayout(this);
    addColourButtons(row, {"sbKillRot", "sbKillBlau", "sbKillGelb", "sbKillWeiss", "sbKillPirat"});
    row->addSpacing(12);
    sbKillAny = addButton(row, "sbKillAny", QString(), anyPlayerIcon());
    row->addStretch(1);
    retranslateUi();
}

void DefeatGoalBox::retranslateUi()
{
    PlayerButtonBox::retranslateUi();
    setTitle(tr("Zu besiegende Spieler"));
    sbKillAny->setText(tr("Beliebiger"));
    sbKillAny->setToolTip(tr("Einen beliebigen Spieler besiegen"));
}

void DefeatGoalBox::buttonClick(QToolButton *button)
{
    if (!button->isChecked())
        return;
    if (button == sbKillAny) {
        for (int colour = 0; colour < 4; ++colour)
            this->button(colour)->setChecked(false);
    } else if (button != this->button(PlayerColour::Pirates)) {
        sbKillAny->setChecked(false);
    }
}
