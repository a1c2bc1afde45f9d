#pragma once

#include "core/common/ansitext.h"
#include "core/common/bytes.h"
#include "core/common/recordview.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

// A goal of inhabitants of a city or of the supported player: three 32-bit
// fields inside a mission record.
class CityGoal : public RecordView {
public:
    struct Layout {
        static constexpr int Size = 12;
        static constexpr int Inhabitants = 0;
        static constexpr int Group = 4;
        static constexpr int GroupCount = 8;
    };
    static constexpr int Size = Layout::Size;
    static constexpr qint32 NoGroup = -1;
    static_assert(Layout::GroupCount + 4 <= Layout::Size);

    CityGoal() = default;
    explicit CityGoal(uchar *data) : RecordView(data, Layout::Size) {}

    qint32 inhabitants() const { return i32(Layout::Inhabitants); }
    void setInhabitants(qint32 v) { setI32(Layout::Inhabitants, v); }
    // Population group 0 "Pioniere" .. 4 "Aristokraten"; -1 none.
    qint32 group() const { return i32(Layout::Group); }
    void setGroup(qint32 v) { setI32(Layout::Group, v); }
    // How many of the inhabitants must belong to that group.
    quint32 groupCount() const { return u32(Layout::GroupCount); }
    void setGroupCount(quint32 v) { setU32(Layout::GroupCount, v); }
};

// One of the four missions of the "AUFTRAG4" chunk, 2244 bytes.
class MissionRecord : public RecordView {
public:
    static constexpr int Count = 4;
    static constexpr int TextChars = 2047;
    // Layout::Defeat flags exist for player slots 0 to 5.
    static constexpr int DefeatSlots = 6;

    enum Goal : quint32 {
        City1 = 0x1,
        City2 = 0x2,
        City3 = 0x4,
        Money = 0x8,
        HelpInhabitants = 0x10,
        Population = 0x80,
        Balance = 0x100,
        DefeatAny = 0x200,
        DefeatFlagged = 0x400,
        Store1 = 0x1000,
        Store2 = 0x2000,
        Monopoly1 = 0x4000,
        Monopoly2 = 0x8000,
        TradeBalance = 0x10000,
        Castle = 0x20000,
        Cathedral = 0x40000,
    };
    // The money goal sets these bits together (3, 5, 6, 11, 16, 19).
    static constexpr quint32 MoneyMask = 0x90868;

    enum SupportGoal : quint32 {
        KeepInhabitants = 0x1,
        KeepSettlements = 0x2,
    };

    static constexpr quint8 SupportNatives = 6;
    static constexpr quint8 SupportAny = 7;

    struct Layout {
        static constexpr int Size = 2244;
        // Negative: the record holds no mission.
        static constexpr int Number = 0;
        static constexpr int Goals = 4;
        static constexpr int SupportGoals = 8;
        // The goods codes of monopoly goals 1 and 2, two bytes apart.
        static constexpr int MonopolyCodes = 32;
        static constexpr int Supported = 36;
        // One byte per player slot 0..DefeatSlots - 1.
        static constexpr int Defeat = 44;
        static constexpr int PopulationGoal = 68;
        static constexpr int MoneyGoal = 72;
        static constexpr int BalanceGoal = 76;
        static constexpr int TradeBalanceGoal = 84;
        static constexpr int Settlements = 92;
        static constexpr int Text = 104;
        // Store goals 1 and 2: goods code and amount, four bytes apart.
        static constexpr int StoreGoal = 2152;
        // City goals 1 to 3, one after the other.
        static constexpr int CityGoals = 2160;
        static constexpr int KeepGoal = 2208;
        static constexpr int ReachGoal = 2232;
    };
    static constexpr int Size = Layout::Size;
    static_assert(Layout::Text + TextChars + 1 <= Layout::StoreGoal);
    static_assert(Layout::CityGoals + 3 * CityGoal::Size <= Layout::KeepGoal);
    static_assert(Layout::ReachGoal + CityGoal::Size <= Layout::Size);

    MissionRecord() = default;
    explicit MissionRecord(uchar *data) : RecordView(data, Layout::Size) {}

    // Negative: the record holds no mission.
    qint32 number() const { return i32(Layout::Number); }
    void setNumber(qint32 v) { setI32(Layout::Number, v); }
    quint32 goals() const { return u32(Layout::Goals); }
    void setGoals(quint32 v) { setU32(Layout::Goals, v); }
    quint32 supportGoals() const { return u32(Layout::SupportGoals); }
    void setSupportGoals(quint32 v) { setU32(Layout::SupportGoals, v); }
    // k = 1 or 2.
    quint8 monopoly(int k) const { return u8(Layout::MonopolyCodes + 2 * (k - 1)); }
    void setMonopoly(int k, quint8 code) { setU8(Layout::MonopolyCodes + 2 * (k - 1), code); }
    quint8 supportedPlayer() const { return u8(Layout::Supported); }
    void setSupportedPlayer(quint8 v) { setU8(Layout::Supported, v); }
    // Slot 0..5; the byte of slot 4 is carried by the mission page.
    quint8 defeatFlag(int slot) const { return u8(Layout::Defeat + slot); }
    void setDefeatFlag(int slot, quint8 v) { setU8(Layout::Defeat + slot, v); }
    qint32 population() const { return i32(Layout::PopulationGoal); }
    void setPopulation(qint32 v) { setI32(Layout::PopulationGoal, v); }
    qint32 money() const { return i32(Layout::MoneyGoal); }
    void setMoney(qint32 v) { setI32(Layout::MoneyGoal, v); }
    qint32 balance() const { return i32(Layout::BalanceGoal); }
    void setBalance(qint32 v) { setI32(Layout::BalanceGoal, v); }
    qint32 tradeBalance() const { return i32(Layout::TradeBalanceGoal); }
    void setTradeBalance(qint32 v) { setI32(Layout::TradeBalanceGoal, v); }
    qint16 settlementsToKeep() const { return i16(Layout::Settlements); }
    void setSettlementsToKeep(qint16 v) { setI16(Layout::Settlements, v); }
    QString text() const
    {
        return ansi::readField(field(Layout::Text, TextChars + 1), TextChars + 1);
    }
    void setText(const QString &t)
    {
        ansi::writeField(field(Layout::Text, TextChars + 1), TextChars + 1, TextChars, t);
    }
    // Whether the text is empty once blanks and control characters around it are gone.
    bool hasText() const;
    // Store goals k = 1, 2: goods code (goods slot 2..24) and amount in 1/32 t.
    quint8 storeGoods(int k) const { return u8(Layout::StoreGoal + 4 * (k - 1)); }
    void setStoreGoods(int k, quint8 v) { setU8(Layout::StoreGoal + 4 * (k - 1), v); }
    quint16 storeAmount(int k) const { return u16(Layout::StoreGoal + 4 * (k - 1) + 2); }
    void setStoreAmount(int k, quint16 v) { setU16(Layout::StoreGoal + 4 * (k - 1) + 2, v); }
    // City goals i = 1..3.
    CityGoal cityGoal(int i) const
    {
        return CityGoal(field(Layout::CityGoals + CityGoal::Size * (i - 1), CityGoal::Size));
    }
    CityGoal keepInhabitantsGoal() const
    {
        return CityGoal(field(Layout::KeepGoal, CityGoal::Size));
    }
    CityGoal reachInhabitantsGoal() const
    {
        return CityGoal(field(Layout::ReachGoal, CityGoal::Size));
    }
};

// Goods of a monopoly goal: the items of the monopoly lists with their codes.
namespace MonopolyGoods {
constexpr int Count = 8;
QString Name(int item);
quint8 Code(int item);
std::optional<int> ItemOf(quint8 code);
} // namespace MonopolyGoods

// The four mission records of a document.
class MissionArea {
public:
    static constexpr int Size = MissionRecord::Size * MissionRecord::Count;

    explicit MissionArea(uchar *area) : area_(area) {}
    MissionRecord mission(int m) const { return MissionRecord(area_ + MissionRecord::Size * m); }
    // The leading missions that have a text: those are written on saving.
    int usedCount() const;
    // Missions (counted from 0) that have a text but stand behind the first
    // mission without one, so a save does not keep them.
    QList<int> unsavedTexts() const;

private:
    uchar *area_;
};
