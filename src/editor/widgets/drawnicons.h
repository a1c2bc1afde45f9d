#pragma once

#include "core/check/scenariocheck.h"

#include <QColor>
#include <QIcon>

// The pictures the editor draws itself with QPainter rather than from a file
// of the resources.
namespace DrawnIcons {

// The map's toggles: three houses with red roofs, a sailing ship on a wave.
QIcon cities();
QIcon ships();
// The zoom buttons: a magnifying glass with a plus or a minus in it.
QIcon magnifier(bool plus);
// A finding of the check: a red disc with a cross, an amber triangle with an
// exclamation mark, a blue disc with an "i".
QIcon severity(Finding::Severity severity);
// The object tree's nodes: a pennant in a player colour, an island, a folder.
QIcon pennant(const QColor &colour);
QIcon island();
QIcon folder();

} // namespace DrawnIcons
