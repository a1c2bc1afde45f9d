#pragma once

#include <QtGlobal>

class ChunkWriter;
class QIODevice;
class RumoSzen;
class ScenarioChunk;

// The save's walk over the chunks a document read: the chunk list is the
// pattern of the output. The records the document edits are regenerated from
// its areas, islands and ships; every other chunk is written byte for byte.
class ScenarioWriter {
public:
    explicit ScenarioWriter(RumoSzen &doc) : doc_(doc) {}

    // False when the device took less than it was given.
    bool write(QIODevice &out) const;

private:
    // All islands in number order, with the displaced ones and the unplaced
    // settlements at their numbers' places.
    void writeIslands(ChunkWriter &out) const;
    // Writes a SZENE chunk: as read, or without the entries of deleted
    // islands built from references.
    void writeSzene(ChunkWriter &out, const ScenarioChunk &chunk) const;
    // Index of the chunk at which the islands are written; NoChunk for none.
    size_t islandSectionChunk() const;

    RumoSzen &doc_;
};
