#pragma once

#include "core/islands/cityrecord.h"
#include "core/islands/deerrecord.h"
#include "core/islands/tradingpostrecord.h"

#include <vector>

class ChunkWriter;

// Settlement records of one island number that the map cannot show: the
// number names no island (none in the file, or one whose template could not
// be read), or a city stands in a slot no island has (8 and up). They are
// kept as read and go back into every save at their island number's place,
// so a scenario opened without the game's templates loses nothing.
struct UnplacedSettlements {
    int island = 0;
    // All three in reading order.
    std::vector<CityRecord> cities;
    std::vector<TradingPostRecord> tradingPosts;
    DeerList deer;

    bool empty() const { return cities.empty() && tradingPosts.empty() && deer.empty(); }
    // The three settlement chunks, as an island writes its own.
    void write(ChunkWriter &out) const;
};

// "HIRSCH2", "STADT4" and "KONTOR2" with these records, in this order, each
// written even when it holds no record and split into several chunks where
// one would pass the chunk length limit.
void writeSettlementChunks(ChunkWriter &out, const std::vector<CityRecord> &cities,
                           const std::vector<TradingPostRecord> &tradingPosts,
                           const DeerList &deer);
