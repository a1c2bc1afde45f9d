#pragma once

#include "core/common/bytes.h"
#include "core/common/recordview.h"

// One 8-byte tile of an island's tile layer.
class TileRecord : public RecordView {
public:
    struct Layout {
        static constexpr int Size = 8;
        static constexpr int Building = 0;
        static constexpr int Column = 2;
        static constexpr int Row = 3;
        // Bit 0: the first extent of the footprint runs along the columns.
        static constexpr int Orientation = 4;
        // The city slot in bits 6..8 of the 16-bit word here.
        static constexpr int CityBits = 5;
        // The player in bits 6..9 of the 16-bit word here.
        static constexpr int PlayerBits = 6;
    };
    static constexpr int Size = Layout::Size;
    static constexpr int NoCity = 7;
    static_assert(Layout::PlayerBits + 2 <= Layout::Size);

    TileRecord() = default;
    explicit TileRecord(uchar *data) : RecordView(data, Layout::Size) {}

    quint16 building() const { return u16(Layout::Building); }
    quint8 column() const { return u8(Layout::Column); }
    quint8 row() const { return u8(Layout::Row); }
    // Set: the first extent of the footprint runs along the columns.
    bool orientation() const { return u8(Layout::Orientation) & 0x01; }
    // City slot 0..6 of the city the building belongs to; 7 = none.
    int citySlot() const { return (u16(Layout::CityBits) >> 6) & 0x07; }
    // Player index whose colour the tile is drawn in; 7 and above = unowned.
    int player() const { return (u16(Layout::PlayerBits) >> 6) & 0x0F; }
    void setPlayer(int p)
    {
        const quint16 word = u16(Layout::PlayerBits);
        setU16(Layout::PlayerBits, quint16((word & ~0x03C0) | ((p & 0x0F) << 6)));
    }
};
