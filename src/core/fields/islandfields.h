#pragma once

#include "core/fields/field.h"
#include "core/islands/insel.h"

namespace RecordFields {

// The island record ("INSEL5"; an "INSEL_MAXFUN" record is converted first).
// Of an island built from a template it is the template's record.
const Table<IslandRecord> &islandRecord();
// The island as the map places it: its position and properties come from
// its reference where it has one, else from its record. Only the dump shows
// these; the diff compares the bytes of the record and of the reference.
const Table<Insel> &placedIsland();
// One island reference of the SZENE payload.
const Table<IslandReference> &islandReference();

} // namespace RecordFields
