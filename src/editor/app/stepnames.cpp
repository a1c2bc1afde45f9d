#include "editor/app/stepnames.h"

#include <QAction>
#include <QCoreApplication>
#include <QHash>
#include <QToolButton>

namespace {

// By object name of the control, or of the action behind a button.
QString stepOfName(const QString &name)
{
    static const QHash<QString, const char *> steps{
        {QStringLiteral("editSchiffe"),
         QT_TRANSLATE_NOOP("StepNames", "Maximale Anzahl Schiffe ändern")},
        {QStringLiteral("SwitchErz"),
         QT_TRANSLATE_NOOP("StepNames", "Schalter Erzvorkommen umschalten")},
        {QStringLiteral("SwitchDuerren"),
         QT_TRANSLATE_NOOP("StepNames", "Schalter Dürren umschalten")},
        {QStringLiteral("SwitchPiraten"),
         QT_TRANSLATE_NOOP("StepNames", "Schalter Piraten umschalten")},
        {QStringLiteral("SwitchVulkane"),
         QT_TRANSLATE_NOOP("StepNames", "Schalter Vulkane umschalten")},
        {QStringLiteral("SwitchHaendler"),
         QT_TRANSLATE_NOOP("StepNames", "Schalter Fliegender Händler umschalten")},
        {QStringLiteral("SwitchWaffen"),
         QT_TRANSLATE_NOOP("StepNames", "Schalter Militäroptionen umschalten")},
        {QStringLiteral("cbKampagne"),
         QT_TRANSLATE_NOOP("StepNames", "Kampagnenzugehörigkeit ändern")},
        {QStringLiteral("editKampagne"), QT_TRANSLATE_NOOP("StepNames", "Kampagnennummer ändern")},
        {QStringLiteral("editName"), QT_TRANSLATE_NOOP("StepNames", "Spielername ändern")},
        {QStringLiteral("comboKind"), QT_TRANSLATE_NOOP("StepNames", "Spielerart ändern")},
        {QStringLiteral("comboPlayerColor"), QT_TRANSLATE_NOOP("StepNames", "Spielerfarbe ändern")},
        {QStringLiteral("editMoney"), QT_TRANSLATE_NOOP("StepNames", "Konto ändern")},
        {QStringLiteral("btKontoreleeren"), QT_TRANSLATE_NOOP("StepNames", "Kontore leeren")},
        {QStringLiteral("btSchiffeleeren"), QT_TRANSLATE_NOOP("StepNames", "Schiffe leeren")},
        {QStringLiteral("btKarrenleeren"), QT_TRANSLATE_NOOP("StepNames", "Karren leeren")},
        {QStringLiteral("Memo1"), QT_TRANSLATE_NOOP("StepNames", "Auftragstext ändern")},
        {QStringLiteral("editStadtname"), QT_TRANSLATE_NOOP("StepNames", "Stadtname ändern")},
        {QStringLiteral("comboStadtfarbe"), QT_TRANSLATE_NOOP("StepNames", "Stadtfarbe ändern")},
        {QStringLiteral("cbBaustop"), QT_TRANSLATE_NOOP("StepNames", "Baustopp ändern")},
        {QStringLiteral("editSchiffname"), QT_TRANSLATE_NOOP("StepNames", "Schiffsname ändern")},
        {QStringLiteral("comboSchifffarbe"), QT_TRANSLATE_NOOP("StepNames", "Schiffsfarbe ändern")},
        {QStringLiteral("comboSchifftyp"), QT_TRANSLATE_NOOP("StepNames", "Schiffstyp ändern")},
        {QStringLiteral("editSchiffkanonen"), QT_TRANSLATE_NOOP("StepNames", "Kanonen ändern")},
        {QStringLiteral("tbEnergie"), QT_TRANSLATE_NOOP("StepNames", "Energie ändern")},
    };
    // Translated as the step is made: the step keeps its name in the
    // language of that moment.
    const char *step = steps.value(name);
    return step ? QCoreApplication::translate("StepNames", step) : QString();
}

} // namespace

QString StepNames::of(const QWidget *control)
{
    for (const QWidget *w = control; w && !w->isWindow(); w = w->parentWidget()) {
        QString step = stepOfName(w->objectName());
        if (const auto *button = qobject_cast<const QToolButton *>(w);
            step.isEmpty() && button && button->defaultAction())
            step = stepOfName(button->defaultAction()->objectName());
        if (!step.isEmpty())
            return step;
    }
    return QString();
}
