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

// The fields the core's views only read are written here, at the offsets of
// the records' layouts.
using TileLayout = TileRecord::Layout;
using IslandLayout = IslandRecord::Layout;
using OldIslandLayout = IslandRecord::OldLayout;
using ReferenceLayout = IslandReference::Layout;

// The fields both island layouts share at the same offsets.
void writeCommonIslandFields(uchar *r, const IslandFields &f)
{
    le::setU8(r, IslandLayout::Number, quint8(f.number));
    le::setU8(r, IslandLayout::Width, quint8(f.width));
    le::setU8(r, IslandLayout::Height, quint8(f.height));
    le::setU16(r, IslandLayout::X, quint16(f.x));
    le::setU16(r, IslandLayout::Y, quint16(f.y));
    for (int s = 0; s < IslandRecord::CitySlots; ++s)
        le::setU8(r, IslandLayout::CityOwners + s, f.cityOwners[size_t(s)]);
}

} // namespace

QByteArray TileBytes(quint16 building, int column, int row, bool alongColumns, int citySlot,
                     int player)
{
    QByteArray out(TileRecord::Size, '\0');
    uchar *t = bytes(out);
    le::setU16(t, TileLayout::Building, building);
    le::setU8(t, TileLayout::Column, quint8(column));
    le::setU8(t, TileLayout::Row, quint8(row));
    le::setU8(t, TileLayout::Orientation, alongColumns ? 1 : 0);
    le::setU16(t, TileLayout::CityBits, quint16((citySlot & 0x07) << 6));
    TileRecord(t).setPlayer(player);
    return out;
}

QByteArray IslandRecordBytes(const IslandFields &f)
{
    QByteArray out(IslandRecord::Size, '\0');
    uchar *r = bytes(out);
    writeCommonIslandFields(r, f);
    le::setU16(r, IslandLayout::TemplateNumber, quint16(f.templateNumber));
    le::setU16(r, IslandLayout::SizeClass, quint16(f.sizeClass));
    le::setU8(r, IslandLayout::Climate, quint8(f.climate));
    le::setU8(r, IslandLayout::OwnGround, f.ownGround ? 1 : 0);
    return out;
}

QByteArray OldIslandRecordBytes(const IslandFields &f)
{
    QByteArray out(IslandRecord::OldSize, '\0');
    uchar *r = bytes(out);
    writeCommonIslandFields(r, f);
    le::setU8(r, OldIslandLayout::Flags, 0x01);
    le::setU16(r, OldIslandLayout::TemplateNumber, quint16(f.templateNumber));
    le::setU16(r, OldIslandLayout::SizeClass, quint16(f.sizeClass));
    le::setU8(r, OldIslandLayout::Climate, quint8(f.climate));
    le::setU8(r, OldIslandLayout::OwnGround, f.ownGround ? 1 : 0);
    return out;
}

QByteArray ReferenceBytes(int climate, int sizeClass, bool native, int islandNumber,
                          int templateNumber, int x, int y)
{
    QByteArray out(IslandReference::Size, '\0');
    uchar *r = bytes(out);
    le::setU8(r, ReferenceLayout::Climate, quint8(climate));
    le::setU8(r, ReferenceLayout::SizeClass, quint8(sizeClass));
    le::setU8(r, ReferenceLayout::Flags, native ? 1 : 0);
    le::setU8(r, ReferenceLayout::Number, quint8(islandNumber));
    le::setU16(r, ReferenceLayout::TemplateNumber, quint16(templateNumber));
    le::setI32(r, ReferenceLayout::X, x);
    le::setI32(r, ReferenceLayout::Y, y);
    return out;
}

QByteArray SzenePayload(const std::vector<QByteArray> &references)
{
    QByteArray out(IslandReference::FirstOffset, '\0');
    le::setI32(bytes(out), IslandReference::CountOffset, qint32(references.size()));
    for (const QByteArray &r : references)
        out += r;
    return out;
}

QByteArray CityBytes(int island, int slot, int owner, const QString &name)
{
    QByteArray out(CityRecord::Size, '\0');
    uchar *c = bytes(out);
    le::setU8(c, CityRecord::Layout::Island, quint8(island));
    le::setU8(c, CityRecord::Layout::Slot, quint8(slot));
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
    le::setU8(p, TradingPostRecord::Layout::Island, quint8(island));
    le::setU8(p, TradingPostRecord::Layout::CitySlot, quint8(citySlot & 0x0F));
    const TradingPostRecord post(p);
    for (const auto &[goodsIndex, amount] : stock)
        post.slot(goodsIndex).setAmount(amount);
    return out;
}

QByteArray DeerBytes(int island, int column, int row)
{
    QByteArray out(DeerRecord::Size, '\0');
    uchar *d = bytes(out);
    le::setU8(d, DeerRecord::Layout::Island, quint8(island));
    le::setU8(d, DeerRecord::Layout::Column, quint8(column));
    le::setU8(d, DeerRecord::Layout::Row, quint8(row));
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
    le::setU16(s, ShipRecord::Layout::X, quint16(x));
    le::setU16(s, ShipRecord::Layout::Y, quint16(y));
    ship.setFigure(type.figure);
    ship.setKind(type.kind);
    ship.setOwner(quint8(owner));
    ship.setEnergy(quint16(type.fullEnergy * energyPercent / 100));
    ship.setGuns(quint8(guns));
    for (size_t k = 0; k < cargo.size() && k < size_t(ShipRecord::CargoSlots); ++k) {
        CargoSlot slot = ship.cargo(int(k));
        le::setU16(slot.data(), CargoSlot::Layout::AmountWord, cargo[k].flags);
        slot.setGoods(cargo[k].goods);
        slot.setAmount(cargo[k].amount);
    }
    return out;
}

} // namespace demo
