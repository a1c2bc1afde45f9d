#pragma once

#include "core/common/ansitext.h"
#include "core/common/bytes.h"
#include "core/common/recordview.h"

#include <QString>

// One city of a "STADT4" chunk, 168 bytes, edited in place in its payload.
class CityRecord : public RecordView {
public:
    static constexpr int Size = 168;
    static constexpr int NameChars = 31;

    using RecordView::RecordView;

    quint8 islandNumber() const { return le::u8(d_, Island); }
    // Slot 0..7 of the city on its island.
    quint8 slot() const { return le::u8(d_, Slot); }
    // Player index 0..6.
    quint8 owner() const { return le::u8(d_, Owner); }
    void setOwner(quint8 v) { le::setU8(d_, Owner, v); }
    bool buildStop() const { return le::u8(d_, Flags) & 0x01; }
    void setBuildStop(bool on) { d_[Flags] = uchar((d_[Flags] & ~0x01) | (on ? 0x01 : 0x00)); }
    QString name() const { return ansi::readField(d_ + Name, NameChars + 1); }
    // At most 31 characters; byte 166 is zero afterwards, byte 167 is carried.
    void setName(const QString &name)
    {
        ansi::writeField(d_ + Name, NameChars + 1, NameChars, name);
    }

private:
    static constexpr int Island = 0;
    static constexpr int Slot = 1;
    static constexpr int Owner = 2;
    static constexpr int Flags = 4;
    static constexpr int Name = 135;
};
