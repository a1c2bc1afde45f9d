#pragma once

#include <QIODevice>
#include <QString>

// What a synthetic big world holds. The default is the crowded world: 120
// islands of 60 x 40 tiles, each with a ground and a building layer, a city
// and a trading post, and 2000 ships. The tile-heavy plan has 44 islands of
// 250 x 250 tiles whose two layers hold 125,000 tiles together.
struct BigWorldPlan {
    int islands = 120;
    int islandWidth = 60;
    int islandHeight = 40;
    // Every tile of the building layer carries a record, not only the land.
    bool fullBuildingLayer = false;
    int ships = 2000;
    // Deer records in all, spread over the islands; each island writes its
    // herds as one "HIRSCH2" chunk.
    qint64 deer = 0;
    // Chunks of a name the editor does not know, each with a small payload,
    // written before "TIMERS" so that the load walks past every one.
    qint64 unknownChunks = 0;

    static BigWorldPlan TileHeavy();
    // Why the plan cannot be written (sizes the file format cannot hold);
    // empty when it can.
    QString problem() const;
    int tilesPerIsland() const;
};

// The name of the unknown chunks and the size of their payloads.
constexpr const char *kFillerChunkName = "MARBOLT_FILLER";
constexpr int kFillerPayloadSize = 14;

// Writes the scenario file of `plan`; false when the device takes fewer bytes
// than it was given.
bool WriteBigWorld(const BigWorldPlan &plan, QIODevice &out);
