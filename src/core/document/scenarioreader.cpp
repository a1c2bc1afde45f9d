#include "core/document/scenarioreader.h"

#include "core/common/messages.h"
#include "core/common/wholefile.h"
#include "core/document/rumoszen.h"
#include "core/format/chunknames.h"

#include <QFileInfo>
#include <cstring>

namespace {

// Copies a record chunk into its fixed area: a longer payload gives only its
// first bytes, a shorter one leaves the rest zero.
template <size_t N> void copyIntoArea(std::array<uchar, N> &area, const ScenarioChunk &chunk)
{
    area.fill(0);
    std::memcpy(area.data(), chunk.payload(), std::min<size_t>(N, size_t(chunk.length())));
}

} // namespace

Result<RumoSzen::LoadReport> RumoSzen::Load(const QString &path)
{
    reset();
    // The same guarded reader as for the files beside a scenario, so that a
    // path naming a FIFO or a device neither waits nor reads without end.
    Result<QByteArray> bytes = readRegularFile(path, MaxFileSize);
    if (!bytes)
        return Failure{bytes.error()};
    chunks_ = ChunkList::fromBytes(std::move(bytes).value());
    return decodeChunks(path);
}

Result<RumoSzen::LoadReport> RumoSzen::Load(QIODevice &in, const QString &path)
{
    reset();
    chunks_ = ReadChunks(in);
    // A device that can tell its size and stopped short of it failed to read
    // (a file that shrank meanwhile reports its new size). Taking what
    // arrived would let the next save drop the rest of the file.
    if (!in.isSequential() && in.pos() < in.size()) {
        reset();
        return Failure{in.errorString()};
    }
    return decodeChunks(path);
}

Result<RumoSzen::LoadReport> RumoSzen::decodeChunks(const QString &path)
{
    layerInPlace_.assign(chunks_.size(), false);
    if (!ScenarioReader(*this).decode())
        return Failure{msg::noScenarioSettings()};
    filePath_ = path;
    fileName_ = QFileInfo(path).fileName();
    baseline_.take(*this);
    return report_;
}

ScenarioReader::ScenarioReader(RumoSzen &doc) : doc_(doc), templates_(doc.gamePath_) {}

bool ScenarioReader::decode()
{
    ChunkList &chunks = doc_.chunks_;
    for (size_t i = 0; i < chunks.size(); ++i) {
        if (chunks[i].length() == 0)
            continue;
        bool endWalk = false;
        const bool ok = decodeChunk(i, endWalk);
        if (!ok)
            break;
        if (endWalk) {
            doc_.settingsChunk_ = i;
            break;
        }
    }
    placeSettlements();
    return doc_.settingsChunk_ != RumoSzen::NoChunk;
}

bool ScenarioReader::decodeChunk(size_t index, bool &endWalk)
{
    ScenarioChunk &chunk = doc_.chunks_[index];
    const QByteArrayView name = chunk.nameView();
    const uchar *payload = chunk.payload();
    const qint32 length = chunk.length();
    if (name == ChunkNames::Island || name == ChunkNames::OldIsland) {
        return addIsland(Insel::fromChunkPayload(payload, length, name == ChunkNames::OldIsland,
                                                 templates_, doc_.report_.notices));
    }
    if (name == ChunkNames::Deer) {
        decodeDeer(chunk);
    } else if (name == ChunkNames::Campaign) {
        if (length >= 4)
            doc_.campaignNumber_ = le::i32(payload, 0);
    } else if (name == ChunkNames::IslandLayer) {
        // Only an island of the scenario's own writes its layers. A layer
        // after a template reference is shown on that island, and any other
        // layer on none; both go back where they stood, so that the next
        // load meets them after the same chunks again.
        if (lastIsland_)
            lastIsland_->addLayer(payload, length);
        else
            ++doc_.report_.layersWithoutIsland;
        doc_.layerInPlace_[index] = !lastIsland_ || !lastIsland_->fromChunk();
    } else if (name == ChunkNames::Missions) {
        copyIntoArea(doc_.missionArea_, chunk);
    } else if (name == ChunkNames::Settings) {
        copyIntoArea(doc_.settingsArea_, chunk);
        endWalk = true;
    } else if (name == ChunkNames::Szene) {
        decodeSzene(chunk);
    } else if (name == ChunkNames::Players) {
        copyIntoArea(doc_.playerArea_, chunk);
    } else if (name == ChunkNames::Cities) {
        decodeCities(chunk);
    } else if (name == ChunkNames::TradingPosts) {
        decodeTradingPosts(chunk);
    } else if (name == ChunkNames::Ships) {
        decodeShips(chunk);
    } else if (name == ChunkNames::SavegameName) {
        doc_.scenarioName_ = ansi::readField(payload, length);
    }
    return true;
}

bool ScenarioReader::addIsland(std::unique_ptr<Insel> island)
{
    if (!island)
        return false;
    const size_t number = size_t(island->number());
    if (doc_.islands_.size() <= number)
        doc_.islands_.resize(number + 1);
    lastIsland_ = island.get();
    std::unique_ptr<Insel> &entry = doc_.islands_[number];
    // The scenario's own island keeps its number against a reference: a save
    // writes the own islands where the first of them stood, so the order in
    // which the next load meets the two would otherwise depend on the save.
    if (entry && entry->fromChunk() && !island->fromChunk()) {
        doc_.displaced_.push_back(std::move(island));
        return true;
    }
    if (entry)
        doc_.displaced_.push_back(std::move(entry));
    entry = std::move(island);
    return true;
}

void ScenarioReader::decodeSzene(ScenarioChunk &chunk)
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
        auto island = Insel::fromReference(IslandReference(payload + offset), templates_,
                                           doc_.report_.notices);
        if (island) {
            addIsland(std::move(island));
        } else {
            lastIsland_ = nullptr;
            doc_.report_.referencesWithoutTemplate.push_back(
                IslandReference(payload + offset).islandNumber());
        }
    }
}

void ScenarioReader::decodeCities(ScenarioChunk &chunk)
{
    const qint32 count = chunk.length() / CityRecord::Size;
    for (qint32 i = 0; i < count; ++i)
        cities_.emplace_back(chunk.payload() + qsizetype(CityRecord::Size) * i);
}

void ScenarioReader::decodeTradingPosts(ScenarioChunk &chunk)
{
    const qint32 count = chunk.length() / TradingPostRecord::Size;
    for (qint32 i = 0; i < count; ++i)
        posts_.emplace_back(chunk.payload() + qsizetype(TradingPostRecord::Size) * i);
}

void ScenarioReader::decodeDeer(ScenarioChunk &chunk)
{
    const qint32 count = chunk.length() / DeerRecord::Size;
    if (count == 0)
        return;
    // The first record names the island of the whole chunk; a record naming
    // another island is rejected.
    const quint8 number = chunk.payload()[0];
    DeerList &deer = deer_[number];
    for (qint32 i = 0; i < count; ++i) {
        const DeerRecord record(chunk.payload() + qsizetype(DeerRecord::Size) * i);
        if (record.islandNumber() == number) {
            deer.append(record);
            continue;
        }
        doc_.report_.notices << msg::invalidIslandNumber();
        auto &rejected = doc_.report_.rejectedDeer;
        if (rejected.empty() || rejected.back().chunkIsland != number ||
            rejected.back().namedIsland != record.islandNumber())
            rejected.push_back({number, record.islandNumber(), 0});
        ++rejected.back().count;
    }
}

UnplacedSettlements &ScenarioReader::unplacedOf(int number)
{
    auto it = std::lower_bound(doc_.unplaced_.begin(), doc_.unplaced_.end(), number,
                               [](const UnplacedSettlements &u, int n) { return u.island < n; });
    if (it == doc_.unplaced_.end() || it->island != number) {
        it = doc_.unplaced_.insert(it, UnplacedSettlements());
        it->island = number;
    }
    return *it;
}

void ScenarioReader::placeSettlements()
{
    for (const CityRecord &city : cities_) {
        Insel *owner = doc_.island(city.islandNumber());
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
    for (const TradingPostRecord &post : posts_) {
        if (Insel *owner = doc_.island(post.islandNumber()))
            owner->tradingPosts().push_back(post);
        else
            unplacedOf(post.islandNumber()).tradingPosts.push_back(post);
    }
    for (auto &[number, deer] : deer_) {
        if (deer.empty())
            continue;
        Insel *owner = doc_.island(number);
        (owner ? owner->deer() : unplacedOf(number).deer) = std::move(deer);
    }
    cities_.clear();
    posts_.clear();
    deer_.clear();
    std::stable_sort(
        doc_.displaced_.begin(), doc_.displaced_.end(), [](const auto &a, const auto &b) {
            return std::pair(a->number(), a->fromChunk()) < std::pair(b->number(), b->fromChunk());
        });
}

void ScenarioReader::decodeShips(ScenarioChunk &chunk)
{
    const qint32 count = chunk.length() / ShipRecord::Size;
    doc_.ships_.clear();
    doc_.ships_.reserve(size_t(count));
    for (qint32 i = 0; i < count; ++i)
        doc_.ships_.emplace_back(chunk.payload() + qsizetype(ShipRecord::Size) * i);
}
