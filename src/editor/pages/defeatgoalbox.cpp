#include "editor/pages/defeatgoalbox.h"

#include "core/players/playerrecord.h"
#include "editor/widgets/playercolouricon.h"

#include <QHBoxLayout>
#include <QToolButton>

DefeatGoalBox::DefeatGoalBox() : PlayerButtonBox("gbKill", QStringLiteral("Zu besiegende Spieler"))
{
    auto *row = new QHBoxLayout(this);
    addColourButtons(row, {"sbKillRot", "sbKillBlau", "sbKillGelb", "sbKillWeiss", "sbKillPirat"});
    row->addSpacing(12);
    sbKillAny = addButton(row, "sbKillAny", QStringLiteral("Beliebiger"), AnyPlayerIcon());
    sbKillAny->setToolTip(QStringLiteral("Einen beliebigen Spieler besiegen"));
    row->addStretch(1);
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
