#pragma once

#include "core/common/ansitext.h"
#include "core/common/bytes.h"
#include "core/common/recordview.h"

#include <QColor>
#include <QString>
#include <array>
#include <optional>

// One of the seven player slots of the "PLAYER4" chunk, 1072 bytes. The
// document holds the seven records in its player area.
class PlayerRecord : public RecordView {
public:
    static constexpr int Count = 7;
    static constexpr int NameChars = 63;

    // The counters below have their offsets in the Counter enum.
    struct Layout {
        static constexpr int Size = 1072;
        static constexpr int Money = 0;
        static constexpr int Kind = 4;
        static constexpr int Colour = 7;
        static constexpr int Mission = 12;
        static constexpr int Castle = 14;
        static constexpr int Cathedral = 15;
        static constexpr int Moods = 28;
        static constexpr int LevelMin = 36;
        static constexpr int LevelMaxHuman = 37;
        static constexpr int Unlocked = 52;
        static constexpr int Name = 960;
    };
    static constexpr int Size = Layout::Size;
    static_assert(Layout::Name + NameChars + 1 <= Layout::Size);

    // Bits of the mood switch word that the players page owns.
    enum Mood : quint32 {
        WarOnHumanInhabitants = 0x10,
        WarOnOwnInhabitants = 0x20,
        AngryBelowLevel = 0x100,
        AngryOnHumanLevel = 0x200,
    };
    static constexpr quint32 MoodMask = 0x330;

    PlayerRecord() = default;
    explicit PlayerRecord(uchar *data) : RecordView(data, Layout::Size) {}

    qint32 money() const { return i32(Layout::Money); }
    void setMoney(qint32 v) { setI32(Layout::Money, v); }
    quint8 kind() const { return u8(Layout::Kind); }
    void setKind(quint8 v) { setU8(Layout::Kind, v); }
    quint8 colour() const { return u8(Layout::Colour); }
    void setColour(quint8 v) { setU8(Layout::Colour, v); }
    quint8 mission() const { return u8(Layout::Mission); }
    void setMission(quint8 v) { setU8(Layout::Mission, v); }
    bool castleBuilt() const { return u8(Layout::Castle) != 0; }
    void setCastleBuilt(bool on) { setU8(Layout::Castle, on ? 1 : 0); }
    bool cathedralBuilt() const { return u8(Layout::Cathedral) != 0; }
    void setCathedralBuilt(bool on) { setU8(Layout::Cathedral, on ? 1 : 0); }

    // The twelve counters, each 16 bits. Ships lost come before ships sunk,
    // the reverse of the soldier pair.
    enum Counter {
        ArchesReceived = 16,
        ArchesBuilt = 18,
        SoldiersDefeated = 20,
        SoldiersLost = 22,
        ShipsLost = 24,
        ShipsSunk = 26,
        HumanInhabitantsMax = 32,
        OwnInhabitantsMin = 34,
        MonumentsReceived = 56,
        MonumentsBuilt = 58,
    };
    quint16 counter(Counter c) const { return u16(c); }
    void setCounter(Counter c, quint16 v) { setU16(c, v); }

    quint32 moods() const { return u32(Layout::Moods); }
    void setMoods(quint32 v) { setU32(Layout::Moods, v); }
    // Population levels in 32nds of a group: 0 starts "Pioniere", 128 "Aristokraten".
    quint8 levelMin() const { return u8(Layout::LevelMin); }
    void setLevelMin(quint8 v) { setU8(Layout::LevelMin, v); }
    quint8 levelMaxHuman() const { return u8(Layout::LevelMaxHuman); }
    void setLevelMaxHuman(quint8 v) { setU8(Layout::LevelMaxHuman, v); }
    // Bit i: building switch i of the unlocked-buildings dialog.
    quint32 unlockedBuildings() const { return u32(Layout::Unlocked); }
    void setUnlockedBuildings(quint32 v) { setU32(Layout::Unlocked, v); }
    QString name() const
    {
        return ansi::readField(field(Layout::Name, NameChars + 1), NameChars + 1);
    }
    void setName(const QString &n)
    {
        ansi::writeField(field(Layout::Name, NameChars + 1), NameChars + 1, NameChars, n);
    }
};

// Player colour codes, as a player record holds them.
namespace PlayerColour {
constexpr int Count = 7;
constexpr int Pirates = 4;
constexpr int Trader = 6;
// "Rot" .. "Händler", by colour code.
QString Name(int code);
// Map colour of a colour code; codes above 6 give the colour of unowned ground.
QColor mapColour(int code);
QColor unownedColour();
} // namespace PlayerColour

// Player kinds: the items of the kind list in their order, with the code
// stored for each.
namespace PlayerKind {
constexpr int Count = 6;
QString Name(int item);
quint8 Code(int item);
// The item whose code is `code`; nothing when no item has it.
std::optional<int> ItemOf(quint8 code);
} // namespace PlayerKind

// Population levels, group 1 "Pioniere" to 5 "Aristokraten".
namespace PopulationLevel {
constexpr int Groups = 5;
QString groupName(int group);
} // namespace PopulationLevel

// The seven player records of a document.
class PlayerArea {
public:
    static constexpr int Size = PlayerRecord::Size * PlayerRecord::Count;

    explicit PlayerArea(uchar *area) : area_(area) {}
    // `slot` must be 0..6.
    PlayerRecord player(int slot) const { return PlayerRecord(area_ + PlayerRecord::Size * slot); }
    // Colour code of the player in `slot`; nothing for slots outside 0..6.
    std::optional<quint8> colourOf(int slot) const;
    // The lowest slot 0..6 whose colour is `colour`, leaving out `skipSlot`.
    std::optional<int> slotOfColour(int colour, int skipSlot = -1) const;
    // The map colour of what player `slot` owns; unowned colour for 7 and above.
    QColor mapColourOf(int slot) const;

private:
    uchar *area_;
};
