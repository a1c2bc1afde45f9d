#pragma once

#include "core/common/bytes.h"
#include "core/common/recordview.h"

// One goods slot of a trading post, 20 bytes.
class StockSlot : public RecordView {
public:
    struct Layout {
        static constexpr int Size = 20;
        static constexpr int WordA = 6;
        static constexpr int WordB = 8;
        // In 1/32 ton.
        static constexpr int Amount = 12;
    };
    static constexpr int Size = Layout::Size;
    static_assert(Layout::Amount + 4 <= Layout::Size);

    StockSlot() = default;
    explicit StockSlot(uchar *data) : RecordView(data, Layout::Size) {}

    // In 1/32 ton.
    quint32 amount() const { return u32(Layout::Amount); }
    void setAmount(quint32 v) { setU32(Layout::Amount, v); }
    // Emptying clears the amount and the two words before it.
    void clear()
    {
        setU16(Layout::WordA, 0);
        setU16(Layout::WordB, 0);
        setAmount(0);
    }
};

// One trading post of a "KONTOR2" chunk, 1004 bytes, edited in place.
class TradingPostRecord : public RecordView {
public:
    static constexpr int SlotCount = 50;
    struct Layout {
        static constexpr int Size = 1004;
        static constexpr int Island = 0;
        // The city slot in bits 0..3.
        static constexpr int CitySlot = 3;
        // SlotCount goods slots, one after the other.
        static constexpr int Slots = 4;
    };
    static constexpr int Size = Layout::Size;
    static_assert(Layout::Slots + SlotCount * StockSlot::Size <= Layout::Size);

    TradingPostRecord() = default;
    explicit TradingPostRecord(uchar *data) : RecordView(data, Layout::Size) {}

    quint8 islandNumber() const { return u8(Layout::Island); }
    // City slot of the city the post belongs to.
    int citySlot() const { return u8(Layout::CitySlot) & 0x0F; }
    StockSlot slot(int i) const
    {
        return StockSlot(field(Layout::Slots + StockSlot::Size * i, StockSlot::Size));
    }
    void clear()
    {
        for (int i = 0; i < SlotCount; ++i)
            slot(i).clear();
    }
};
