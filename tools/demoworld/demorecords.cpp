#include "demorecords.h"

#include "core/common/bytes.h"
#include "core/goods/shiprecord.h"
#include "core/goods/shiptypetable.h"
#include "core/islands/cityrecord.h"
#include "core/islands/deerrecord.h"
#include "core/islands/islandrecord.h"
#include "core/islands/islandreference.h"
#include "core/islands/tilerecord.h"
#include "core/islands/tradingpostrecord.h"

namespace demo {
namespace {

uchar *bytes(QByteArray &a)
{
    return reinterpret_cast<uchar *>(a.data());
}

// Fields the core's views only read.
namespace tile {
constexpr int Building = 0;
constexpr int Column = 2;
constexpr int Row = 3;
constexpr int Orientation = 4;
constexpr int CityWord = 5; // city slot in bits 6..8
} // namespace tile

namespace island {
constexpr int Number = 0;
constexpr int Width = 1;
constexpr int Height = 2;
constexpr int X = 4;
constexpr int Y = 6;
constexpr int CityOwners = 12;
constexpr int TemplateNumber = 96;
constexpr int SizeClass = 98;
constexpr int Climate = 100;
constexpr int OwnGround = 101;
} // namespace island

namespace oldIsland {
constexpr int Flags = 3;
constexpr int TemplateNumber = 64;
constexpr int SizeClass = 66;
constexpr int Climate = 68;
constexpr int OwnGround = 69;
} // namespace oldIsland

namespace reference {
constexpr int Climate = 0;
constexpr int SizeClass = 1;
constexpr int Flags = 2;
constexpr int Number = 3;
constexpr int TemplateNumber = 4;
constexpr int X = 8;
constexpr int Y = 12;
} // namespace reference

constexpr int SzeneHeaderSize = IslandReference::FirstOffset;
constexpr int CityIsland = 0;
constexpr int CitySlot = 1;
constexpr int PostIsland = 0;
constexpr int PostCitySlot = 3;
constexpr int DeerIsland = 0;
constexpr int ShipX = 28;
constexpr int ShipY = 30;
constexpr int CargoAmountWord = 2;

// The fields both island layouts share at the same offsets.
void writeCommonIslandFields(uchar *r, const IslandFields &f)
{
    le::setU8(r, island::Number, quint8(f.number));
    le::setU8(r, island::Width, quint8(f.width));
    le::setU8(r, island::Height, quint8(f.height));
    le::setU16(r, island::X, quint16(f.x));
    le::setU16(r, island::Y, quint16(f.y));
    for (int s = 0; s < IslandRecord::CitySlots; ++s)
        le::setU8(r, island::CityOwners + s, f.cityOwners[size_t(s)]);
}

} // namespace

QByteArray TileBytes(quint16 building, int column, int row, bool alongColumns, int citySlot,
                     int player)
{
    QByteArray out(TileRecord::Size, '\0');
    uchar *t = bytes(out);
    le::setU16(t, tile::Building, building);
    le::setU8(t, tile::Column, quint8(column));
    le::setU8(t, tile::Row, quint8(row));
    le::setU8(t, tile::Orientation, alongColumns ? 1 : 0);
    le::setU16(t, tile::CityWord, quint16((citySlot & 0x07) << 6));
    TileRecord(t).setPlayer(player);
    return out;
}

QByteArray IslandRecordBytes(const IslandFields &f)
{
    QByteArray out(IslandRecord::Size, '\0');
    uchar *r = bytes(out);
    writeCommonIslandFields(r, f);
    le::setU16(r, island::TemplateNumber, quint16(f.templateNumber));
    le::setU16(r, island::SizeClass, quint16(f.sizeClass));
    le::setU8(r, island::Climate, quint8(f.climate));
    le::setU8(r, island::OwnGround, f.ownGround ? 1 : 0);
    return out;
}

QByteArray OldIslandRecordBytes(const IslandFields &f)
{
    QByteArray out(IslandRecord::OldSize, '\0');
    uchar *r = bytes(out);
    writeCommonIslandFields(r, f);
    le::setU8(r, oldIsland::Flags, 0x01);
    le::setU16(r, oldIsland::TemplateNumber, quint16(f.templateNumber));
    le::setU16(r, oldIsland::SizeClass, quint16(f.sizeClass));
    le::setU8(r, oldIsland::Climate, quint8(f.climate));
    le::setU8(r, oldIsland::OwnGround, f.ownGround ? 1 : 0);
    return out;
}

QByteArray ReferenceBytes(int climate, int sizeClass, bool native, int islandNumber,
                          int templateNumber, int x, int y)
{
    QByteArray out(IslandReference::Size, '\0');
    uchar *r = bytes(out);
    le::setU8(r, reference::Climate, quint8(climate));
    le::setU8(r, reference::SizeClass, quint8(sizeClass));
    le::setU8(r, reference::Flags, native ? 1 : 0);
    le::setU8(r, reference::Number, quint8(islandNumber));
    le::setU16(r, reference::TemplateNumber, quint16(templateNumber));
    le::setI32(r, reference::X, x);
    le::setI32(r, reference::Y, y);
    return out;
}

QByteArray SzenePayload(const std::vector<QByteArray> &references)
{
    QByteArray out(SzeneHeaderSize, '\0');
    le::setI32(bytes(out), IslandReference::CountOffset, qint32(references.size()));
    for (const QByteArray &r : references)
        out += r;
    return out;
}

QByteArray CityBytes(int island, int slot, int owner, const QString &name)
{
    QByteArray out(CityRecord::Size, '\0');
    uchar *c = bytes(out);
    le::setU8(c, CityIsland, quint8(island));
    le::setU8(c, CitySlot, quint8(slot));
    CityRecord city(c);
    city.setOwner(quint8(owner));
    city.setName(name);
    return out;
}

QByteArray TradingPostBytes(int island, int citySlot,
                            const std::vector<std::pair<int, quint32>> &stock)
{
    QByteArray out(TradingPostRecord::Size, '\0');
    uchar *p = bytes(out);
    le::setU8(p, PostIsland, quint8(island));
    le::setU8(p, PostCitySlot, quint8(citySlot & 0x0F));
    const TradingPostRecord post(p);
    for (const auto &[goodsIndex, amount] : stock)
        post.slot(goodsIndex).setAmount(amount);
    return out;
}

QByteArray DeerBytes(int island, int column, int row)
{
    QByteArray out(DeerRecord::Size, '\0');
    uchar *d = bytes(out);
    le::setU8(d, DeerIsland, quint8(island));
    // Where the herd grazes, in the island's tiles.
    le::setU8(d, 2, quint8(column));
    le::setU8(d, 3, quint8(row));
    return out;
}

QByteArray ShipBytes(const QString &name, int typeIndex, int owner, int x, int y, int energyPercent,
                     int guns, const std::vector<CargoFields> &cargo)
{
    QByteArray out(ShipRecord::Size, '\0');
    uchar *s = bytes(out);
    const ShipType &type = ShipTypeTable::Row(typeIndex);
    ShipRecord ship(s);
    ship.setName(name);
    le::setU16(s, ShipX, quint16(x));
    le::setU16(s, ShipY, quint16(y));
    ship.setFigure(type.figure);
    ship.setKind(type.kind);
    ship.setOwner(quint8(owner));
    ship.setEnergy(quint16(type.fullEnergy * energyPercent / 100));
    ship.setGuns(quint8(guns));
    for (size_t k = 0; k < cargo.size() && k < size_t(ShipRecord::CargoSlots); ++k) {
        CargoSlot slot = ship.cargo(int(k));
        le::setU16(slot.data(), CargoAmountWord, cargo[k].flags);
        slot.setGoods(cargo[k].goods);
        slot.setAmount(cargo[k].amount);
    }
    return out;
}

} // namespace demo
