#include "editor/app/stepnames.h"

#include <QAction>
#include <QHash>
#include <QToolButton>

namespace {

// By object name of the control, or of the action behind a button.
QString stepOfName(const QString &name)
{
    static const QHash<QString, QString> steps{
        {QStringLiteral("editSchiffe"), QStringLiteral("Maximale Anzahl Schiffe ändern")},
        {QStringLiteral("SwitchErz"), QStringLiteral("Schalter Erzvorkommen umschalten")},
        {QStringLiteral("SwitchDuerren"), QStringLiteral("Schalter Dürren umschalten")},
        {QStringLiteral("SwitchPiraten"), QStringLiteral("Schalter Piraten umschalten")},
        {QStringLiteral("SwitchVulkane"), QStringLiteral("Schalter Vulkane umschalten")},
        {QStringLiteral("SwitchHaendler"),
         QStringLiteral("Schalter Fliegender Händler umschalten")},
        {QStringLiteral("SwitchWaffen"), QStringLiteral("Schalter Militäroptionen umschalten")},
        {QStringLiteral("cbKampagne"), QStringLiteral("Kampagnenzugehörigkeit ändern")},
        {QStringLiteral("editKampagne"), QStringLiteral("Kampagnennummer ändern")},
        {QStringLiteral("editName"), QStringLiteral("Spielername ändern")},
        {QStringLiteral("comboKind"), QStringLiteral("Spielerart ändern")},
        {QStringLiteral("comboPlayerColor"), QStringLiteral("Spielerfarbe ändern")},
        {QStringLiteral("editMoney"), QStringLiteral("Konto ändern")},
        {QStringLiteral("btKontoreleeren"), QStringLiteral("Kontore leeren")},
        {QStringLiteral("btSchiffeleeren"), QStringLiteral("Schiffe leeren")},
        {QStringLiteral("btKarrenleeren"), QStringLiteral("Karren leeren")},
        {QStringLiteral("Memo1"), QStringLiteral("Auftragstext ändern")},
        {QStringLiteral("editStadtname"), QStringLiteral("Stadtname ändern")},
        {QStringLiteral("comboStadtfarbe"), QStringLiteral("Stadtfarbe ändern")},
        {QStringLiteral("cbBaustop"), QStringLiteral("Baustopp ändern")},
        {QStringLiteral("editSchiffname"), QStringLiteral("Schiffsname ändern")},
        {QStringLiteral("comboSchifffarbe"), QStringLiteral("Schiffsfarbe ändern")},
        {QStringLiteral("comboSchifftyp"), QStringLiteral("Schiffstyp ändern")},
        {QStringLiteral("editSchiffkanonen"), QStringLiteral("Kanonen ändern")},
        {QStringLiteral("tbEnergie"), QStringLiteral("Energie ändern")},
    };
    return steps.value(name);
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
