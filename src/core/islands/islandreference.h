#pragma once

#include "core/common/bytes.h"
#include "core/common/recordview.h"

// One 16-byte entry of the SZENE payload: an island built from one of the
// game's island templates.
class IslandReference : public RecordView {
public:
    static constexpr int Size = 16;
    // Where the references start in the SZENE payload, and where their count is.
    static constexpr int FirstOffset = 372;
    static constexpr int CountOffset = 100;

    using RecordView::RecordView;

    quint8 climate() const { return le::u8(d_, Climate); }
    quint8 sizeClass() const { return le::u8(d_, SizeClass); }
    bool native() const { return le::u8(d_, Flags) & 0x01; }
    quint8 islandNumber() const { return le::u8(d_, Number); }
    quint16 templateNumber() const { return le::u16(d_, TemplateNumber); }
    qint32 x() const { return le::i32(d_, X); }
    qint32 y() const { return le::i32(d_, Y); }
    void setPosition(qint32 x, qint32 y)
    {
        le::setI32(d_, X, x);
        le::setI32(d_, Y, y);
    }

private:
    static constexpr int Climate = 0;
    static constexpr int SizeClass = 1;
    static constexpr int Flags = 2;
    static constexpr int Number = 3;
    static constexpr int TemplateNumber = 4;
    static constexpr int X = 8;
    static constexpr int Y = 12;
};
