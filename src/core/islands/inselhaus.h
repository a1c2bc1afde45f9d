#pragma once

#include "core/islands/tilerecord.h"
#include "core/islands/veskobject.h"

#include <QByteArray>

class Insel;

// One tile layer of an island: the tiles of one "INSELHAUS" chunk. The first
// layer of an island is its ground, the further ones hold its buildings.
// The tiles are held in an implicitly shared QByteArray rather than in the
// base's own payload copy: the layers of islands built from one template all
// share that template's bytes, a layer read from a scenario views its chunk
// payload, and a layer is copied only when it is recoloured (recolourCity),
// so the chunk's bytes stay as read.
class Inselhaus : public VeskObject {
public:
    // A remainder of the length that is no whole tile is no tile, but it is
    // kept and written back: a layer of fewer than 8 bytes would otherwise be
    // saved as an empty chunk, which the next load skips, and the island's
    // layers would shift by one. Views `payload`, which must outlive the
    // layer (a chunk payload of the document's chunk list does).
    Inselhaus(Insel *owner, const uchar *payload, qsizetype length);
    // Shares `tiles`.
    Inselhaus(Insel *owner, QByteArray tiles);

    int tileCount() const { return int(tiles_.size() / TileRecord::Size); }
    // For reading only: the bytes may be shared with other islands' layers.
    // Tiles change through recolourCity alone.
    TileRecord tile(int i) const
    {
        return TileRecord(const_cast<uchar *>(tiles()) + qsizetype(TileRecord::Size) * i);
    }
    const uchar *tiles() const { return reinterpret_cast<const uchar *>(tiles_.constData()); }
    // All bytes of the layer, a remainder after the last whole tile included.
    qsizetype byteSize() const { return tiles_.size(); }
    Insel *owner() const { return owner_; }

    // Draws every tile of city `slot` in the colour of `player`; the other
    // bits of the tiles stay. Takes a copy of shared bytes first, and only
    // when a tile really changes.
    void recolourCity(int slot, int player);

    // The layer's bytes, shared, and the same put back by undo and redo.
    QByteArray sharedTiles() const { return tiles_; }
    void restoreTiles(QByteArray tiles) { tiles_ = std::move(tiles); }

private:
    Insel *owner_;
    QByteArray tiles_;
};
