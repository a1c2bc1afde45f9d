#include "core/document/scenariowriter.h"

#include "core/document/rumoszen.h"
#include "core/format/atomicfile.h"
#include "core/format/chunkfile.h"
#include "core/format/chunknames.h"

#include <QFileInfo>
#include <algorithm>

bool RumoSzen::writeTo(QIODevice &out)
{
    return ScenarioWriter(*this).write(out);
}

Result<void> RumoSzen::Save(const QString &path)
{
    Result<void> saved = writeFileAtomically(path, [this](QIODevice &out) { return writeTo(out); });
    if (!saved)
        return saved;
    filePath_ = path;
    fileName_ = QFileInfo(path).fileName();
    SetModified(false);
    return saved;
}

Result<void> RumoSzen::exportIsland(const Insel &island, const QString &path) const
{
    return writeFileAtomically(path, [&island](QIODevice &out) {
        ChunkWriter writer(out);
        island.write(writer, true);
        return writer.ok();
    });
}

size_t ScenarioWriter::islandSectionChunk() const
{
    const size_t end = std::min(doc_.settingsChunk_, doc_.chunks_.size());
    auto firstOf = [&](std::initializer_list<QByteArrayView> names, bool built) {
        for (size_t i = 0; i < end; ++i) {
            const QByteArrayView name = doc_.chunks_[i].nameView();
            for (QByteArrayView n : names) {
                if (name == n && (!built || doc_.chunks_[i].length() > 0))
                    return i;
            }
        }
        return RumoSzen::NoChunk;
    };
    // The first island chunk the load built an island from: an empty one
    // before it builds none, and a tile layer between the two that followed
    // a template reference would otherwise meet the islands before it at the
    // next load.
    const size_t island = firstOf({ChunkNames::Island, ChunkNames::OldIsland}, true);
    return island != RumoSzen::NoChunk
               ? island
               : firstOf({ChunkNames::Deer, ChunkNames::Cities, ChunkNames::TradingPosts}, false);
}

bool ScenarioWriter::write(QIODevice &out) const
{
    ChunkWriter writer(out);
    if (doc_.campaignNumber_ >= 0) {
        uchar number[4];
        le::setI32(number, 0, doc_.campaignNumber_);
        writer.WriteChunkHeader(ChunkNames::Campaign, 4);
        writer.writeBytes(number, 4);
    }
    // All islands go where the first island chunk stood. A file without one
    // may still hold settlements of islands built from references; they go
    // where the first settlement chunk stood.
    const size_t islandSection = islandSectionChunk();
    for (size_t i = 0; i < doc_.chunks_.size(); ++i) {
        const ScenarioChunk &chunk = doc_.chunks_[i];
        const QByteArrayView name = chunk.nameView();
        // Nothing of the document stands for the chunks after the settings
        // chunk (the load never decoded them), for chunks it does not decode
        // or only reads (the saved game's name), and for a layer chunk that
        // no island of the scenario's own took: they are written exactly as
        // read.
        const bool asRead =
            i > doc_.settingsChunk_ || !ChunkNames::isDecoded(name) ||
            name == ChunkNames::SavegameName ||
            (i != islandSection && name == ChunkNames::IslandLayer && doc_.layerInPlace_[i]);
        if (asRead) {
            writer.WriteChunk(chunk);
        } else if (i == islandSection) {
            writeIslands(writer);
        } else if (name == ChunkNames::Island || name == ChunkNames::OldIsland ||
                   name == ChunkNames::IslandLayer || name == ChunkNames::Deer ||
                   name == ChunkNames::Cities || name == ChunkNames::TradingPosts ||
                   name == ChunkNames::Campaign) {
            // Written by the islands and by the campaign number above.
        } else if (name == ChunkNames::Players) {
            writer.WriteChunkHeader(ChunkNames::Players, PlayerArea::Size);
            writer.writeBytes(doc_.playerArea_.data(), PlayerArea::Size);
        } else if (name == ChunkNames::Missions) {
            const int count = doc_.missions().usedCount();
            writer.WriteChunkHeader(ChunkNames::Missions, count * MissionRecord::Size);
            writer.writeBytes(doc_.missionArea_.data(), qsizetype(count) * MissionRecord::Size);
        } else if (name == ChunkNames::Szene) {
            writeSzene(writer, chunk);
        } else if (name == ChunkNames::Settings) {
            // A scenario without any island or settlement chunk gets its
            // islands of its own (inserted ones) before its settings.
            if (islandSection == RumoSzen::NoChunk)
                writeIslands(writer);
            writer.WriteChunkHeader(ChunkNames::Settings, ScenarioSettings::Size);
            writer.writeBytes(doc_.settingsArea_.data(), ScenarioSettings::Size);
        } else if (name == ChunkNames::Ships) {
            writer.WriteChunkHeader(ChunkNames::Ships,
                                    qint32(doc_.ships_.size()) * ShipRecord::Size);
            for (const ShipRecord &ship : doc_.ships_)
                writer.writeBytes(ship.data(), ShipRecord::Size);
        }
    }
    return writer.ok();
}

void ScenarioWriter::writeIslands(ChunkWriter &out) const
{
    auto displaced = doc_.displaced_.begin();
    auto unplaced = doc_.unplaced_.begin();
    for (int number = 0; size_t(number) < doc_.islands_.size() ||
                         displaced != doc_.displaced_.end() || unplaced != doc_.unplaced_.end();
         ++number) {
        // A reference among them writes nothing: the settlements of its
        // number belong to the island shown.
        for (; displaced != doc_.displaced_.end() && (*displaced)->number() == number; ++displaced)
            (*displaced)->write(out, false);
        if (const Insel *shown = doc_.island(number))
            shown->write(out, false);
        if (unplaced != doc_.unplaced_.end() && unplaced->island == number)
            (unplaced++)->write(out);
    }
}

// The islands built from references view their entries inside the SZENE
// payload, which never moves while the document lives. So a deletion does
// not touch the payload (the other islands' views stay valid, and undo needs
// nothing but the island back); the save writes the payload without the
// deleted islands' entries instead: each 16-byte entry cut out, every byte
// after it moved up, the count at offset 100 lowered by one per entry, and
// every other byte as read. The remaining entries keep their order.
void ScenarioWriter::writeSzene(ChunkWriter &out, const ScenarioChunk &chunk) const
{
    const uchar *payload = chunk.payload();
    const qsizetype length = chunk.length();
    std::vector<qsizetype> cut;
    for (const uchar *entry : doc_.deletedReferences_) {
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
    out.writeBytes(bytes.constData(), bytes.size());
}
