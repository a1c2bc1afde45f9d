#include "editor/pages/missionfields.h"

#include "core/goods/goodstable.h"
#include "core/players/missionrecord.h"
#include "core/players/playerrecord.h"
#include "editor/pages/citygoalbox.h"
#include "editor/pages/defeatgoalbox.h"
#include "editor/pages/monopolygoalbox.h"
#include "editor/pages/storegoalbox.h"
#include "editor/pages/supportgoalbox.h"
#include "editor/widgets/numerickeyfilter.h"
#include "editor/widgets/shownvalues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

// The edit's number within its range (the edit then shows it); 0 when it
// holds none.
qint64 numberOf(QLineEdit *edit)
{
    return NumericKeyFilter::Settle(edit).value_or(0);
}

} // namespace

void MissionFields::show(const MissionRecord &mission, const PlayerArea &players, int m) const
{
    const quint32 goals = mission.goals();
    for (int i = 0; i < 3; ++i) {
        if (goals & (MissionRecord::City1 << i))
            showTriple(cities[size_t(i)]->goal(), mission.cityGoal(i + 1));
    }
    cbSchloss->setChecked(goals & MissionRecord::Castle);
    cbKathedrale->setChecked(goals & MissionRecord::Cathedral);
    if (goals & MissionRecord::Money)
        showNumber(money, mission.money());

    // The defeat buttons stand for colours; each slot's flag shows on the
    // button of its colour. Slots of a colour without a button show nothing.
    if (goals & MissionRecord::DefeatFlagged) {
        for (int slot = 0; slot < MissionRecord::DefeatSlots; ++slot) {
            QToolButton *button = defeat->buttonOfSlot(players, slot);
            if (mission.defeatFlag(slot) != 0 && button)
                button->setChecked(true);
        }
    }
    defeat->anyButton()->setChecked(goals & MissionRecord::DefeatAny);

    if ((goals & MissionRecord::HelpInhabitants) || mission.supportGoals() != 0) {
        const int supported = mission.supportedPlayer();
        if (supported == MissionRecord::SupportAny) {
            support->anyButton()->setChecked(true);
        } else if (supported == MissionRecord::SupportNatives) {
            support->nativesButton()->setChecked(true);
        } else if (supported < MissionRecord::SupportNatives) {
            // Only slots 0..5 are left here; 8 and above name no slot.
            if (QToolButton *button = support->buttonOfSlot(players, supported))
                button->setChecked(true);
        }
    }

    if (goals & MissionRecord::Population)
        showNumber(population, mission.population());
    if (goals & MissionRecord::HelpInhabitants)
        showTriple(support->reachGoal(), mission.reachInhabitantsGoal());
    if (mission.supportGoals() & MissionRecord::KeepInhabitants)
        showTriple(support->keepGoal(), mission.keepInhabitantsGoal());
    if (mission.supportGoals() & MissionRecord::KeepSettlements)
        showNumber(support->settlementsGoal(), mission.settlementsToKeep());

    for (int k = 1; k <= 2; ++k) {
        const StoreGoalBox *store = stores[size_t(k - 1)];
        if (goals & (MissionRecord::Store1 << (k - 1))) {
            store->check()->setChecked(true);
            store->tons()->setText(QString::number(mission.storeAmount(k) / 32));
            const int code = mission.storeGoods(k);
            const bool known = code >= GoodsTable::FirstGoods && code <= GoodsTable::LastGoods;
            store->goods()->setCurrentIndex(known ? code - GoodsTable::FirstGoods : -1);
        }
    }
    if (goals & MissionRecord::Balance)
        showNumber(balance, mission.balance());
    if (goals & MissionRecord::TradeBalance)
        showNumber(tradeBalance, mission.tradeBalance());
    for (int k = 1; k <= 2; ++k) {
        if (goals & (MissionRecord::Monopoly1 << (k - 1))) {
            monopolies->check(k)->setChecked(true);
            monopolies->goods(k)->setCurrentIndex(
                MonopolyGoods::ItemOf(mission.monopoly(k)).value_or(-1));
        }
    }

    for (int slot = 0; slot < 4; ++slot)
        slotButtons[size_t(slot)]->setChecked(players.player(slot).mission() == m);

    // The record separates lines with CR LF; the memo with LF.
    QString text = mission.text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Memo1->setPlainText(text);
}

void MissionFields::store(MissionRecord &mission, PlayerArea &players, int m,
                          const ShownValues &shown) const
{
    // A check box owns exactly its bit; a value is written when its control
    // changed or its goal was just switched on.
    const auto changed = [&shown](const QObject *control) { return shown.changed(control); };
    const auto valueChanged = [&](const QCheckBox *check, const QObject *control) {
        return check->isChecked() && (changed(check) || changed(control));
    };
    mission.setNumber(m);

    if (changed(Memo1)) {
        QString text = Memo1->toPlainText();
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        mission.setText(text.left(MissionRecord::TextChars));
    }

    quint32 goals = mission.goals();
    // A goal's bit follows its check box once the user clicked it.
    const auto setBit = [&](quint32 bit, const QAbstractButton *check) {
        if (changed(check))
            goals = check->isChecked() ? goals | bit : goals & ~bit;
    };
    const auto storeNumber = [&](quint32 bit, const NumberGoal &goal,
                                 void (MissionRecord::*set)(qint32)) {
        setBit(bit, goal.check);
        if (valueChanged(goal.check, goal.edit))
            (mission.*set)(qint32(numberOf(goal.edit)));
    };
    for (int i = 0; i < 3; ++i) {
        const InhabitantsGoal &city = cities[size_t(i)]->goal();
        setBit(MissionRecord::City1 << i, city.check);
        if (city.check->isChecked())
            storeTriple(city, mission.cityGoal(i + 1), shown);
    }

    // The money goal switches further bits on that stay when it goes off;
    // bit 16 among them belongs to the trade balance's own box.
    if (money.check->isChecked() && changed(money.check))
        goals |= MissionRecord::MoneyMask & ~quint32(MissionRecord::TradeBalance);
    storeNumber(MissionRecord::Money, money, &MissionRecord::setMoney);
    storeNumber(MissionRecord::Population, population, &MissionRecord::setPopulation);

    setBit(MissionRecord::Castle, cbSchloss);
    setBit(MissionRecord::Cathedral, cbKathedrale);

    storeDefeat(mission, goals, players, shown);
    setBit(MissionRecord::DefeatAny, defeat->anyButton());

    const InhabitantsGoal &reach = support->reachGoal();
    const InhabitantsGoal &keep = support->keepGoal();
    const NumberGoal &settlements = support->settlementsGoal();
    setBit(MissionRecord::HelpInhabitants, reach.check);
    if (reach.check->isChecked())
        storeTriple(reach, mission.reachInhabitantsGoal(), shown);
    quint32 supportGoals = mission.supportGoals();
    const auto setSupportBit = [&](quint32 bit, const QAbstractButton *check) {
        if (changed(check))
            supportGoals = check->isChecked() ? supportGoals | bit : supportGoals & ~bit;
    };
    setSupportBit(MissionRecord::KeepInhabitants, keep.check);
    if (keep.check->isChecked())
        storeTriple(keep, mission.keepInhabitantsGoal(), shown);
    setSupportBit(MissionRecord::KeepSettlements, settlements.check);
    if (valueChanged(settlements.check, settlements.edit))
        mission.setSettlementsToKeep(qint16(numberOf(settlements.edit)));
    mission.setSupportGoals(supportGoals);

    // The player to support is only written with a support goal, once the
    // user changed a support button or goal; without a down button it stays.
    const bool supportGoal =
        reach.check->isChecked() || keep.check->isChecked() || settlements.check->isChecked();
    bool supportTouched = shown.anyChanged({reach.check, keep.check, settlements.check});
    for (const QToolButton *button : support->buttons())
        supportTouched = supportTouched || shown.changed(button);
    if (supportGoal && supportTouched) {
        if (support->anyButton()->isChecked()) {
            mission.setSupportedPlayer(MissionRecord::SupportAny);
        } else if (support->nativesButton()->isChecked()) {
            mission.setSupportedPlayer(MissionRecord::SupportNatives);
        } else {
            for (int slot = 0; slot < 4; ++slot) {
                const QToolButton *button = support->buttonOfSlot(players, slot);
                if (button && button->isChecked()) {
                    mission.setSupportedPlayer(quint8(slot));
                    break;
                }
            }
        }
    }

    for (int k = 1; k <= 2; ++k) {
        const StoreGoalBox *store = stores[size_t(k - 1)];
        setBit(MissionRecord::Store1 << (k - 1), store->check());
        // The tons edit stops at the largest amount the 16-bit field holds.
        if (valueChanged(store->check(), store->tons()))
            mission.setStoreAmount(k, quint16(numberOf(store->tons()) * 32));
        if (valueChanged(store->check(), store->goods())) {
            const int item = store->goods()->currentIndex();
            mission.setStoreGoods(k, item >= 0 ? quint8(item + GoodsTable::FirstGoods)
                                               : quint8(GoodsTable::Empty));
        }
    }

    storeNumber(MissionRecord::Balance, balance, &MissionRecord::setBalance);
    storeNumber(MissionRecord::TradeBalance, tradeBalance, &MissionRecord::setTradeBalance);

    for (int k = 1; k <= 2; ++k) {
        QCheckBox *const check = monopolies->check(k);
        setBit(MissionRecord::Monopoly1 << (k - 1), check);
        // Without a selected goods item the stored code stays.
        const int item = monopolies->goods(k)->currentIndex();
        if (valueChanged(check, monopolies->goods(k)) && item >= 0 && item < MonopolyGoods::Count)
            mission.setMonopoly(k, MonopolyGoods::Code(item));
    }
    mission.setGoals(goals);

    // A button that is up leaves the slot with the mission it had.
    for (int slot = 0; slot < 4; ++slot) {
        QToolButton *button = slotButtons[size_t(slot)];
        if (changed(button) && button->isChecked())
            players.player(slot).setMission(quint8(m));
    }
}

void MissionFields::showNumber(const NumberGoal &goal, qint32 value)
{
    goal.check->setChecked(true);
    goal.edit->setText(QString::number(value));
}

void MissionFields::showTriple(const InhabitantsGoal &goal, const CityGoal &triple)
{
    goal.check->setChecked(true);
    goal.inhabitants->setText(QString::number(triple.inhabitants()));
    goal.count->setText(QString::number(triple.groupCount()));
    const qint32 group = triple.group();
    goal.group->setCurrentIndex(group >= 0 && group < goal.group->count() ? int(group) : -1);
}

void MissionFields::storeTriple(const InhabitantsGoal &goal, CityGoal triple,
                                const ShownValues &shown)
{
    // A goal that the user just switched on takes all three values as the
    // page shows them; otherwise only the changed ones are written.
    const bool all = shown.changed(goal.check);
    if (all || shown.changed(goal.inhabitants))
        triple.setInhabitants(qint32(numberOf(goal.inhabitants)));
    if (all || shown.changed(goal.group))
        triple.setGroup(goal.group->currentIndex());
    if (all || shown.changed(goal.count))
        triple.setGroupCount(quint32(numberOf(goal.count)));
}

void MissionFields::storeDefeat(MissionRecord &mission, quint32 &goals, const PlayerArea &players,
                                const ShownValues &shown) const
{
    // The flags of the slots 0..5 are shown on the buttons of their colours
    // (the pirates' included) and only while bit 10 is set. They are written
    // once the user changed a defeat button: the changed buttons write their
    // slots' flags; while bit 10 was clear the other flags were shown as
    // "not to defeat", so they become 0 before bit 10 makes them count.
    bool touched = false;
    for (const QToolButton *button : defeat->colourButtons())
        touched = touched || shown.changed(button);
    if (!touched)
        return;
    const bool wasActive = goals & MissionRecord::DefeatFlagged;
    bool any = false;
    for (int slot = 0; slot < MissionRecord::DefeatSlots; ++slot) {
        const QToolButton *button = defeat->buttonOfSlot(players, slot);
        if (button && shown.changed(button))
            mission.setDefeatFlag(slot, button->isChecked() ? 1 : 0);
        else if (!wasActive)
            mission.setDefeatFlag(slot, 0);
        any = any || mission.defeatFlag(slot) != 0;
    }
    goals =
        any ? goals | MissionRecord::DefeatFlagged : goals & ~quint32(MissionRecord::DefeatFlagged);
}
