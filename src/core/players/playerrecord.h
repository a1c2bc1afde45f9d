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
    static constexpr int Size = 1072;
    static constexpr int Count = 7;
    static constexpr int NameChars = 63;

    // Bits of the mood switch word that the players page owns.
    enum Mood : quint32 {
        WarOnHumanInhabitants = 0x10,
        WarOnOwnInhabitants = 0x20,
        AngryBelowLevel = 0x100,
        AngryOnHumanLevel = 0x200,
    };
    static constexpr quint32 MoodMask = 0x330;

    using RecordView::RecordView;

    qint32 money() const { return le::i32(d_, Money); }
    void setMoney(qint32 v) { le::setI32(d_, Money, v); }
    quint8 kind() const { return le::u8(d_, Kind); }
    void setKind(quint8 v) { le::setU8(d_, Kind, v); }
    quint8 colour() const { return le::u8(d_, Colour); }
    void setColour(quint8 v) { le::setU8(d_, Colour, v); }
    quint8 mission() const { return le::u8(d_, Mission); }
    void setMission(quint8 v) { le::setU8(d_, Mission, v); }
    bool castleBuilt() const { return le::u8(d_, Castle) != 0; }
    void setCastleBuilt(bool on) { le::setU8(d_, Castle, on ? 1 : 0); }
    bool cathedralBuilt() const { return le::u8(d_, Cathedral) != 0; }
    void setCathedralBuilt(bool on) { le::setU8(d_, Cathedral, on ? 1 : 0); }

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
    quint16 counter(Counter c) const { return le::u16(d_, c); }
    void setCounter(Counter c, quint16 v) { le::setU16(d_, c, v); }

    quint32 moods() const { return le::u32(d_, Moods); }
    void setMoods(quint32 v) { le::setU32(d_, Moods, v); }
    // Population levels in 32nds of a group: 0 starts "Pioniere", 128 "Aristokraten".
    quint8 levelMin() const { return le::u8(d_, LevelMin); }
    void setLevelMin(quint8 v) { le::setU8(d_, LevelMin, v); }
    quint8 levelMaxHuman() const { return le::u8(d_, LevelMaxHuman); }
    void setLevelMaxHuman(quint8 v) { le::setU8(d_, LevelMaxHuman, v); }
    // Bit i: building switch i of the unlocked-buildings dialog.
    quint32 unlockedBuildings() const { return le::u32(d_, Unlocked); }
    void setUnlockedBuildings(quint32 v) { le::setU32(d_, Unlocked, v); }
    QString name() const { return ansi::readField(d_ + Name, NameChars + 1); }
    void setName(const QString &n) { ansi::writeField(d_ + Name, NameChars + 1, NameChars, n); }

private:
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

// Player colour codes, as a player record holds them.
namespace PlayerColour {
constexpr int Count = 7;
constexpr int Pirates = 4;
constexpr int Trader = 6;
// "Rot" .. "Händler", by colour code.
QString Name(int code);
// Map colour of a colour code; codes above 6 give the colour of unowned ground.
QColor MapColour(int code);
QColor UnownedColour();
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
QString GroupName(int group);
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
