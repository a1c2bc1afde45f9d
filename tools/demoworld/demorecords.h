#pragma once

// Composes the records of the demo scenarios. The record views of the core
// are used wherever they offer a setter; the few fields they only read (the
// editor never changes them) are written here at the offsets the records'
// layouts name.

#include <QByteArray>
#include <QString>
#include <array>
#include <utility>
#include <vector>

namespace demo {

// Player index and city slot that mean "nobody" in a tile.
constexpr int Unowned = 7;
constexpr int NoCity = 7;

// One 8-byte tile. With `alongColumns` the first extent of the building's
// footprint runs along the columns.
QByteArray TileBytes(quint16 building, int column, int row, bool alongColumns, int citySlot,
                     int player);

struct IslandFields {
    int number = 0;
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    int templateNumber = 65535;
    int sizeClass = 0;
    int climate = 0;
    bool ownGround = true;
    // Player index per city slot; 7 where the slot has no city.
    std::array<quint8, 8> cityOwners{7, 7, 7, 7, 7, 7, 7, 7};
};

// "INSEL5" payload, 116 bytes.
QByteArray IslandRecordBytes(const IslandFields &f);
// "INSEL_MAXFUN" payload of older files, 80 bytes.
QByteArray OldIslandRecordBytes(const IslandFields &f);

// One 16-byte island reference of the SZENE payload.
QByteArray ReferenceBytes(int climate, int sizeClass, bool native, int islandNumber,
                          int templateNumber, int x, int y);
// The SZENE payload: header with the reference count, then the references.
QByteArray SzenePayload(const std::vector<QByteArray> &references);

QByteArray CityBytes(int island, int slot, int owner, const QString &name);
// `stock`: goods index 2..24 and amount in 1/32 t.
QByteArray TradingPostBytes(int island, int citySlot,
                            const std::vector<std::pair<int, quint32>> &stock);
QByteArray DeerBytes(int island, int column, int row);

struct CargoFields {
    quint16 goods = 0;
    quint16 amount = 0; // 1/32 t, at most 0x3FFF
    quint16 flags = 0;  // bits 14 and 15 of the amount word
};

// One ship or cart of type `typeIndex` of the ship type table.
QByteArray ShipBytes(const QString &name, int typeIndex, int owner, int x, int y, int energyPercent,
                     int guns, const std::vector<CargoFields> &cargo);

} // namespace demo
