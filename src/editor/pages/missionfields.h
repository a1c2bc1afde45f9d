#pragma once

#include "editor/pages/goalcontrols.h"

#include <QtGlobal>
#include <array>

class CityGoal;
class CityGoalBox;
class DefeatGoalBox;
class MissionRecord;
class MonopolyGoalBox;
class PlayerArea;
class QPlainTextEdit;
class ShownValues;
class StoreGoalBox;
class SupportGoalBox;

// The controls of the missions page and how they map to a mission record
// and to the mission numbers of the player slots 0 to 3. The page builds the
// controls and fills these pointers in.
class MissionFields {
public:
    // Copies mission `m` into the controls, which the page has cleared. The
    // goals' dependent controls are left for the page's enable rules.
    void show(const MissionRecord &mission, const PlayerArea &players, int m) const;
    // Writes what the user changed since the page was filled (`shown`) into
    // mission `m` and the player slots.
    void store(MissionRecord &mission, PlayerArea &players, int m, const ShownValues &shown) const;

    QPlainTextEdit *Memo1 = nullptr;
    // Assigned players by slot 0..3.
    std::array<QToolButton *, 4> slotButtons{};

    // "Städte und Gebäude"
    std::array<CityGoalBox *, 3> cities{};
    QCheckBox *cbSchloss = nullptr;
    QCheckBox *cbKathedrale = nullptr;
    NumberGoal population;
    // "Gegner und Freunde"
    DefeatGoalBox *defeat = nullptr;
    SupportGoalBox *support = nullptr;
    // "Handel und Waren"
    std::array<StoreGoalBox *, 2> stores{};
    NumberGoal balance;
    NumberGoal tradeBalance;
    MonopolyGoalBox *monopolies = nullptr;
    NumberGoal money;

private:
    static void showNumber(const NumberGoal &goal, qint32 value);
    static void showTriple(const InhabitantsGoal &goal, const CityGoal &triple);
    static void storeTriple(const InhabitantsGoal &goal, CityGoal triple, const ShownValues &shown);
    void storeDefeat(MissionRecord &mission, quint32 &goals, const PlayerArea &players,
                     const ShownValues &shown) const;
};
