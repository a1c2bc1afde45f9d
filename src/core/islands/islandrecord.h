#pragma once

#include "core/common/bytes.h"
#include "core/common/recordview.h"

// The record of an island: the payload of an "INSEL5" chunk, 116 bytes.
class IslandRecord : public RecordView {
public:
    static constexpr int Size = 116;
    static constexpr int CitySlots = 8;
    static constexpr quint8 NoOwner = 7;
    static constexpr quint16 NoTemplateNumber = 65535;
    // An "INSEL_MAXFUN" record of older files; shorter payloads are refused.
    static constexpr int OldSize = 80;

    using RecordView::RecordView;

    quint8 number() const { return le::u8(d_, Number); }
    void setNumber(quint8 v) { le::setU8(d_, Number, v); }
    quint8 width() const { return le::u8(d_, Width); }
    quint8 height() const { return le::u8(d_, Height); }
    quint16 x() const { return le::u16(d_, X); }
    quint16 y() const { return le::u16(d_, Y); }
    void setPosition(int x, int y)
    {
        le::setU16(d_, X, quint16(x));
        le::setU16(d_, Y, quint16(y));
    }
    // Player index owning the city in `slot` (0..7); 7 means no city there.
    quint8 cityOwner(int slot) const { return le::u8(d_, CityOwners + slot); }
    void setCityOwner(int slot, quint8 owner) { le::setU8(d_, CityOwners + slot, owner); }
    void clearCityOwners()
    {
        for (int s = 0; s < CitySlots; ++s)
            setCityOwner(s, NoOwner);
    }
    quint16 templateNumber() const { return le::u16(d_, TemplateNumber); }
    quint16 sizeClass() const { return le::u16(d_, SizeClass); }
    quint8 climate() const { return le::u8(d_, Climate); }
    void setClimate(quint8 v) { le::setU8(d_, Climate, v); }
    // 0: the ground layer comes from the island's template file.
    quint8 ownGround() const { return le::u8(d_, OwnGround); }
    void setOwnGround(quint8 v) { le::setU8(d_, OwnGround, v); }

    // Converts an "INSEL_MAXFUN" record (at least OldSize bytes) into the
    // layout above; `out` must hold Size bytes and is overwritten.
    static void ConvertOld(const uchar *old, uchar *out);

private:
    static constexpr int Number = 0;
    static constexpr int Width = 1;
    static constexpr int Height = 2;
    static constexpr int X = 4;
    static constexpr int Y = 6;
    static constexpr int CityOwners = 12;
    static constexpr int TemplateNumber = 96;
    static constexpr int SizeClass = 98;
    static constexpr int Climate = 100;
    static constexpr int OwnGround = 101;
};
