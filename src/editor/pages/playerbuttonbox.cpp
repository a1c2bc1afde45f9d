#include "editor/pages/playerbuttonbox.h"

#include "core/players/playerrecord.h"
#include "editor/pages/goalcontrols.h"
#include "editor/widgets/playercolouricon.h"

#include <QBoxLayout>
#include <QEvent>
#include <QToolButton>

PlayerButtonBox::PlayerButtonBox(const char *name)
{
    setObjectName(QLatin1String(name));
}

void PlayerButtonBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QGroupBox::changeEvent(event);
}

void PlayerButtonBox::retranslateUi()
{
    for (size_t colour = 0; colour < colourButtons_.size(); ++colour)
        colourButtons_[colour]->setText(PlayerColour::Name(int(colour)));
}

QToolButton *PlayerButtonBox::buttonOfSlot(const PlayerArea &players, int slot) const
{
    const int colour = players.colourOf(slot).value_or(PlayerColour::Count);
    return colour < int(colourButtons_.size()) ? colourButtons_[size_t(colour)] : nullptr;
}

void PlayerButtonBox::clear() const
{
    for (QToolButton *button : buttons_)
        button->setChecked(false);
}

void PlayerButtonBox::addColourButtons(QBoxLayout *row, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        const int colour = int(colourButtons_.size());
        colourButtons_.push_back(
            addButton(row, name, PlayerColour::Name(colour), playerColourIcon(colour)));
    }
}

QToolButton *PlayerButtonBox::addButton(QBoxLayout *row, const char *name, const QString &text,
                                        const QIcon &icon)
{
    QToolButton *button = GoalControls::playerButton(name, text, icon);
    buttons_.push_back(button);
    row->addWidget(button);
    connect(button, &QToolButton::clicked, this, [this, button] {
        buttonClick(button);
        emit buttonClicked();
    });
    return button;
}
