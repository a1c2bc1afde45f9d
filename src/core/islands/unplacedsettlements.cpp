#include "core/islands/unplacedsettlements.h"

#include "core/format/chunkfile.h"
#include "core/format/chunknames.h"

#include <algorithm>

namespace {

// No chunk may be longer than a reader accepts, so the records of one kind go
// into as few chunks of whole records as that allows; with no record one
// empty chunk is written all the same. Reading attaches the records of every
// such chunk to the island again, in the same order.
template <typename Record>
void writeRecords(ChunkWriter &out, QByteArrayView name, const std::vector<Record> &records)
{
    constexpr size_t perChunk = size_t(ScenarioChunk::MaxLength / Record::Size);
    size_t next = 0;
    do {
        const size_t count = std::min(perChunk, records.size() - next);
        out.WriteChunkHeader(name, qint32(count * Record::Size));
        for (size_t i = next; i < next + count; ++i)
            out.writeBytes(records[i].data(), Record::Size);
        next += count;
    } while (next < records.size());
}

// The same for the deer, whose runs of records each go out in as few writes
// as the chunk boundaries allow.
void writeDeer(ChunkWriter &out, const DeerList &deer)
{
    constexpr qsizetype perChunk = ScenarioChunk::MaxLength / DeerRecord::Size;
    const qsizetype total = qsizetype(deer.size());
    auto run = deer.runs().begin();
    qsizetype usedOfRun = 0;
    qsizetype next = 0;
    do {
        const qsizetype count = std::min(perChunk, total - next);
        out.WriteChunkHeader(ChunkNames::Deer, qint32(count * DeerRecord::Size));
        for (qsizetype left = count; left > 0;) {
            const qsizetype piece = std::min(left, run->count - usedOfRun);
            out.writeBytes(run->first + usedOfRun * DeerRecord::Size, piece * DeerRecord::Size);
            left -= piece;
            usedOfRun += piece;
            if (usedOfRun == run->count) {
                ++run;
                usedOfRun = 0;
            }
        }
        next += count;
    } while (next < total);
}

} // namespace

void writeSettlementChunks(ChunkWriter &out, const std::vector<CityRecord> &cities,
                           const std::vector<TradingPostRecord> &tradingPosts, const DeerList &deer)
{
    writeDeer(out, deer);
    writeRecords(out, ChunkNames::Cities, cities);
    writeRecords(out, ChunkNames::TradingPosts, tradingPosts);
}

void UnplacedSettlements::write(ChunkWriter &out) const
{
    writeSettlementChunks(out, cities, tradingPosts, deer);
}
