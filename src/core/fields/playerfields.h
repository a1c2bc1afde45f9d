#pragma once

#include "core/fields/field.h"
#include "core/players/playerrecord.h"

namespace RecordFields {

// One player slot of "PLAYER4".
const Table<PlayerRecord> &player();

} // namespace RecordFields
