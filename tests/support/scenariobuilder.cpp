#include "support/scenariobuilder.h"

#include "core/common/bytes.h"
#include "support/gameinstallation.h"

namespace scenario {

namespace {

uchar *at(QByteArray &b, int offset)
{
    return reinterpret_cast<uchar *>(b.data()) + offset;
}

void put8(QByteArray &b, int offset, int v)
{
    b[offset] = char(uchar(v));
}
void put16(QByteArray &b, int offset, int v)
{
    le::setU16(at(b, offset), 0, quint16(v));
}
void put32(QByteArray &b, int offset, qint64 v)
{
    le::setU32(at(b, offset), 0, quint32(v));
}

// A zero-terminated text at the start of a field; the field's bytes after
// the terminator keep their pattern.
void putText(QByteArray &b, int offset, const QByteArray &text)
{
    b.replace(offset, text.size(), text);
    put8(b, offset + int(text.size()), 0);
}

} // namespace

QByteArray pattern(int size, int seed)
{
    QByteArray b(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        b[i] = char(uchar(1 + (seed * 37 + i * 13) % 251));
    return b;
}

QByteArray header(const QByteArray &name, qint32 length)
{
    QByteArray h(20, '\0');
    h.replace(0, qMin<qsizetype>(name.size(), 15), name.left(15));
    put32(h, 16, length);
    return h;
}

QByteArray chunk(const QByteArray &name, const QByteArray &payload)
{
    return header(name, qint32(payload.size())) + payload;
}

// INSEL5 record: 0 number, 1 width, 2 height, 4 x, 6 y, 12..19 city owners,
// 96 template number, 98 size class, 100 climate, 101 own-ground flag.
IslandSpec placed(int number, int x, int y, int width, int height)
{
    IslandSpec s;
    s.number = number;
    s.x = x;
    s.y = y;
    s.width = width;
    s.height = height;
    return s;
}

QByteArray islandRecord(const IslandSpec &s)
{
    QByteArray b = pattern(116, s.number + 1);
    put8(b, 0, s.number);
    put8(b, 1, s.width);
    put8(b, 2, s.height);
    put16(b, 4, s.x);
    put16(b, 6, s.y);
    for (int slot = 0; slot < 8; ++slot)
        put8(b, 12 + slot, s.cityOwners[size_t(slot)]);
    put16(b, 96, s.templateNumber);
    put16(b, 98, s.sizeClass);
    put8(b, 100, s.climate);
    put8(b, 101, s.ownGround);
    return b;
}

// INSEL_MAXFUN record: the same first 23 bytes, then 64 template number,
// 66 size class, 68 climate, 69 own-ground flag.
QByteArray oldIslandRecord(const IslandSpec &s)
{
    QByteArray b = pattern(80, s.number + 11);
    put8(b, 0, s.number);
    put8(b, 1, s.width);
    put8(b, 2, s.height);
    put16(b, 4, s.x);
    put16(b, 6, s.y);
    for (int slot = 0; slot < 8; ++slot)
        put8(b, 12 + slot, s.cityOwners[size_t(slot)]);
    put16(b, 64, s.templateNumber);
    put16(b, 66, s.sizeClass);
    put8(b, 68, s.climate);
    put8(b, 69, s.ownGround);
    return b;
}

QByteArray convertedOldRecord(const QByteArray &old)
{
    QByteArray b(116, '\0');
    auto copy = [&](int from, int to, int width) { b.replace(to, width, old.mid(from, width)); };
    copy(0, 0, 3);
    put8(b, 3, old[3] & 0x07);
    copy(4, 4, 8);
    copy(12, 12, 11);
    copy(23, 26, 1);
    copy(24, 27, 1);
    copy(26, 28, 16);
    copy(42, 60, 16);
    copy(60, 92, 4);
    copy(64, 96, 6);
    copy(70, 102, 2);
    copy(72, 104, 8);
    int used = 0;
    for (int entry : {60, 68}) {
        if (le::u16(at(b, entry), 6) != 0)
            ++used;
    }
    put8(b, 23, used);
    return b;
}

// Tile bits, counted as a 64-bit little-endian value: 0..15 building,
// 16..23 column, 24..31 row, 32 orientation, 46..48 city slot, 54..57 player.
QByteArray tile(int building, int column, int row, bool orientation, int citySlot, int player)
{
    constexpr quint64 fields = 0xFFFFFFFFull | (1ull << 32) | (7ull << 46) | (15ull << 54);
    quint64 v = 0xA55AC33C96695AA5ull & ~fields;
    v |= quint64(quint16(building)) | quint64(quint8(column)) << 16 | quint64(quint8(row)) << 24;
    v |= quint64(orientation ? 1 : 0) << 32 | quint64(citySlot & 7) << 46 |
         quint64(player & 15) << 54;
    QByteArray b(8, '\0');
    put32(b, 0, qint64(v & 0xFFFFFFFF));
    put32(b, 4, qint64(v >> 32));
    return b;
}

// 0 climate, 1 size class, 2 bit 0 native flag, 3 island number, 4 template
// number, 8 x (int32), 12 y (int32).
QByteArray islandReference(const ReferenceSpec &r)
{
    QByteArray b = pattern(16, r.number + 40);
    put8(b, 0, r.climate);
    put8(b, 1, r.sizeClass);
    put8(b, 2, 0xA4 | (r.native ? 1 : 0));
    put8(b, 3, r.number);
    put16(b, 4, r.templateNumber);
    put32(b, 8, r.x);
    put32(b, 12, r.y);
    return b;
}

QByteArray szene(const QByteArrayList &references, int count, const QByteArray &tail)
{
    QByteArray b = pattern(372, 70);
    put32(b, 100, count < 0 ? references.size() : count);
    return b + references.join() + tail;
}

QByteArray templateFile(const QByteArray &record, const QByteArrayList &layers,
                        const QByteArray &recordChunk)
{
    QByteArray b = chunk(recordChunk, record);
    for (const QByteArray &layer : layers)
        b += chunk(ChunkNames::IslandLayer, layer);
    return b;
}

// 0 island, 1 slot, 2 owner, 4 bit 0 building stop, 135 name (32 bytes).
QByteArray city(int island, int slot, int owner, const QByteArray &name, bool buildStop)
{
    QByteArray b = pattern(168, island * 8 + slot + 100);
    put8(b, 0, island);
    put8(b, 1, slot);
    put8(b, 2, owner);
    put8(b, 4, (b[4] & ~1) | (buildStop ? 1 : 0));
    putText(b, 135, name);
    return b;
}

// 0 island, 3 bits 0..3 city slot, 4 + 20 * i goods slot i with its amount
// at 12 inside the slot.
QByteArray tradingPost(int island, int citySlot, const QList<quint32> &amounts)
{
    QByteArray b = pattern(1004, island * 8 + citySlot + 150);
    put8(b, 0, island);
    put8(b, 3, (b[3] & 0xF0) | (citySlot & 0x0F));
    for (int i = 0; i < amounts.size(); ++i)
        put32(b, 4 + 20 * i + 12, amounts[i]);
    return b;
}

QByteArray deer(int island)
{
    QByteArray b = pattern(8, island + 200);
    put8(b, 0, island);
    return b;
}

QByteArray deerRun(int island, int count, int first)
{
    QByteArray b;
    b.reserve(qsizetype(count) * 8);
    const QByteArray one = deer(island);
    for (int i = 0; i < count; ++i) {
        QByteArray d = one;
        put32(d, 1, first + i);
        b += d;
    }
    return b;
}

// 7 colour code, 960 name (64 bytes).
QByteArray player(int colour, const QByteArray &name)
{
    QByteArray b = pattern(1072, colour + 20);
    put8(b, 7, colour);
    putText(b, 960, name);
    return b;
}

QByteArray players(const std::array<int, 7> &colours)
{
    QByteArray b;
    for (int slot = 0; slot < 7; ++slot)
        b += player(colours[size_t(slot)], "Spieler " + QByteArray::number(slot + 1));
    return b;
}

// 0 number, 104 text (2048 bytes).
QByteArray mission(qint32 number, const QByteArray &text)
{
    QByteArray b = pattern(2244, number + 30);
    put32(b, 0, number);
    putText(b, 104, text);
    return b;
}

// 168 switch bits, 192 maximum number of ships.
QByteArray settings(quint32 maxShips, quint32 switches)
{
    QByteArray b = pattern(664, 50);
    put32(b, 168, switches);
    put32(b, 192, maxShips);
    return b;
}

// 0 name (24 bytes), 28 x, 30 y, 60 energy, 66 guns, 72 figure, 74 kind,
// 75 owner, 372 + 8 * k cargo slot k: goods, amount word, 4 carried bytes.
QByteArray ship(const QByteArray &name, int x, int y, int figure, int kind, int owner, int energy,
                int guns, const QList<std::pair<quint16, quint16>> &cargo)
{
    QByteArray b = pattern(436, x + y + 60);
    putText(b, 0, name);
    put16(b, 28, x);
    put16(b, 30, y);
    put16(b, 60, energy);
    put8(b, 66, guns);
    put16(b, 72, figure);
    put8(b, 74, kind);
    put8(b, 75, owner);
    for (int k = 0; k < 8; ++k) {
        const auto load = k < cargo.size() ? cargo[k] : std::pair<quint16, quint16>{0, 0};
        put16(b, 372 + 8 * k, load.first);
        put16(b, 372 + 8 * k + 2, load.second);
    }
    return b;
}

ScenarioBuilder &ScenarioBuilder::chunk(const QByteArray &name, const QByteArray &payload)
{
    bytes_ += scenario::chunk(name, payload);
    return *this;
}

ScenarioBuilder &ScenarioBuilder::rawHeader(const QByteArray &nameField, qint32 length)
{
    QByteArray h = nameField.left(16).leftJustified(20, '\0');
    put32(h, 16, length);
    bytes_ += h;
    return *this;
}

ScenarioBuilder &ScenarioBuilder::raw(const QByteArray &bytes)
{
    bytes_ += bytes;
    return *this;
}

QByteArray minimalScenario()
{
    return chunk(ChunkNames::Settings, settings());
}

void RichScenario::install(TempGameInstallation &game) const
{
    for (const auto &[path, bytes] : templates)
        game.addFile(path, bytes);
}

// Islands 1 to 3 are stored in the file (1 with two cities, a trading post
// each and two deer; 2 in the old layout; 3 with its ground in the template
// sued\med07.scp), island 4 comes from the template nord\mit.scp through the
// SZENE payload. The campaign chunk in the middle moves to the front on
// saving; the unknown chunk keeps the leftovers behind its name.
RichScenario richScenario()
{
    RichScenario r;

    IslandSpec one;
    one.number = 1;
    one.x = 10;
    one.y = 20;
    one.cityOwners = {0, 7, 7, 1, 7, 7, 7, 7};
    const QByteArray record1 = islandRecord(one);
    const QByteArray ground1 = tile(1, 0, 0) + tile(2, 1, 0) + tile(3, 0, 1);
    const QByteArray houses1 =
        tile(1103, 2, 3, true, 0, 0) + tile(501, 8, 2, false, 3, 1) + tile(311, 12, 8, true, 7, 7);
    const QByteArray deer1 = deer(1) + deer(1);
    const QByteArray city0 = city(1, 0, 0, "Ahlstadt");
    const QByteArray city3 = city(1, 3, 1, "Borkum", true);
    const QByteArray posts1 = tradingPost(1, 0, {32, 64}) + tradingPost(1, 3);

    IslandSpec two;
    two.number = 2;
    two.width = 8;
    two.height = 6;
    two.x = 100;
    two.y = 40;
    const QByteArray old2 = oldIslandRecord(two);
    const QByteArray ground2 = tile(4, 0, 0) + tile(5, 7, 5);

    IslandSpec three;
    three.number = 3;
    three.width = 12;
    three.height = 10;
    three.x = 300;
    three.y = 200;
    three.ownGround = 0;
    three.climate = 1;
    three.sizeClass = 2;
    three.templateNumber = 7;
    const QByteArray record3 = islandRecord(three);
    const QByteArray houses3 = tile(1501, 4, 4, true, 7, 7);

    IslandSpec four;
    four.number = 9; // the reference's number replaces the template's
    four.width = 16;
    four.height = 16;
    r.templates = {
        {"sued/med07.scp", templateFile(islandRecord(three), {tile(6, 0, 0) + tile(6, 11, 9)})},
        {"nord/mit.scp", templateFile(islandRecord(four), {tile(7, 0, 0)})},
    };
    ReferenceSpec ref4;
    ref4.sizeClass = 1;
    ref4.number = 4;
    ref4.x = 200;
    ref4.y = 100;
    const QByteArray szenePayload = szene({islandReference(ref4)});

    QByteArray campaign(4, '\0');
    put32(campaign, 0, 5);
    const QByteArray unknown = ScenarioBuilder()
                                   .rawHeader(QByteArray("ZUFALL\0lEFTOVER!", 16), 6)
                                   .raw(pattern(6, 77))
                                   .bytes();
    const QByteArray playerArea = players();
    const QByteArray missions = mission(0, "Baue eine Stadt.") + mission(1, "Handle mit Tabak.");
    const QByteArray ships = ship("Seeadler", 50, 60, 21, 1, 0, 1600, 4, {{9, 0x4000 | 320}}) +
                             ship("Karre", 20, 25, 37, 5, 1, 448, 0);
    const QByteArray timers = settings(40, 0x2AB);

    r.file = ScenarioBuilder()
                 .chunk(ChunkNames::SavegameName, "Brimtest")
                 .raw(unknown)
                 .chunk(ChunkNames::Island, record1)
                 .chunk(ChunkNames::IslandLayer, ground1)
                 .chunk(ChunkNames::IslandLayer, houses1)
                 .chunk(ChunkNames::OldIsland, old2)
                 .chunk(ChunkNames::IslandLayer, ground2)
                 .chunk(ChunkNames::Deer, deer1)
                 .chunk(ChunkNames::Cities, city3 + city0)
                 .chunk(ChunkNames::TradingPosts, posts1)
                 .chunk(ChunkNames::Campaign, campaign)
                 .chunk(ChunkNames::Island, record3)
                 .chunk(ChunkNames::IslandLayer, {})
                 .chunk(ChunkNames::IslandLayer, houses3)
                 .chunk("CUSTOM", pattern(12, 88))
                 .chunk(ChunkNames::Szene, szenePayload)
                 .chunk(ChunkNames::Players, playerArea)
                 .chunk(ChunkNames::Missions, missions)
                 .chunk(ChunkNames::Ships, ships)
                 .chunk(ChunkNames::Settings, timers)
                 .chunk("NACHSPANN", pattern(5, 99))
                 .bytes();

    auto settlements = [](const QByteArray &d, const QByteArray &c, const QByteArray &k) {
        return chunk(ChunkNames::Deer, d) + chunk(ChunkNames::Cities, c) +
               chunk(ChunkNames::TradingPosts, k);
    };
    r.saved = ScenarioBuilder()
                  .chunk(ChunkNames::Campaign, campaign)
                  .chunk(ChunkNames::SavegameName, "Brimtest")
                  .raw(unknown)
                  // every island at the first island chunk, in number order
                  .chunk(ChunkNames::Island, record1)
                  .chunk(ChunkNames::IslandLayer, ground1)
                  .chunk(ChunkNames::IslandLayer, houses1)
                  .raw(settlements(deer1, city0 + city3, posts1))
                  .chunk(ChunkNames::OldIsland, old2) // untouched, in its own layout
                  .chunk(ChunkNames::IslandLayer, ground2)
                  .raw(settlements({}, {}, {}))
                  .chunk(ChunkNames::Island, record3)
                  .chunk(ChunkNames::IslandLayer, {})
                  .chunk(ChunkNames::IslandLayer, houses3)
                  .raw(settlements({}, {}, {}))
                  .chunk("CUSTOM", pattern(12, 88))
                  .chunk(ChunkNames::Szene, szenePayload)
                  .chunk(ChunkNames::Players, playerArea)
                  .chunk(ChunkNames::Missions, missions)
                  .chunk(ChunkNames::Ships, ships)
                  .chunk(ChunkNames::Settings, timers)
                  .chunk("NACHSPANN", pattern(5, 99))
                  .bytes();
    return r;
}

} // namespace scenario
