#pragma once

#include "core/common/bytes.h"
#include "core/common/recordview.h"

// The scenario-wide switches and identifiers: the whole payload of the chunk
// "TIMERS". Only the fields below are edited; every other byte is carried.
class ScenarioSettings : public RecordView {
public:
    struct Layout {
        static constexpr int Size = 664;
        static constexpr int TutorFlag = 165;
        static constexpr int CompLevel = 166;
        static constexpr int MissNr = 167;
        static constexpr int Switches = 168;
        static constexpr int GameId = 172;
        static constexpr int MissSubNr = 188;
        static constexpr int MaxShips = 192;
    };
    static constexpr int Size = Layout::Size;
    static_assert(Layout::MaxShips + 4 <= Layout::Size);

    // Bits of the switch field; a set bit means the switch button is down.
    enum Switch : quint32 {
        NoPirates = 0x001,
        NoDroughts = 0x004,
        EndlessOre = 0x008,
        NoTrader = 0x040,
        NoVolcanoes = 0x100,
        NoWeapons = 0x200,
    };

    ScenarioSettings() = default;
    explicit ScenarioSettings(uchar *data) : RecordView(data, Layout::Size) {}

    quint8 tutorFlag() const { return u8(Layout::TutorFlag); }
    void setTutorFlag(quint8 v) { setU8(Layout::TutorFlag, v); }
    quint8 computerLevel() const { return u8(Layout::CompLevel); }
    void setComputerLevel(quint8 v) { setU8(Layout::CompLevel, v); }
    quint8 missionNumber() const { return u8(Layout::MissNr); }
    void setMissionNumber(quint8 v) { setU8(Layout::MissNr, v); }
    quint32 switches() const { return u32(Layout::Switches); }
    void setSwitches(quint32 v) { setU32(Layout::Switches, v); }
    bool isSet(Switch s) const { return switches() & s; }
    void setSwitch(Switch s, bool on)
    {
        setSwitches(on ? switches() | s : switches() & ~quint32(s));
    }
    quint32 gameId() const { return u32(Layout::GameId); }
    void setGameId(quint32 v) { setU32(Layout::GameId, v); }
    quint32 missionSubNumber() const { return u32(Layout::MissSubNr); }
    void setMissionSubNumber(quint32 v) { setU32(Layout::MissSubNr, v); }
    quint32 maxShips() const { return u32(Layout::MaxShips); }
    void setMaxShips(quint32 v) { setU32(Layout::MaxShips, v); }
};
