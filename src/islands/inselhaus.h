#pragma once

#include "islands/tilerecord.h"
#include "islands/veskobject.h"

class Insel;

// One tile layer of an island: the tiles of one "INSELHAUS" chunk. The first
// layer of an island is its ground, the further ones hold its buildings.
class Inselhaus : public VeskObject {
public:
    Inselhaus(Insel *owner, const uchar *payload, qsizetype length);

    // A remainder of the chunk length that is no whole tile is dropped.
    int tileCount() const { return int(payload_.size()) / TileRecord::Size; }
    // Views are handles like pointers: a const layer still hands out tiles
    // that may be recoloured.
    TileRecord tile(int i) const
    {
        return TileRecord(const_cast<uchar *>(payload_.data()) + TileRecord::Size * i);
    }
    const uchar *tiles() const { return payload_.data(); }
    qsizetype byteSize() const { return qsizetype(tileCount()) * TileRecord::Size; }
    Insel *owner() const { return owner_; }

private:
    Insel *owner_;
};
