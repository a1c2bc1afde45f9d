#pragma once

#include "core/fields/field.h"
#include "core/players/missionrecord.h"

namespace RecordFields {

// One mission of "AUFTRAG4".
const Table<MissionRecord> &mission();
// A goal of inhabitants inside a mission, as the dump shows it; the diff
// names a goal as a whole ("Erste Stadt").
const Table<CityGoal> &cityGoal();

} // namespace RecordFields
