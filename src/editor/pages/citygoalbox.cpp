#include "editor/pages/citygoalbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

// Keeps a check box that is not part of a group box over a placeholder
// inside it: the check box switches the group box with everything in it, so
// it cannot be one of its children, yet it reads as the sentence's first word.
class OverlayFollower : public QObject {
public:
    OverlayFollower(QCheckBox *check, QWidget *placeholder, QWidget *box)
        : QObject(check), check_(check), placeholder_(placeholder)
    {
        placeholder->installEventFilter(this);
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
            follow();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void follow()
    {
        const QPoint at = placeholder_->mapTo(check_->parentWidget(), QPoint(0, 0));
        check_->setGeometry(QRect(at, placeholder_->size()));
        check_->raise();
    }

    QCheckBox *check_;
    QWidget *placeholder_;
};

} // namespace

CityGoalBox::CityGoalBox(int number, GoalControls &controls, QWidget *overlayParent)
    : number_(number)
{
    const QByteArray n = QByteArray::number(number);
    goal_ =
        controls.inhabitantsGoal("cbStadt" + n, "editStadt" + n + "Wohn", "lbStadt" + n + "Wohn",
                                 "editStadt" + n + "Bgrp", "comboStadt" + n + "Bgrp");
    setObjectName(QLatin1String("gbStadt" + n));
    placeholder_ = new QWidget;
    setLayout(goalLine({placeholder_, goal_.inhabitants, goal_.label, goal_.count, goal_.group}));
    goal_.check->setParent(overlayParent);
    new OverlayFollower(goal_.check, placeholder_, this);
    controls.addGoal(goal_.check, {this, goal_.inhabitants, goal_.count, goal_.group, goal_.label});
    retranslateUi();
}

void CityGoalBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QGroupBox::changeEvent(event);
}

void CityGoalBox::retranslateUi()
{
    switch (number_) {
    case 1:
        setTitle(tr("Erste Stadt"));
        break;
    case 2:
        setTitle(tr("Zweite Stadt"));
        break;
    default:
        setTitle(tr("Dritte Stadt"));
        break;
    }
    GoalControls::retranslate(goal_, tr("Erreiche"));
    // The caption's width may have changed with its language; the check box
    // follows its placeholder.
    placeholder_->setFixedSize(goal_.check->sizeHint());
}
