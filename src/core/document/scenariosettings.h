#pragma once

#include "core/common/bytes.h"
#include "core/common/recordview.h"

// The scenario-wide switches and identifiers: the whole payload of the chunk
// "TIMERS". Only the fields below are edited; every other byte is carried.
class ScenarioSettings : public RecordView {
public:
    static constexpr int Size = 664;

    // Bits of the switch field; a set bit means the switch button is down.
    enum Switch : quint32 {
        NoPirates = 0x001,
        NoDroughts = 0x004,
        EndlessOre = 0x008,
        NoTrader = 0x040,
        NoVolcanoes = 0x100,
        NoWeapons = 0x200,
    };

    using RecordView::RecordView;

    quint8 tutorFlag() const { return le::u8(d_, TutorFlag); }
    void setTutorFlag(quint8 v) { le::setU8(d_, TutorFlag, v); }
    quint8 computerLevel() const { return le::u8(d_, CompLevel); }
    void setComputerLevel(quint8 v) { le::setU8(d_, CompLevel, v); }
    quint8 missionNumber() const { return le::u8(d_, MissNr); }
    void setMissionNumber(quint8 v) { le::setU8(d_, MissNr, v); }
    quint32 switches() const { return le::u32(d_, Switches); }
    void setSwitches(quint32 v) { le::setU32(d_, Switches, v); }
    bool isSet(Switch s) const { return switches() & s; }
    void setSwitch(Switch s, bool on)
    {
        setSwitches(on ? switches() | s : switches() & ~quint32(s));
    }
    quint32 gameId() const { return le::u32(d_, GameId); }
    void setGameId(quint32 v) { le::setU32(d_, GameId, v); }
    quint32 missionSubNumber() const { return le::u32(d_, MissSubNr); }
    void setMissionSubNumber(quint32 v) { le::setU32(d_, MissSubNr, v); }
    quint32 maxShips() const { return le::u32(d_, MaxShips); }
    void setMaxShips(quint32 v) { le::setU32(d_, MaxShips, v); }

private:
    static constexpr int TutorFlag = 165;
    static constexpr int CompLevel = 166;
    static constexpr int MissNr = 167;
    static constexpr int Switches = 168;
    static constexpr int GameId = 172;
    static constexpr int MissSubNr = 188;
    static constexpr int MaxShips = 192;
};
