#pragma once

#include "core/common/bytes.h"
#include "core/common/recordview.h"

// One goods slot of a trading post, 20 bytes.
class StockSlot : public RecordView {
public:
    static constexpr int Size = 20;

    using RecordView::RecordView;

    // In 1/32 ton.
    quint32 amount() const { return le::u32(d_, Amount); }
    void setAmount(quint32 v) { le::setU32(d_, Amount, v); }
    // Emptying clears the amount and the two words before it.
    void clear()
    {
        le::setU16(d_, WordA, 0);
        le::setU16(d_, WordB, 0);
        setAmount(0);
    }

private:
    static constexpr int WordA = 6;
    static constexpr int WordB = 8;
    static constexpr int Amount = 12;
};

// One trading post of a "KONTOR2" chunk, 1004 bytes, edited in place.
class TradingPostRecord : public RecordView {
public:
    static constexpr int Size = 1004;
    static constexpr int SlotCount = 50;

    using RecordView::RecordView;

    quint8 islandNumber() const { return le::u8(d_, Island); }
    // City slot of the city the post belongs to.
    int citySlot() const { return le::u8(d_, CitySlot) & 0x0F; }
    StockSlot slot(int i) const { return StockSlot(d_ + Slots + StockSlot::Size * i); }
    void clear()
    {
        for (int i = 0; i < SlotCount; ++i)
            slot(i).clear();
    }

private:
    static constexpr int Island = 0;
    static constexpr int CitySlot = 3;
    static constexpr int Slots = 4;
};
