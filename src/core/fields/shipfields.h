#pragma once

#include "core/fields/field.h"
#include "core/goods/shiprecord.h"

namespace RecordFields {

// A ship or cart of "SHIP4".
const Table<ShipRecord> &ship();
// One cargo slot of a ship, as the dump shows it; the diff names a slot as a
// whole ("Ladung 1").
const Table<CargoSlot> &cargoSlot();

} // namespace RecordFields
