#pragma once

#include "core/fields/field.h"
#include "core/islands/cityrecord.h"

namespace RecordFields {

// A city of "STADT4".
const Table<CityRecord> &city();

} // namespace RecordFields
