#include "editor/pages/goalcontrols.h"

#include "core/players/playerrecord.h"
#include "editor/widgets/documentpage.h"
#include "editor/widgets/numerickeyfilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

GoalControls::GoalControls(DocumentPage *page, std::function<void()> edited)
    : page_(page), edited_(std::move(edited))
{
}

QCheckBox *GoalControls::goalCheck(const char *name) const
{
    auto *check = new QCheckBox;
    check->setObjectName(QLatin1String(name));
    return check;
}

void GoalControls::addGoal(QCheckBox *check, const std::vector<QWidget *> &controls)
{
    goals_.push_back({check, controls});
    DocumentPage *page = page_;
    QObject::connect(check, &QCheckBox::clicked, page, [page, check, controls] {
        for (QWidget *control : controls)
            control->setEnabled(check->isChecked());
        emit page->controlChanged();
    });
}

void GoalControls::addPlainCheck(QCheckBox *check) const
{
    QObject::connect(check, &QCheckBox::clicked, page_, &DocumentPage::controlChanged);
}

QLineEdit *GoalControls::numberEdit(const char *name, int digits, qint64 min, qint64 max)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (digits + 1) +
                        14);
    NumericKeyFilter::install(edit, min, max);
    QObject::connect(edit, &QLineEdit::textChanged, page_, edited_);
    edits_.push_back(edit);
    return edit;
}

QLineEdit *GoalControls::int32Edit(const char *name)
{
    return numberEdit(name, 11, Int32Min, Int32Max);
}

NumberGoal GoalControls::int32Goal(const char *check, const char *edit, std::vector<QWidget *> more)
{
    NumberGoal goal{goalCheck(check), int32Edit(edit)};
    more.insert(more.begin(), goal.edit);
    addGoal(goal.check, more);
    return goal;
}

QLabel *GoalControls::label(const char *name, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    return label;
}

QComboBox *GoalControls::combo(const char *name, const QStringList &items)
{
    auto *box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    box->setMaxVisibleItems(24);
    QObject::connect(box, &QComboBox::currentIndexChanged, page_, edited_);
    combos_.push_back(box);
    return box;
}

QStringList GoalControls::groupNames()
{
    QStringList groups;
    for (int group = 1; group <= PopulationLevel::Groups; ++group)
        groups << PopulationLevel::groupName(group);
    return groups;
}

QComboBox *GoalControls::groupCombo(const char *name)
{
    return combo(name, groupNames());
}

void GoalControls::setItemTexts(QComboBox *box, const QStringList &items)
{
    for (int item = 0; item < box->count() && item < items.size(); ++item)
        box->setItemText(item, items.at(item));
}

InhabitantsGoal GoalControls::inhabitantsGoal(const char *check, const char *inhabitants,
                                              const char *labelName, const char *count,
                                              const char *group)
{
    InhabitantsGoal goal;
    goal.check = goalCheck(check);
    goal.inhabitants = int32Edit(inhabitants);
    goal.label = label(labelName, QString());
    goal.count = numberEdit(count, 10, 0, UInt32Max);
    goal.group = groupCombo(group);
    return goal;
}

void GoalControls::retranslate(const InhabitantsGoal &goal, const QString &verb)
{
    goal.check->setText(verb);
    goal.label->setText(QCoreApplication::translate("GoalControls", "Einwohner, davon"));
    setItemTexts(goal.group, groupNames());
}

QToolButton *GoalControls::playerButton(const char *name, const QString &text, const QIcon &icon)
{
    auto *button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setIcon(icon);
    button->setCheckable(true);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setMinimumWidth(92);
    // A pressed button also shows its caption in bold, so that the state
    // reads at a glance in every style.
    QObject::connect(button, &QToolButton::toggled, button, [button](bool down) {
        QFont font = button->font();
        font.setBold(down);
        button->setFont(font);
    });
    return button;
}

void GoalControls::clear() const
{
    for (const Goal &goal : goals_)
        goal.check->setChecked(false);
    for (QLineEdit *edit : edits_)
        edit->clear();
    for (QComboBox *box : combos_)
        box->setCurrentIndex(-1);
    applyEnableRules();
}

void GoalControls::applyEnableRules() const
{
    for (const Goal &goal : goals_) {
        for (QWidget *control : goal.controls)
            control->setEnabled(goal.check->isChecked());
    }
}

QHBoxLayout *goalLine(std::initializer_list<QWidget *> widgets)
{
    auto *row = new QHBoxLayout;
    for (QWidget *widget : widgets)
        row->addWidget(widget);
    row->addStretch(1);
    return row;
}
