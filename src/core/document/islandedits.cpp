// Inserting islands and deleting islands built from references: the parts of
// RumoSzen that add islands to a world or take referenced ones out of it.

#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "core/format/chunknames.h"

#include <algorithm>
#include <bitset>

std::optional<int> RumoSzen::FreeIslandNumber() const
{
    std::bitset<256> used;
    // Islands kept behind the shown one of their number are saved too.
    for (const auto *list : {&islands_, &displaced_}) {
        for (const auto &island : *list) {
            if (island)
                used.set(island->number());
        }
    }
    // Entries of the SZENE payload whose template was missing stay in the
    // file and build their island again once the template is there.
    for (int number : report_.referencesWithoutTemplate)
        used.set(size_t(number) & 0xFF);
    for (const UnplacedSettlements &settlements : unplaced_)
        used.set(size_t(settlements.island) & 0xFF);
    for (int number = 0; number < int(used.size()); ++number) {
        if (!used.test(size_t(number)))
            return number;
    }
    return std::nullopt;
}

QString RumoSzen::WhyNotPlace(const Insel &island, int x, int y) const
{
    // Far positions would overflow the bounds; they are outside anyway.
    const bool near = x >= 0 && y >= 0 && x <= Insel::FarOutside && y <= Insel::FarOutside;
    const TileRect bounds =
        near ? TileRect{x, y, x + island.width(), y + island.height()} : TileRect{};
    if (!near || !insideWorld(bounds))
        return msg::placeOutsideWorld(x, y, island.width(), island.height());
    if (const Insel *other = islandInTheWay(bounds, &island))
        return msg::placeOverlaps(x, y, other->number());
    return QString();
}

Insel *RumoSzen::InsertIsland(std::unique_ptr<Insel> island, int x, int y)
{
    const std::optional<int> number = FreeIslandNumber();
    if (!island || !number || !CanPlaceIsland(*island, x, y))
        return nullptr;
    // A template's layer may be longer than a scenario chunk may be (the
    // ground of a duplicated reference island); saved, it would end the
    // reading of the scenario there.
    const auto &layers = island->layers();
    if (std::any_of(layers.begin(), layers.end(),
                    [](const auto &layer) { return layer->byteSize() > ScenarioChunk::MaxLength; }))
        return nullptr;
    // The factories made it an island of its own without city owners and
    // with its own ground; it takes its number and place here.
    island->record().setNumber(quint8(*number));
    island->MoveBy(x - island->x(), y - island->y());
    Insel *inserted = island.get();
    undoStack_.push(new IslandInsertEdit(*this, std::move(island)));
    return inserted;
}

// The islands built from references view their entries inside the SZENE
// payload, which never moves while the document lives. So a deletion does
// not touch the payload (the other islands' views stay valid, and undo needs
// nothing but the island back); the save writes the payload without the
// deleted islands' entries instead: each 16-byte entry cut out, every byte
// after it moved up, the count at offset 100 lowered by one per entry, and
// every other byte as read. The remaining entries keep their order.
void RumoSzen::writeSzene(ChunkWriter &out, const ScenarioChunk &chunk) const
{
    const uchar *payload = chunk.payload();
    const qsizetype length = chunk.length();
    std::vector<qsizetype> cut;
    for (const uchar *entry : deletedReferences_) {
        if (entry >= payload && entry < payload + length)
            cut.push_back(entry - payload);
    }
    if (cut.empty()) {
        out.WriteChunk(chunk);
        return;
    }
    std::sort(cut.begin(), cut.end());
    QByteArray bytes(reinterpret_cast<const char *>(payload), length);
    for (auto offset = cut.rbegin(); offset != cut.rend(); ++offset)
        bytes.remove(*offset, IslandReference::Size);
    auto *data = reinterpret_cast<uchar *>(bytes.data());
    le::setI32(data, IslandReference::CountOffset,
               le::i32(data, IslandReference::CountOffset) - qint32(cut.size()));
    out.WriteChunkHeader(ChunkNames::Szene, qint32(bytes.size()));
    out.WriteBytes(bytes.constData(), bytes.size());
}
