// Moving, inserting and deleting islands: the parts of RumoSzen that place
// islands in the world, add them to it or take them out of it, with the
// placing rule they share.

#include "core/common/messages.h"
#include "core/common/world.h"
#include "core/document/rumoszen.h"
#include "core/format/chunknames.h"

#include <algorithm>
#include <bitset>

std::optional<int> RumoSzen::freeIslandNumber() const
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

QString RumoSzen::whyNotPlace(const Insel &island, int x, int y) const
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

Insel *RumoSzen::insertIsland(std::unique_ptr<Insel> island, int x, int y)
{
    const std::optional<int> number = freeIslandNumber();
    if (!island || !number || !canPlaceIsland(*island, x, y))
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

bool RumoSzen::MoveIsland(Insel &moved, int dx, int dy)
{
    moved.MoveBy(dx, dy);
    const TileRect b = *moved.GetBounds();
    moveValid_ = insideWorld(b) && !islandInTheWay(b, &moved);
    return moveValid_;
}

bool RumoSzen::insideWorld(const TileRect &b)
{
    return b.left >= 0 && b.top >= 0 && b.right <= World::Width && b.bottom <= World::Height;
}

const Insel *RumoSzen::islandInTheWay(const TileRect &bounds, const Insel *self) const
{
    for (const auto &other : islands_) {
        if (other && other.get() != self && other->GetBounds()->overlaps(bounds))
            return other.get();
    }
    return nullptr;
}

bool RumoSzen::deleteIsland(Insel &doomed)
{
    if (!doomed.canDelete() || island(doomed.number()) != &doomed)
        return false;
    undoStack_.push(new IslandDeleteEdit(*this, doomed));
    return true;
}

std::unique_ptr<Insel> RumoSzen::takeIsland(int number)
{
    if (!island(number))
        return nullptr;
    if (const uchar *entry = islands_[size_t(number)]->referenceEntry())
        deletedReferences_.push_back(entry);
    return std::move(islands_[size_t(number)]);
}

void RumoSzen::putBackIsland(std::unique_ptr<Insel> island)
{
    if (!island)
        return;
    if (const uchar *entry = island->referenceEntry())
        std::erase(deletedReferences_, entry);
    const size_t number = size_t(island->number());
    if (islands_.size() <= number)
        islands_.resize(number + 1);
    islands_[number] = std::move(island);
}
