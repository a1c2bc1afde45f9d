#pragma once

#include "core/common/ansitext.h"
#include "core/common/bytes.h"
#include "core/common/recordview.h"

#include <QString>

// One cargo slot of a ship or cart, 8 bytes.
class CargoSlot : public RecordView {
public:
    struct Layout {
        static constexpr int Size = 8;
        // Goods identifier; 0 = empty.
        static constexpr int Goods = 0;
        // The amount in bits 0..13, two flag bits above it.
        static constexpr int AmountWord = 2;
    };
    static constexpr int Size = Layout::Size;
    static constexpr quint16 AmountMask = 0x3FFF;
    static constexpr quint16 MaxAmount = AmountMask; // 511 tons and 31/32
    static_assert(Layout::AmountWord + 2 <= Layout::Size);

    CargoSlot() = default;
    explicit CargoSlot(uchar *data) : RecordView(data, Layout::Size) {}

    // Goods identifier; 0 = empty.
    quint16 goods() const { return u16(Layout::Goods); }
    void setGoods(quint16 v) { setU16(Layout::Goods, v); }
    // Amount in 1/32 ton, bits 0..13 of the amount word.
    quint16 amount() const { return u16(Layout::AmountWord) & AmountMask; }
    // Keeps the two flag bits above the amount.
    void setAmount(quint16 v)
    {
        const quint16 flags = u16(Layout::AmountWord) & ~AmountMask;
        setU16(Layout::AmountWord, quint16(flags | (v & AmountMask)));
    }
    quint16 amountWord() const { return u16(Layout::AmountWord); }
};

// One ship or cart of the "SHIP4" chunk, 436 bytes, edited in place.
class ShipRecord : public RecordView {
public:
    static constexpr int NameChars = 23;
    static constexpr int CargoSlots = 8;
    static constexpr quint8 CartKind = 5;

    struct Layout {
        static constexpr int Size = 436;
        static constexpr int Name = 0;
        static constexpr int X = 28;
        static constexpr int Y = 30;
        static constexpr int Energy = 60;
        static constexpr int Guns = 66;
        static constexpr int Figure = 72;
        static constexpr int Kind = 74;
        static constexpr int Owner = 75;
        // CargoSlots cargo slots, one after the other.
        static constexpr int Cargo = 372;
    };
    static constexpr int Size = Layout::Size;
    static_assert(Layout::Name + NameChars + 1 <= Layout::X);
    static_assert(Layout::Cargo + CargoSlots * CargoSlot::Size <= Layout::Size);

    ShipRecord() = default;
    explicit ShipRecord(uchar *data) : RecordView(data, Layout::Size) {}

    QString name() const
    {
        return ansi::readField(field(Layout::Name, NameChars + 1), NameChars + 1);
    }
    void setName(const QString &n)
    {
        ansi::writeField(field(Layout::Name, NameChars + 1), NameChars + 1, NameChars, n);
    }
    quint16 x() const { return u16(Layout::X); }
    quint16 y() const { return u16(Layout::Y); }
    // Absolute; the full energy of the type is 100 %.
    quint16 energy() const { return u16(Layout::Energy); }
    void setEnergy(quint16 v) { setU16(Layout::Energy, v); }
    quint8 guns() const { return u8(Layout::Guns); }
    void setGuns(quint8 v) { setU8(Layout::Guns, v); }
    // Selects the type in the ship type table.
    quint16 figure() const { return u16(Layout::Figure); }
    void setFigure(quint16 v) { setU16(Layout::Figure, v); }
    quint8 kind() const { return u8(Layout::Kind); }
    void setKind(quint8 v) { setU8(Layout::Kind, v); }
    bool isCart() const { return kind() == CartKind; }
    // Player slot 0..6, not a colour.
    quint8 owner() const { return u8(Layout::Owner); }
    void setOwner(quint8 v) { setU8(Layout::Owner, v); }
    CargoSlot cargo(int k) const
    {
        return CargoSlot(field(Layout::Cargo + CargoSlot::Size * k, CargoSlot::Size));
    }
};
