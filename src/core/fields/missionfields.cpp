#include "core/fields/missionfields.h"

#include "core/common/checkmessages.h"
#include "core/goods/goodstable.h"
#include "core/players/playerrecord.h"

#include <QJsonArray>
#include <QStringList>

namespace RecordFields {
namespace {

QString group(qint32 g)
{
    const QString name = PopulationLevel::groupName(g + 1);
    return name.isEmpty() ? text(g) : name;
}

// "inhabitants / group / count"
QString goalText(const CityGoal &g)
{
    return QStringLiteral("%1 / %2 / %3")
        .arg(g.inhabitants())
        .arg(group(g.group()))
        .arg(g.groupCount());
}

QString storeText(const MissionRecord &m, int k)
{
    const QString goods = GoodsTable::listName(m.storeGoods(k));
    return QStringLiteral("%1 %2").arg(msg::diffTons(m.storeAmount(k)),
                                       goods.isEmpty() ? text(m.storeGoods(k)) : goods);
}

QString monopolyText(const MissionRecord &m, int k)
{
    const auto item = MonopolyGoods::ItemOf(m.monopoly(k));
    return item ? MonopolyGoods::Name(*item) : text(m.monopoly(k));
}

QString supportedText(const MissionRecord &m)
{
    const quint8 p = m.supportedPlayer();
    if (p == MissionRecord::SupportNatives)
        return msg::diffNatives();
    if (p == MissionRecord::SupportAny)
        return msg::diffAnyPlayer();
    return msg::diffPlayerValue(p);
}

// The flagged players; a flag other than 1 with its value.
QString defeatText(const MissionRecord &m)
{
    QStringList flagged;
    for (int s = 0; s < MissionRecord::DefeatSlots; ++s) {
        if (const quint8 v = m.defeatFlag(s))
            flagged << (v == 1 ? msg::diffPlayerValue(s)
                               : QStringLiteral("%1 (%2)").arg(msg::diffPlayerValue(s), text(v)));
    }
    return flagged.isEmpty() ? msg::diffNothing() : flagged.join(QStringLiteral(", "));
}

} // namespace

const Table<MissionRecord> &mission()
{
    using M = MissionRecord;
    static const Table<M> table = [] {
        Table<M> t{
            field<M>("number", QT_TRANSLATE_NOOP("RecordFields", "Nummer"), &M::number,
                     &M::setNumber),
            field<M>("text", QT_TRANSLATE_NOOP("RecordFields", "Auftragstext"), &M::text,
                     &M::setText),
            field<M>("goals", QT_TRANSLATE_NOOP("RecordFields", "Zielschalter"), &M::goals,
                     &M::setGoals)
                .shownAs([](const M &m) { return hex(m.goals()); }),
            field<M>("supportGoals", QT_TRANSLATE_NOOP("RecordFields", "Unterstützungsziele"),
                     &M::supportGoals, &M::setSupportGoals)
                .shownAs([](const M &m) { return hex(m.supportGoals()); }),
            Field<M>{QStringLiteral("cityGoals"),
                     {},
                     [](const M &m) {
                         QJsonArray goals;
                         for (int i = 1; i <= 3; ++i)
                             goals.append(toJson(cityGoal(), m.cityGoal(i)));
                         return goals;
                     }},
        };
        const char *cities[] = {QT_TRANSLATE_NOOP("RecordFields", "Erste Stadt"),
                                QT_TRANSLATE_NOOP("RecordFields", "Zweite Stadt"),
                                QT_TRANSLATE_NOOP("RecordFields", "Dritte Stadt")};
        for (int i = 1; i <= 3; ++i) {
            t.push_back(Field<M>{{}, QString::fromUtf8(cities[i - 1]), {}, [i](const M &m) {
                                     return goalText(m.cityGoal(i));
                                 }});
        }
        t.push_back(field<M>("population", QT_TRANSLATE_NOOP("RecordFields", "Gesamteinwohnerzahl"),
                             &M::population, &M::setPopulation));
        t.push_back(Field<M>{QStringLiteral("defeatFlags"),
                             QT_TRANSLATE_NOOP("RecordFields", "Zu besiegende Spieler"),
                             [](const M &m) {
                                 QJsonArray flags;
                                 for (int s = 0; s < M::DefeatSlots; ++s)
                                     flags.append(m.defeatFlag(s));
                                 return flags;
                             },
                             defeatText});
        t.push_back(field<M>("supportedPlayer",
                             QT_TRANSLATE_NOOP("RecordFields", "Zu unterstützender Spieler"),
                             &M::supportedPlayer, &M::setSupportedPlayer)
                        .shownAs(supportedText));
        t.push_back(
            Field<M>{QStringLiteral("reachInhabitants"),
                     QT_TRANSLATE_NOOP("RecordFields", "Erreiche Einwohner (Freund)"),
                     [](const M &m) { return toJson(cityGoal(), m.reachInhabitantsGoal()); },
                     [](const M &m) { return goalText(m.reachInhabitantsGoal()); }});
        t.push_back(Field<M>{QStringLiteral("keepInhabitants"),
                             QT_TRANSLATE_NOOP("RecordFields", "Halte Einwohner (Freund)"),
                             [](const M &m) { return toJson(cityGoal(), m.keepInhabitantsGoal()); },
                             [](const M &m) { return goalText(m.keepInhabitantsGoal()); }});
        t.push_back(field<M>("settlementsToKeep",
                             QT_TRANSLATE_NOOP("RecordFields", "Halte Siedlungen"),
                             &M::settlementsToKeep, &M::setSettlementsToKeep));
        t.push_back(
            Field<M>{QStringLiteral("stores"), {}, [](const M &m) {
                         QJsonArray stores;
                         for (int k = 1; k <= 2; ++k) {
                             stores.append(QJsonObject{
                                 {"goods", m.storeGoods(k)},
                                 {"goodsName", orNull(GoodsTable::listName(m.storeGoods(k)))},
                                 {"tons", tons(m.storeAmount(k))}});
                         }
                         return stores;
                     }});
        for (int k = 1; k <= 2; ++k) {
            t.push_back(Field<M>{
                {}, QT_TRANSLATE_NOOP("RecordFields", "%1. Lager"), {}, [k](const M &m) {
                    return storeText(m, k);
                }}.translatedIn(LabelContext, k));
        }
        t.push_back(field<M>("balance", QT_TRANSLATE_NOOP("RecordFields", "Gesamtbilanz"),
                             &M::balance, &M::setBalance));
        t.push_back(field<M>("tradeBalance", QT_TRANSLATE_NOOP("RecordFields", "Handelsbilanz"),
                             &M::tradeBalance, &M::setTradeBalance));
        t.push_back(Field<M>{QStringLiteral("monopolies"), {}, [](const M &m) {
                                 return QJsonArray{m.monopoly(1), m.monopoly(2)};
                             }});
        for (int k = 1; k <= 2; ++k) {
            t.push_back(field<M>(
                            {}, QT_TRANSLATE_NOOP("RecordFields", "%1. Monopol"),
                            [k](const M &m) { return m.monopoly(k); },
                            [k](M &m, quint8 code) { m.setMonopoly(k, code); })
                            .shownAs([k](const M &m) { return monopolyText(m, k); })
                            .translatedIn(LabelContext, k));
        }
        t.push_back(field<M>("money", QT_TRANSLATE_NOOP("RecordFields", "Guthaben"), &M::money,
                             &M::setMoney));
        return t;
    }();
    return table;
}

const Table<CityGoal> &cityGoal()
{
    using G = CityGoal;
    static const Table<G> table{
        field<G>("inhabitants", {}, &G::inhabitants, &G::setInhabitants),
        field<G>("group", {}, &G::group, &G::setGroup),
        field<G>("groupCount", {}, &G::groupCount, &G::setGroupCount),
    };
    return table;
}

} // namespace RecordFields
