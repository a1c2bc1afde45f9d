#pragma once

#include "core/common/bytes.h"
#include "core/common/recordview.h"

// One 16-byte entry of the SZENE payload: an island built from one of the
// game's island templates.
class IslandReference : public RecordView {
public:
    struct Layout {
        static constexpr int Size = 16;
        static constexpr int Climate = 0;
        static constexpr int SizeClass = 1;
        // Bit 0: natives live on the island.
        static constexpr int Flags = 2;
        static constexpr int Number = 3;
        static constexpr int TemplateNumber = 4;
        static constexpr int X = 8;
        static constexpr int Y = 12;
    };
    static constexpr int Size = Layout::Size;
    static_assert(Layout::Y + 4 <= Layout::Size);
    // Where the references start in the SZENE payload, and where their count is.
    static constexpr int FirstOffset = 372;
    static constexpr int CountOffset = 100;

    IslandReference() = default;
    explicit IslandReference(uchar *data) : RecordView(data, Layout::Size) {}

    quint8 climate() const { return u8(Layout::Climate); }
    quint8 sizeClass() const { return u8(Layout::SizeClass); }
    bool native() const { return u8(Layout::Flags) & 0x01; }
    quint8 islandNumber() const { return u8(Layout::Number); }
    quint16 templateNumber() const { return u16(Layout::TemplateNumber); }
    qint32 x() const { return i32(Layout::X); }
    qint32 y() const { return i32(Layout::Y); }
    void setPosition(qint32 x, qint32 y)
    {
        setI32(Layout::X, x);
        setI32(Layout::Y, y);
    }
};
