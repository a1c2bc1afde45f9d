#pragma once

#include <QtGlobal>

// How many tiles a building covers. With the tile's orientation bit set the
// first extent runs along the columns, otherwise along the rows.
struct Footprint {
    int first = 1;
    int second = 1;
};

Footprint footprintOf(quint16 building);
