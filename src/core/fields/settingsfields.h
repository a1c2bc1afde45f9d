#pragma once

#include "core/document/scenariosettings.h"
#include "core/fields/field.h"

namespace RecordFields {

// The scenario-wide settings, the payload of "TIMERS".
const Table<ScenarioSettings> &settings();

} // namespace RecordFields
