#pragma once

#include "core/islands/cityrecord.h"
#include "core/islands/deerrecord.h"
#include "core/islands/islandtemplates.h"
#include "core/islands/tradingpostrecord.h"

#include <map>
#include <memory>
#include <vector>

class Insel;
class RumoSzen;
class ScenarioChunk;
struct UnplacedSettlements;

// The load's walk over the chunks a document just read: each chunk the load
// decodes goes to its decoder, up to the settings chunk that ends the walk.
// What only the walk needs (the templates read, the island the tile layers
// belong to, the settlement records not yet placed) lives here and goes with
// it; the islands, records and the load report go into the document.
class ScenarioReader {
public:
    explicit ScenarioReader(RumoSzen &doc);

    // Decodes the document's chunks; false when no settings chunk ended the
    // walk.
    bool decode();

private:
    // False when the chunk ends the walk unread (an island chunk that gives
    // no island).
    bool decodeChunk(size_t index, bool &endWalk);
    bool addIsland(std::unique_ptr<Insel> island);
    void decodeSzene(ScenarioChunk &chunk);
    void decodeCities(ScenarioChunk &chunk);
    void decodeTradingPosts(ScenarioChunk &chunk);
    void decodeDeer(ScenarioChunk &chunk);
    void decodeShips(ScenarioChunk &chunk);
    // Gives the settlements the walk read to the islands of their numbers
    // and keeps the rest as unplaced: only when the walk has ended is it
    // known which island holds a number.
    void placeSettlements();
    UnplacedSettlements &unplacedOf(int number);

    RumoSzen &doc_;
    IslandTemplates templates_;
    // The island the next tile layer belongs to; none before the first
    // island and after a reference whose template gave no island.
    Insel *lastIsland_ = nullptr;
    // The settlement records of the walk, in reading order.
    std::vector<CityRecord> cities_;
    std::vector<TradingPostRecord> posts_;
    std::map<int, DeerList> deer_;
};
