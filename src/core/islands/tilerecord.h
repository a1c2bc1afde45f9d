#pragma once

#include "core/common/bytes.h"
#include "core/common/recordview.h"

// One 8-byte tile of an island's tile layer.
class TileRecord : public RecordView {
public:
    static constexpr int Size = 8;
    static constexpr int NoCity = 7;

    using RecordView::RecordView;

    quint16 building() const { return le::u16(d_, Building); }
    quint8 column() const { return le::u8(d_, Column); }
    quint8 row() const { return le::u8(d_, Row); }
    // Set: the first extent of the footprint runs along the columns.
    bool orientation() const { return le::u8(d_, Orientation) & 0x01; }
    // City slot 0..6 of the city the building belongs to; 7 = none.
    int citySlot() const { return (le::u16(d_, CityBits) >> 6) & 0x07; }
    // Player index whose colour the tile is drawn in; 7 and above = unowned.
    int player() const { return (le::u16(d_, PlayerBits) >> 6) & 0x0F; }
    void setPlayer(int p)
    {
        const quint16 word = le::u16(d_, PlayerBits);
        le::setU16(d_, PlayerBits, quint16((word & ~0x03C0) | ((p & 0x0F) << 6)));
    }

private:
    static constexpr int Building = 0;
    static constexpr int Column = 2;
    static constexpr int Row = 3;
    static constexpr int Orientation = 4;
    static constexpr int CityBits = 5;
    static constexpr int PlayerBits = 6;
};
