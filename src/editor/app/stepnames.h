#pragma once

#include <QString>

class QWidget;

// The names of the undo steps that an edit in a control makes, for the
// controls that name their edit better than the record it changed does
// ("Schiffsname ändern" rather than "Schiff … ändern").
namespace StepNames {

// The step's name for an edit in `control`, found by the object name of the
// control, of a widget around it or of the action behind a tool button;
// empty when none of them names one.
QString of(const QWidget *control);

} // namespace StepNames
