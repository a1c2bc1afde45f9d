#include "core/document/scenariofiles.h"

const QStringList &ScenarioExtensions()
{
    static const QStringList extensions = {QStringLiteral(".gam"), QStringLiteral(".szs"),
                                           QStringLiteral(".szm"), QStringLiteral(".mfs"),
                                           QStringLiteral(".mfm")};
    return extensions;
}

bool IsScenarioFile(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && ScenarioExtensions().contains(path.mid(dot), Qt::CaseInsensitive);
}
