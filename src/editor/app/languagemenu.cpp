#include "editor/app/languagemenu.h"

#include "core/common/language.h"

#include <QActionGroup>
#include <QEvent>
#include <QSettings>

namespace {

const QString kLanguageKey = QStringLiteral("view/language");

language::Choice storedChoice(const QSettings *settings)
{
    return settings ? language::fromKey(settings->value(kLanguageKey).toString())
                    : language::Choice::System;
}

} // namespace

LanguageMenu::LanguageMenu(QSettings *settings, QWidget *parent)
    : QMenu(parent), settings_(settings)
{
    setObjectName(QStringLiteral("LanguageMenu"));
    auto *group = new QActionGroup(this);
    const auto add = [this, group](const char *objectName, language::Choice choice) {
        QAction *action = addAction(QString());
        action->setObjectName(QLatin1String(objectName));
        action->setCheckable(true);
        action->setActionGroup(group);
        connect(action, &QAction::triggered, this, [this, choice] {
            if (settings_)
                settings_->setValue(kLanguageKey, language::toKey(choice));
            language::apply(choice);
        });
        return action;
    };
    german_ = add("LanguageGermanAction", language::Choice::German);
    english_ = add("LanguageEnglishAction", language::Choice::English);
    system_ = add("LanguageSystemAction", language::Choice::System);
    switch (storedChoice(settings_)) {
    case language::Choice::German:
        german_->setChecked(true);
        break;
    case language::Choice::English:
        english_->setChecked(true);
        break;
    case language::Choice::System:
        system_->setChecked(true);
        break;
    }
    retranslateUi();
}

void LanguageMenu::applyStored(const QSettings &settings)
{
    language::apply(storedChoice(&settings));
}

void LanguageMenu::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QMenu::changeEvent(event);
}

void LanguageMenu::retranslateUi()
{
    setTitle(tr("&Sprache"));
    // Each language is named in its own words, so that it can be found
    // whichever of them is showing.
    german_->setText(QStringLiteral("Deutsch"));
    english_->setText(QStringLiteral("English"));
    system_->setText(tr("Wie das System"));
}
