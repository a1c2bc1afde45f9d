#pragma once

#include "core/common/ansitext.h"
#include "core/common/bytes.h"
#include "core/common/recordview.h"

#include <QString>

// One cargo slot of a ship or cart, 8 bytes.
class CargoSlot : public RecordView {
public:
    static constexpr int Size = 8;
    static constexpr quint16 AmountMask = 0x3FFF;
    static constexpr quint16 MaxAmount = AmountMask; // 511 tons and 31/32

    using RecordView::RecordView;

    // Goods identifier; 0 = empty.
    quint16 goods() const { return le::u16(d_, Goods); }
    void setGoods(quint16 v) { le::setU16(d_, Goods, v); }
    // Amount in 1/32 ton, bits 0..13 of the amount word.
    quint16 amount() const { return le::u16(d_, AmountWord) & AmountMask; }
    // Keeps the two flag bits above the amount.
    void setAmount(quint16 v)
    {
        const quint16 flags = le::u16(d_, AmountWord) & ~AmountMask;
        le::setU16(d_, AmountWord, quint16(flags | (v & AmountMask)));
    }
    quint16 amountWord() const { return le::u16(d_, AmountWord); }

private:
    static constexpr int Goods = 0;
    static constexpr int AmountWord = 2;
};

// One ship or cart of the "SHIP4" chunk, 436 bytes, edited in place.
class ShipRecord : public RecordView {
public:
    static constexpr int Size = 436;
    static constexpr int NameChars = 23;
    static constexpr int CargoSlots = 8;
    static constexpr quint8 CartKind = 5;

    using RecordView::RecordView;

    QString name() const { return ansi::readField(d_ + Name, NameChars + 1); }
    void setName(const QString &n) { ansi::writeField(d_ + Name, NameChars + 1, NameChars, n); }
    quint16 x() const { return le::u16(d_, X); }
    quint16 y() const { return le::u16(d_, Y); }
    // Absolute; the full energy of the type is 100 %.
    quint16 energy() const { return le::u16(d_, Energy); }
    void setEnergy(quint16 v) { le::setU16(d_, Energy, v); }
    quint8 guns() const { return le::u8(d_, Guns); }
    void setGuns(quint8 v) { le::setU8(d_, Guns, v); }
    // Selects the type in the ship type table.
    quint16 figure() const { return le::u16(d_, Figure); }
    void setFigure(quint16 v) { le::setU16(d_, Figure, v); }
    quint8 kind() const { return le::u8(d_, Kind); }
    void setKind(quint8 v) { le::setU8(d_, Kind, v); }
    bool isCart() const { return kind() == CartKind; }
    // Player slot 0..6, not a colour.
    quint8 owner() const { return le::u8(d_, Owner); }
    void setOwner(quint8 v) { le::setU8(d_, Owner, v); }
    CargoSlot cargo(int k) const { return CargoSlot(d_ + Cargo + CargoSlot::Size * k); }

private:
    static constexpr int Name = 0;
    static constexpr int X = 28;
    static constexpr int Y = 30;
    static constexpr int Energy = 60;
    static constexpr int Guns = 66;
    static constexpr int Figure = 72;
    static constexpr int Kind = 74;
    static constexpr int Owner = 75;
    static constexpr int Cargo = 372;
};
