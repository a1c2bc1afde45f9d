#include "core/islands/inselhaus.h"

#include "core/format/chunknames.h"

Inselhaus::Inselhaus(Insel *owner, const uchar *payload, qsizetype length)
    : Inselhaus(owner, QByteArray::fromRawData(reinterpret_cast<const char *>(payload), length))
{
}

Inselhaus::Inselhaus(Insel *owner, QByteArray tiles)
    : VeskObject(ChunkNames::IslandLayer, nullptr, 0), owner_(owner), tiles_(std::move(tiles))
{
}

void Inselhaus::recolourCity(int slot, int player)
{
    for (int t = 0; t < tileCount(); ++t) {
        const TileRecord seen = tile(t);
        if (seen.citySlot() != slot || seen.player() == player)
            continue;
        // data() detaches, from shared and from viewed bytes alike: from here
        // on the bytes are this layer's own.
        auto *own = reinterpret_cast<uchar *>(tiles_.data());
        for (; t < tileCount(); ++t) {
            TileRecord tile(own + qsizetype(TileRecord::Size) * t);
            if (tile.citySlot() == slot)
                tile.setPlayer(player);
        }
        return;
    }
}
