#pragma once

#include <QString>
#include <QStringList>

// The kinds of scenario file the editor opens: Vo single and multi player,
// Rumo single and multi player, and savegames.
const QStringList &ScenarioExtensions();

// Whether `path` ends in one of the scenario extensions (from its last dot,
// letter case ignored).
bool IsScenarioFile(const QString &path);
