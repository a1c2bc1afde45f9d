#include "core/document/rumoszen.h"

#include "core/common/messages.h"
#include "core/common/wholefile.h"
#include "core/format/atomicfile.h"
#include "core/game/gamepath.h"
#include "core/islands/footprinttable.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <cstring>

namespace {

constexpr int kWorldWidth = 512;
constexpr int kWorldHeight = 352;

// Copies a record chunk into its fixed area: a longer payload gives only its
// first bytes, a shorter one leaves the rest zero.
template <size_t N> void copyIntoArea(std::array<uchar, N> &area, const ScenarioChunk &chunk)
{
    area.fill(0);
    std::memcpy(area.data(), chunk.payload(), std::min<size_t>(N, size_t(chunk.length())));
}

} // namespace

RumoSzen::RumoSzen(QObject *parent) : RumoSzen(GamePath(), parent) {}

RumoSzen::RumoSzen(const QString &gamePath, QObject *parent) : QObject(parent), gamePath_(gamePath)
{
    reset();
    // The stack moves its index after a step's undo or redo has run.
    connect(&undoStack_, &QUndoStack::indexChanged, this, &RumoSzen::syncChangeCount);
}

RumoSzen::~RumoSzen()
{
    // The stack empties itself as it goes; nobody is to hear of it.
    disconnect(&undoStack_, nullptr, this, nullptr);
}

void RumoSzen::reset()
{
    // The steps point into the records that are about to go.
    undoStack_.clear();
    missionArea_.fill(0);
    for (int m = 0; m < MissionRecord::Count; ++m)
        missions().mission(m).setNumber(-1);
    playerArea_.fill(0);
    settingsArea_.fill(0);
    islands_.clear();
    deletedReferences_.clear();
    ships_.clear();
    chunks_.clear();
    lastIsland_ = nullptr;
    settingsChunk_ = NoChunk;
    notices_.clear();
    report_ = LoadReport();
    readCities_.clear();
    readPosts_.clear();
    readDeer_.clear();
    displaced_.clear();
    unplaced_.clear();
    layerInPlace_.clear();
    scenarioName_.clear();
    campaignNumber_ = -1;
    lastError_.clear();
    baseline_.Take(*this);
}

bool RumoSzen::Load(const QString &path)
{
    reset();
    // The same guarded reader as for the files beside a scenario, so that a
    // path naming a FIFO or a device neither waits nor reads without end.
    std::optional<QByteArray> bytes = ReadRegularFile(path, MaxFileSize, &lastError_);
    if (!bytes)
        return false;
    chunks_ = ChunkList::FromBytes(std::move(*bytes));
    return decodeChunks(path);
}

bool RumoSzen::Load(QIODevice &in, const QString &path)
{
    reset();
    lastError_.clear();
    chunks_ = ReadChunks(in);
    // A device that can tell its size and stopped short of it failed to read
    // (a file that shrank meanwhile reports its new size). Taking what
    // arrived would let the next save drop the rest of the file.
    if (!in.isSequential() && in.pos() < in.size()) {
        reset();
        lastError_ = in.errorString();
        return false;
    }
    return decodeChunks(path);
}

bool RumoSzen::decodeChunks(const QString &path)
{
    IslandTemplates templates(gamePath_);
    templates_ = &templates;
    layerInPlace_.assign(chunks_.size(), false);
    for (size_t i = 0; i < chunks_.size(); ++i) {
        if (chunks_[i].length() == 0)
            continue;
        bool endWalk = false;
        const bool ok = decodeChunk(i, endWalk);
        if (!ok)
            break;
        if (endWalk) {
            settingsChunk_ = i;
            break;
        }
    }
    placeSettlements();
    templates_ = nullptr;
    if (settingsChunk_ == NoChunk) {
        lastError_ = msg::noScenarioSettings();
        return false;
    }
    filePath_ = path;
    fileName_ = QFileInfo(path).fileName();
    baseline_.Take(*this);
    return true;
}

bool RumoSzen::decodeChunk(size_t index, bool &endWalk)
{
    ScenarioChunk &chunk = chunks_[index];
    const QByteArrayView name = chunk.nameView();
    const uchar *payload = chunk.payload();
    const qint32 length = chunk.length();
    if (name == "INSEL5" || name == "INSEL_MAXFUN") {
        return addIsland(
            Insel::FromChunk(payload, length, name == "INSEL_MAXFUN", *templates_, notices_));
    }
    if (name == "HIRSCH2") {
        decodeDeer(chunk);
    } else if (name == "SZENE_KAMPAGNE") {
        if (length >= 4)
            campaignNumber_ = le::i32(payload, 0);
    } else if (name == "INSELHAUS") {
        // Only an island of the scenario's own writes its layers. A layer
        // after a template reference is shown on that island, and any other
        // layer on none; both go back where they stood, so that the next
        // load meets them after the same chunks again.
        if (lastIsland_)
            lastIsland_->AddLayer(payload, length);
        else
            ++report_.layersWithoutIsland;
        layerInPlace_[index] = !lastIsland_ || !lastIsland_->fromChunk();
    } else if (name == "AUFTRAG4") {
        copyIntoArea(missionArea_, chunk);
    } else if (name == "TIMERS") {
        copyIntoArea(settingsArea_, chunk);
        endWalk = true;
    } else if (name == "SZENE") {
        decodeSzene(chunk);
    } else if (name == "PLAYER4") {
        copyIntoArea(playerArea_, chunk);
    } else if (name == "STADT4") {
        decodeCities(chunk);
    } else if (name == "KONTOR2") {
        decodeTradingPosts(chunk);
    } else if (name == "SHIP4") {
        decodeShips(chunk);
    } else if (name == "NAME") {
        scenarioName_ = ansi::readField(payload, length);
    }
    return true;
}

bool RumoSzen::addIsland(std::unique_ptr<Insel> island)
{
    if (!island)
        return false;
    const size_t number = size_t(island->number());
    if (islands_.size() <= number)
        islands_.resize(number + 1);
    lastIsland_ = island.get();
    std::unique_ptr<Insel> &entry = islands_[number];
    // The scenario's own island keeps its number against a reference: a save
    // writes the own islands where the first of them stood, so the order in
    // which the next load meets the two would otherwise depend on the save.
    if (entry && entry->fromChunk() && !island->fromChunk()) {
        displaced_.push_back(std::move(island));
        return true;
    }
    if (entry)
        displaced_.push_back(std::move(entry));
    entry = std::move(island);
    return true;
}

void RumoSzen::decodeSzene(ScenarioChunk &chunk)
{
    uchar *payload = chunk.payload();
    const qint32 length = chunk.length();
    if (length < IslandReference::CountOffset + 4)
        return;
    const qint32 count = le::i32(payload, IslandReference::CountOffset);
    for (qint32 i = 0; i < count; ++i) {
        const qint64 offset = IslandReference::FirstOffset + qint64(IslandReference::Size) * i;
        if (offset + IslandReference::Size > length)
            break; // references beyond the payload do not exist
        auto island =
            Insel::FromReference(IslandReference(payload + offset), *templates_, notices_);
        if (island) {
            addIsland(std::move(island));
        } else {
            lastIsland_ = nullptr;
            report_.referencesWithoutTemplate.push_back(
                IslandReference(payload + offset).islandNumber());
        }
    }
}

void RumoSzen::decodeCities(ScenarioChunk &chunk)
{
    const qint32 count = chunk.length() / CityRecord::Size;
    for (qint32 i = 0; i < count; ++i)
        readCities_.emplace_back(chunk.payload() + qsizetype(CityRecord::Size) * i);
}

void RumoSzen::decodeTradingPosts(ScenarioChunk &chunk)
{
    const qint32 count = chunk.length() / TradingPostRecord::Size;
    for (qint32 i = 0; i < count; ++i)
        readPosts_.emplace_back(chunk.payload() + qsizetype(TradingPostRecord::Size) * i);
}

void RumoSzen::decodeDeer(ScenarioChunk &chunk)
{
    const qint32 count = chunk.length() / DeerRecord::Size;
    if (count == 0)
        return;
    // The first record names the island of the whole chunk; a record naming
    // another island is rejected.
    const quint8 number = chunk.payload()[0];
    DeerList &deer = readDeer_[number];
    for (qint32 i = 0; i < count; ++i) {
        const DeerRecord record(chunk.payload() + qsizetype(DeerRecord::Size) * i);
        if (record.islandNumber() == number) {
            deer.append(record);
            continue;
        }
        notices_ << msg::invalidIslandNumber();
        auto &rejected = report_.rejectedDeer;
        if (rejected.empty() || rejected.back().chunkIsland != number ||
            rejected.back().namedIsland != record.islandNumber())
            rejected.push_back({number, record.islandNumber(), 0});
        ++rejected.back().count;
    }
}

UnplacedSettlements &RumoSzen::unplacedOf(int number)
{
    auto it = std::lower_bound(unplaced_.begin(), unplaced_.end(), number,
                               [](const UnplacedSettlements &u, int n) { return u.island < n; });
    if (it == unplaced_.end() || it->island != number) {
        it = unplaced_.insert(it, UnplacedSettlements());
        it->island = number;
    }
    return *it;
}

void RumoSzen::placeSettlements()
{
    for (const CityRecord &city : readCities_) {
        Insel *owner = island(city.islandNumber());
        // Only slots that the island record has an owner entry for exist. A
        // slot holds the first city that names it; a later one is kept
        // beside the island, so that the save writes it back.
        if (!owner || city.slot() >= IslandRecord::CitySlots || owner->cityInSlot(city.slot())) {
            unplacedOf(city.islandNumber()).cities.push_back(city);
            continue;
        }
        auto &cities = owner->cities();
        if (cities.size() <= city.slot())
            cities.resize(size_t(city.slot()) + 1);
        cities[city.slot()] = city;
    }
    for (const TradingPostRecord &post : readPosts_) {
        if (Insel *owner = island(post.islandNumber()))
            owner->tradingPosts().push_back(post);
        else
            unplacedOf(post.islandNumber()).tradingPosts.push_back(post);
    }
    for (auto &[number, deer] : readDeer_) {
        if (deer.empty())
            continue;
        Insel *owner = island(number);
        (owner ? owner->deer() : unplacedOf(number).deer) = std::move(deer);
    }
    readCities_.clear();
    readPosts_.clear();
    readDeer_.clear();
    std::stable_sort(displaced_.begin(), displaced_.end(), [](const auto &a, const auto &b) {
        return std::pair(a->number(), a->fromChunk()) < std::pair(b->number(), b->fromChunk());
    });
}

void RumoSzen::decodeShips(ScenarioChunk &chunk)
{
    const qint32 count = chunk.length() / ShipRecord::Size;
    ships_.clear();
    ships_.reserve(size_t(count));
    for (qint32 i = 0; i < count; ++i)
        ships_.emplace_back(chunk.payload() + qsizetype(ShipRecord::Size) * i);
}

size_t RumoSzen::islandSectionChunk() const
{
    const size_t end = std::min(settingsChunk_, chunks_.size());
    auto firstOf = [&](std::initializer_list<QByteArrayView> names, bool built) {
        for (size_t i = 0; i < end; ++i) {
            const QByteArrayView name = chunks_[i].nameView();
            for (QByteArrayView n : names) {
                if (name == n && (!built || chunks_[i].length() > 0))
                    return i;
            }
        }
        return NoChunk;
    };
    // The first island chunk the load built an island from: an empty one
    // before it builds none, and a tile layer between the two that followed
    // a template reference would otherwise meet the islands before it at the
    // next load.
    const size_t island = firstOf({"INSEL5", "INSEL_MAXFUN"}, true);
    return island != NoChunk ? island : firstOf({"HIRSCH2", "STADT4", "KONTOR2"}, false);
}

bool RumoSzen::WriteTo(QIODevice &out)
{
    ChunkWriter writer(out);
    if (campaignNumber_ >= 0) {
        uchar number[4];
        le::setI32(number, 0, campaignNumber_);
        writer.WriteChunkHeader("SZENE_KAMPAGNE", 4);
        writer.WriteBytes(number, 4);
    }
    // All islands go where the first island chunk stood. A file without one
    // may still hold settlements of islands built from references; they go
    // where the first settlement chunk stood.
    const size_t islandSection = islandSectionChunk();
    for (size_t i = 0; i < chunks_.size(); ++i) {
        const ScenarioChunk &chunk = chunks_[i];
        const QByteArrayView name = chunk.nameView();
        if (i > settingsChunk_) {
            // The load never decoded anything after the settings chunk, so
            // nothing of the document stands for these chunks: they are
            // written exactly as read.
            writer.WriteChunk(chunk);
        } else if (i == islandSection) {
            writeIslands(writer);
        } else if (name == "INSELHAUS" && layerInPlace_[i]) {
            writer.WriteChunk(chunk);
        } else if (name == "INSEL5" || name == "INSEL_MAXFUN" || name == "INSELHAUS" ||
                   name == "HIRSCH2" || name == "STADT4" || name == "KONTOR2" ||
                   name == "SZENE_KAMPAGNE") {
            // Written by the islands and by the campaign number above.
        } else if (name == "PLAYER4") {
            writer.WriteChunkHeader("PLAYER4", PlayerArea::Size);
            writer.WriteBytes(playerArea_.data(), PlayerArea::Size);
        } else if (name == "AUFTRAG4") {
            const int count = missions().usedCount();
            writer.WriteChunkHeader("AUFTRAG4", count * MissionRecord::Size);
            writer.WriteBytes(missionArea_.data(), qsizetype(count) * MissionRecord::Size);
        } else if (name == "SZENE") {
            writeSzene(writer, chunk);
        } else if (name == "TIMERS") {
            // A scenario without any island or settlement chunk gets its
            // islands of its own (inserted ones) before its settings.
            if (islandSection == NoChunk)
                writeIslands(writer);
            writer.WriteChunkHeader("TIMERS", ScenarioSettings::Size);
            writer.WriteBytes(settingsArea_.data(), ScenarioSettings::Size);
        } else if (name == "SHIP4") {
            writer.WriteChunkHeader("SHIP4", qint32(ships_.size()) * ShipRecord::Size);
            for (const ShipRecord &ship : ships_)
                writer.WriteBytes(ship.data(), ShipRecord::Size);
        } else {
            writer.WriteChunk(chunk);
        }
    }
    return writer.ok();
}

void RumoSzen::writeIslands(ChunkWriter &out) const
{
    auto displaced = displaced_.begin();
    auto unplaced = unplaced_.begin();
    for (int number = 0; size_t(number) < islands_.size() || displaced != displaced_.end() ||
                         unplaced != unplaced_.end();
         ++number) {
        // A reference among them writes nothing: the settlements of its
        // number belong to the island shown.
        for (; displaced != displaced_.end() && (*displaced)->number() == number; ++displaced)
            (*displaced)->Write(out, false);
        if (const Insel *shown = island(number))
            shown->Write(out, false);
        if (unplaced != unplaced_.end() && unplaced->island == number)
            (unplaced++)->Write(out);
    }
}

bool RumoSzen::Save(const QString &path)
{
    lastError_.clear();
    if (!WriteFileAtomically(
            path, [this](QIODevice &out) { return WriteTo(out); }, &lastError_))
        return false;
    filePath_ = path;
    fileName_ = QFileInfo(path).fileName();
    SetModified(false);
    return true;
}

void RumoSzen::SetModified(bool changed)
{
    if (changed) {
        ++changeCount_;
    } else {
        undoStack_.setClean();
        changeCount_ = 0;
    }
    emit modifiedChanged(changeCount_);
}

int RumoSzen::stepsFromClean() const
{
    const int clean = undoStack_.cleanIndex();
    // A clean state pushed off the stack can never be reached again.
    if (clean < 0)
        return std::max(1, undoStack_.index());
    return std::abs(undoStack_.index() - clean);
}

bool RumoSzen::RecordChanges(const QString &text, int typing)
{
    std::unique_ptr<DocumentEdit> edit = baseline_.ChangesSince(*this, text, typing);
    const bool changed = edit != nullptr;
    if (edit)
        undoStack_.push(edit.release()); // its redo takes the new baseline
    syncChangeCount();
    return changed;
}

void RumoSzen::RecordIslandMove(Insel &island, int dx, int dy)
{
    if (dx != 0 || dy != 0)
        undoStack_.push(new IslandMoveEdit(*this, island, QPoint(dx, dy)));
}

void RumoSzen::StepApplied()
{
    baseline_.Take(*this);
}

std::vector<RumoSzen::EditableBlock> RumoSzen::editableBlocks()
{
    std::vector<EditableBlock> blocks;
    blocks.push_back({settingsArea_.data(), ScenarioSettings::Size, ObjectRef::forSettings()});
    for (int m = 0; m < MissionRecord::Count; ++m)
        blocks.push_back(
            {missions().mission(m).data(), MissionRecord::Size, ObjectRef::forMission(m)});
    for (int p = 0; p < PlayerRecord::Count; ++p)
        blocks.push_back({players().player(p).data(), PlayerRecord::Size, ObjectRef::forPlayer(p)});
    for (size_t i = 0; i < ships_.size(); ++i)
        blocks.push_back({ships_[i].data(), ShipRecord::Size, ObjectRef::forShip(int(i))});
    for (const auto &island : islands_) {
        if (!island)
            continue;
        const int number = island->number();
        for (const CityRecord &city : island->cities()) {
            if (city)
                blocks.push_back(
                    {city.data(), CityRecord::Size, ObjectRef::forCity(number, city.slot())});
        }
        for (const TradingPostRecord &post : island->tradingPosts()) {
            const CityRecord city = island->cityInSlot(post.citySlot());
            blocks.push_back({post.data(), TradingPostRecord::Size,
                              city ? ObjectRef::forCity(number, city.slot())
                                   : ObjectRef::forTradingPost(number, post.citySlot())});
        }
        blocks.push_back(
            {island->record().data(), IslandRecord::Size, ObjectRef::forIsland(number)});
    }
    return blocks;
}

void RumoSzen::syncChangeCount()
{
    if (changeCount_ != stepsFromClean()) {
        changeCount_ = stepsFromClean();
        emit modifiedChanged(changeCount_);
    }
}

Insel *RumoSzen::island(int number) const
{
    return number >= 0 && size_t(number) < islands_.size() ? islands_[size_t(number)].get()
                                                           : nullptr;
}

Insel *RumoSzen::IslandAt(int x, int y) const
{
    for (const auto &island : islands_) {
        if (island && island->HitTest(x, y))
            return island.get();
    }
    return nullptr;
}

ShipRecord RumoSzen::ShipAt(int x, int y) const
{
    double best = 1000.0;
    ShipRecord candidate;
    for (const ShipRecord &ship : ships_) {
        const double dx = double(x) - ship.x();
        const double dy = double(y) - ship.y();
        const double distance = std::sqrt(dx * dx + dy * dy);
        if (distance < best) {
            best = distance;
            candidate = ship;
        }
    }
    return best < 6.0 ? candidate : ShipRecord();
}

CityRecord RumoSzen::CityAt(int x, int y) const
{
    for (const auto &island : islands_) {
        if (!island)
            continue;
        const TileRect b = *island->GetBounds();
        // Here both edges of the island count.
        if (x < b.left || x > b.right || y < b.top || y > b.bottom)
            continue;
        const auto &layers = island->layers();
        for (size_t l = 1; l < layers.size(); ++l) {
            const Inselhaus &layer = *layers[l];
            int slot = TileRecord::NoCity;
            bool found = false;
            for (int t = 0; t < layer.tileCount() && !found; ++t) {
                const TileRecord tile = layer.tile(t);
                const Footprint f = FootprintOf(tile.building());
                const int left = island->x() + tile.column();
                const int top = island->y() + tile.row();
                if (left <= x && x <= left + f.first && top <= y && y <= top + f.second) {
                    found = true;
                    slot = tile.citySlot();
                }
            }
            if (found && slot < TileRecord::NoCity) {
                const CityRecord city = island->cityInSlot(slot);
                if (city)
                    return city;
                break; // this island yields nothing; try the next island
            }
        }
    }
    return CityRecord();
}

std::optional<TileRect> RumoSzen::CityBounds(const Insel &island, int slot) const
{
    if (island.layers().size() < 2)
        return std::nullopt;
    TileRect r{1000, 1000, 0, 0};
    const Inselhaus &layer = *island.layers()[1];
    for (int t = 0; t < layer.tileCount(); ++t) {
        const TileRecord tile = layer.tile(t);
        if (tile.citySlot() != slot)
            continue;
        const int col = island.x() + tile.column();
        const int row = island.y() + tile.row();
        r.left = std::min(r.left, col);
        r.top = std::min(r.top, row);
        r.right = std::max(r.right, col);
        r.bottom = std::max(r.bottom, row);
    }
    return r;
}

Insel *RumoSzen::IslandOf(const CityRecord &city) const
{
    return city ? island(city.islandNumber()) : nullptr;
}

TradingPostRecord RumoSzen::TradingPostOf(const CityRecord &city) const
{
    const Insel *owner = IslandOf(city);
    if (!owner)
        return TradingPostRecord();
    for (const TradingPostRecord &post : owner->tradingPosts()) {
        if (post.citySlot() == city.slot())
            return post;
    }
    return TradingPostRecord();
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
    return b.left >= 0 && b.top >= 0 && b.right <= kWorldWidth && b.bottom <= kWorldHeight;
}

const Insel *RumoSzen::islandInTheWay(const TileRect &bounds, const Insel *self) const
{
    for (const auto &other : islands_) {
        if (other && other.get() != self && other->GetBounds()->overlaps(bounds))
            return other.get();
    }
    return nullptr;
}

bool RumoSzen::DeleteIsland(Insel &doomed)
{
    if (!doomed.CanDelete() || island(doomed.number()) != &doomed)
        return false;
    undoStack_.push(new IslandDeleteEdit(*this, doomed));
    return true;
}

std::unique_ptr<Insel> RumoSzen::TakeIsland(int number)
{
    if (!island(number))
        return nullptr;
    if (const uchar *entry = islands_[size_t(number)]->referenceEntry())
        deletedReferences_.push_back(entry);
    return std::move(islands_[size_t(number)]);
}

void RumoSzen::PutBackIsland(std::unique_ptr<Insel> island)
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

bool RumoSzen::ExportIsland(const Insel &island, const QString &path) const
{
    lastError_.clear();
    return WriteFileAtomically(
        path,
        [&island](QIODevice &out) {
            ChunkWriter writer(out);
            island.Write(writer, true);
            return writer.ok();
        },
        &lastError_);
}

bool RumoSzen::SetCityOwner(CityRecord city, int slot)
{
    const auto owner = slot >= 0 && slot < PlayerRecord::Count ? std::optional(slot) : std::nullopt;
    Insel *home = IslandOf(city);
    if (!owner || !home)
        return false;
    home->record().setCityOwner(city.slot(), quint8(*owner));
    city.setOwner(quint8(*owner));
    // Tiles of slot 7 belong to no city, so a city can only recolour 0..6.
    if (city.slot() >= TileRecord::NoCity)
        return true;
    // Each layer copies its tiles before the first change, so islands that
    // share a template's layers keep their colours.
    for (const auto &layer : home->layers())
        layer->RecolourCity(city.slot(), *owner);
    return true;
}

void RumoSzen::EmptyShipsOf(int player)
{
    for (const ShipRecord &ship : ships_) {
        if (ship.owner() != player || ship.isCart())
            continue;
        for (int k = 0; k < ShipRecord::CargoSlots; ++k) {
            ship.cargo(k).setGoods(0);
            ship.cargo(k).setAmount(0);
        }
    }
}

void RumoSzen::EmptyCartsOf(int player)
{
    for (const ShipRecord &ship : ships_) {
        if (ship.owner() != player || !ship.isCart())
            continue;
        for (int k = 0; k < ShipRecord::CargoSlots; ++k)
            ship.cargo(k).setAmount(0);
    }
}

void RumoSzen::EmptyTradingPostsOf(int player)
{
    for (const auto &island : islands_) {
        if (!island)
            continue;
        for (TradingPostRecord &post : island->tradingPosts()) {
            const CityRecord city = island->cityInSlot(post.citySlot());
            if (city && city.owner() == player)
                post.clear();
        }
    }
}
