#pragma once

#include "islandshape.h"

#include <QByteArray>
#include <QPoint>
#include <vector>

// The building layer of one island, filled building by building. Nothing
// overlaps, and buildings stand only on ground that suits them.
class BuildingLayer {
public:
    enum class Ground { Inland, Shore };

    explicit BuildingLayer(const IslandShape &shape);

    // Places the building with its top-left tile at (column, row) when its
    // whole footprint is free and on suitable ground.
    bool place(quint16 building, int column, int row, bool alongColumns, int citySlot, int player,
               Ground ground = Ground::Inland);

    bool isEmpty() const { return tiles_.isEmpty(); }
    // The payload of the island's second "INSELHAUS" chunk.
    const QByteArray &payload() const { return tiles_; }

private:
    const IslandShape &shape_;
    std::vector<bool> used_;
    QByteArray tiles_;
};

enum class CityStyle { Capital, Town, Village, Natives };

struct CityResult {
    std::vector<QPoint> roads; // island tiles a cart can stand on
    bool hasTradingPost = false;
};

// A good place for a city: deep inland and far from the other city centres;
// (-1, -1) when the island has no room for one.
QPoint CitySite(const IslandShape &shape, const std::vector<QPoint> &otherCentres);

// Lays out a city around `centre`: its main buildings in the middle, a grid
// of roads with houses between them, farms with their fields around it and a
// trading post on the nearest beach. A native village is a loose cluster of
// huts without roads or trading post.
CityResult BuildCity(BuildingLayer &layer, const IslandShape &shape, QPoint centre, int citySlot,
                     int player, CityStyle style, quint64 seed);
