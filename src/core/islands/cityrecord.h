#pragma once

#include "core/common/ansitext.h"
#include "core/common/bytes.h"
#include "core/common/recordview.h"

#include <QString>

// One city of a "STADT4" chunk, 168 bytes, edited in place in its payload.
class CityRecord : public RecordView {
public:
    struct Layout {
        static constexpr int Size = 168;
        static constexpr int Island = 0;
        static constexpr int Slot = 1;
        static constexpr int Owner = 2;
        // Bit 0: building stop.
        static constexpr int Flags = 4;
        static constexpr int Name = 135;
    };
    static constexpr int Size = Layout::Size;
    static constexpr int NameChars = 31;
    static_assert(Layout::Name + NameChars + 1 <= Layout::Size);

    CityRecord() = default;
    explicit CityRecord(uchar *data) : RecordView(data, Layout::Size) {}

    quint8 islandNumber() const { return u8(Layout::Island); }
    // Slot 0..7 of the city on its island.
    quint8 slot() const { return u8(Layout::Slot); }
    // Player index 0..6.
    quint8 owner() const { return u8(Layout::Owner); }
    void setOwner(quint8 v) { setU8(Layout::Owner, v); }
    bool buildStop() const { return u8(Layout::Flags) & 0x01; }
    void setBuildStop(bool on)
    {
        setU8(Layout::Flags, quint8((u8(Layout::Flags) & ~0x01) | (on ? 0x01 : 0x00)));
    }
    QString name() const
    {
        return ansi::readField(field(Layout::Name, NameChars + 1), NameChars + 1);
    }
    // At most 31 characters; byte 166 is zero afterwards, byte 167 is carried.
    void setName(const QString &name)
    {
        ansi::writeField(field(Layout::Name, NameChars + 1), NameChars + 1, NameChars, name);
    }
};
