#pragma once

#include "core/common/bytes.h"
#include "core/common/recordview.h"

// The record of an island: the payload of an "INSEL5" chunk, 116 bytes.
class IslandRecord : public RecordView {
public:
    static constexpr int CitySlots = 8;
    static constexpr quint8 NoOwner = 7;
    static constexpr quint16 NoTemplateNumber = 65535;

    struct Layout {
        static constexpr int Size = 116;
        static constexpr int Number = 0;
        static constexpr int Width = 1;
        static constexpr int Height = 2;
        // Flag bits; the old layout has only bits 0..2.
        static constexpr int Flags = 3;
        static constexpr int X = 4;
        static constexpr int Y = 6;
        // One owner byte per city slot.
        static constexpr int CityOwners = 12;
        // How many of the two 8-byte entries at Entries are in use.
        static constexpr int UsedEntries = 23;
        static constexpr int Entries = 60;
        static constexpr int TemplateNumber = 96;
        static constexpr int SizeClass = 98;
        static constexpr int Climate = 100;
        // 0: the ground layer comes from the island's template file.
        static constexpr int OwnGround = 101;
    };
    // The record of an "INSEL_MAXFUN" chunk of older files: the same fields
    // up to the city owners, the rest closer together. Shorter payloads are
    // refused.
    struct OldLayout {
        static constexpr int Size = 80;
        static constexpr int Flags = 3;
        static constexpr int Entries = 42;
        static constexpr int TemplateNumber = 64;
        static constexpr int SizeClass = 66;
        static constexpr int Climate = 68;
        static constexpr int OwnGround = 69;
    };
    static constexpr int Size = Layout::Size;
    static constexpr int OldSize = OldLayout::Size;
    static_assert(Layout::CityOwners + CitySlots <= Layout::UsedEntries);
    static_assert(Layout::OwnGround + 1 <= Layout::Size);
    static_assert(OldLayout::OwnGround + 1 <= OldLayout::Size);

    IslandRecord() = default;
    explicit IslandRecord(uchar *data) : RecordView(data, Layout::Size) {}

    quint8 number() const { return u8(Layout::Number); }
    void setNumber(quint8 v) { setU8(Layout::Number, v); }
    quint8 width() const { return u8(Layout::Width); }
    quint8 height() const { return u8(Layout::Height); }
    quint16 x() const { return u16(Layout::X); }
    quint16 y() const { return u16(Layout::Y); }
    void setPosition(int x, int y)
    {
        setU16(Layout::X, quint16(x));
        setU16(Layout::Y, quint16(y));
    }
    // Player index owning the city in `slot` (0..7); 7 means no city there.
    quint8 cityOwner(int slot) const { return u8(Layout::CityOwners + slot); }
    void setCityOwner(int slot, quint8 owner) { setU8(Layout::CityOwners + slot, owner); }
    void clearCityOwners()
    {
        for (int s = 0; s < CitySlots; ++s)
            setCityOwner(s, NoOwner);
    }
    quint16 templateNumber() const { return u16(Layout::TemplateNumber); }
    quint16 sizeClass() const { return u16(Layout::SizeClass); }
    quint8 climate() const { return u8(Layout::Climate); }
    void setClimate(quint8 v) { setU8(Layout::Climate, v); }
    // 0: the ground layer comes from the island's template file.
    quint8 ownGround() const { return u8(Layout::OwnGround); }
    void setOwnGround(quint8 v) { setU8(Layout::OwnGround, v); }

    // Converts an "INSEL_MAXFUN" record (at least OldSize bytes) into the
    // layout above; `out` must hold Size bytes and is overwritten.
    static void convertOld(const uchar *old, uchar *out);
};
