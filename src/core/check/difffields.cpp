#include "core/check/difffields.h"

#include "core/common/checkmessages.h"
#include "core/document/scenariosettings.h"
#include "core/goods/goodstable.h"
#include "core/goods/shiprecord.h"
#include "core/goods/shiptypetable.h"
#include "core/islands/cityrecord.h"
#include "core/islands/islandrecord.h"
#include "core/islands/islandreference.h"
#include "core/islands/tradingpostrecord.h"
#include "core/players/missionrecord.h"
#include "core/players/playerrecord.h"

#include <array>

namespace DiffFields {
namespace {

// One field of a record of type R.
template <class R>
Field field(const QString &label, QString (*value)(const R &), Shown shown = Shown::Plain)
{
    return Field{
        label, [value](const uchar *bytes) { return value(R(const_cast<uchar *>(bytes))); }, shown};
}
template <class R>
Field field(const char *label, QString (*value)(const R &), Shown shown = Shown::Plain)
{
    return field<R>(QString::fromUtf8(label), value, shown);
}

QString num(qint64 v)
{
    return QString::number(v);
}
QString hex(quint32 v)
{
    return QStringLiteral("0x%1").arg(v, 0, 16);
}
QString yesNo(bool on)
{
    return on ? msg::diffYes() : msg::diffNo();
}
QString quoted(const QString &text)
{
    return QStringLiteral("„%1“").arg(text);
}
QString position(qint64 x, qint64 y)
{
    return QStringLiteral("%1, %2").arg(x).arg(y);
}
QString group(qint32 g)
{
    const QString name = PopulationLevel::GroupName(g + 1);
    return name.isEmpty() ? num(g) : name;
}
QString cityGoal(const CityGoal &g)
{
    return QStringLiteral("%1 / %2 / %3")
        .arg(g.inhabitants())
        .arg(group(g.group()))
        .arg(g.groupCount());
}
// The owner entry of a city slot: a player, counted from 1, or no city.
QString cityOwner(int owner)
{
    return owner == IslandRecord::NoOwner ? msg::diffNoCity() : msg::diffPlayerValue(owner);
}

QString switchBit(const ScenarioSettings &s, ScenarioSettings::Switch bit)
{
    return yesNo(s.isSet(bit));
}

constexpr quint32 kSwitchBits = ScenarioSettings::NoPirates | ScenarioSettings::NoDroughts |
                                ScenarioSettings::EndlessOre | ScenarioSettings::NoTrader |
                                ScenarioSettings::NoVolcanoes | ScenarioSettings::NoWeapons;

QString store(const MissionRecord &m, int k)
{
    const QString goods = GoodsTable::ListName(m.storeGoods(k));
    return QStringLiteral("%1 %2").arg(msg::diffTons(m.storeAmount(k)),
                                       goods.isEmpty() ? num(m.storeGoods(k)) : goods);
}
QString monopoly(const MissionRecord &m, int k)
{
    const auto item = MonopolyGoods::ItemOf(m.monopoly(k));
    return item ? MonopolyGoods::Name(*item) : num(m.monopoly(k));
}
QString supported(const MissionRecord &m)
{
    const quint8 p = m.supportedPlayer();
    if (p == MissionRecord::SupportNatives)
        return msg::diffNatives();
    if (p == MissionRecord::SupportAny)
        return msg::diffAnyPlayer();
    return msg::diffPlayerValue(p);
}

QString shipType(const ShipRecord &s)
{
    const auto type = ShipTypeTable::IndexOfFigure(s.figure());
    return type ? ShipTypeTable::Row(*type).name : num(s.figure());
}
// Goods and the whole amount word: the amount to the 1/32 t and the two
// flag bits above it.
QString cargo(const CargoSlot &slot)
{
    if (slot.goods() == 0 && slot.amountWord() == 0)
        return msg::diffNothing();
    const QString goods = GoodsTable::StockName(GoodsTable::IndexOfIdentifier(slot.goods()));
    QString text = QStringLiteral("%1 %2").arg(msg::diffTons(slot.amount()),
                                               goods.isEmpty() ? num(slot.goods()) : goods);
    if (const int flags = slot.amountWord() >> 14)
        text += QStringLiteral(" (%1)").arg(hex(quint32(flags)));
    return text;
}

} // namespace

const Fields &Settings()
{
    using S = ScenarioSettings;
    static const Fields fields{
        field<S>("Maximale Anzahl Schiffe", [](const S &s) { return num(s.maxShips()); }),
        field<S>("Piraten erscheinen nicht wieder",
                 [](const S &s) { return switchBit(s, S::NoPirates); }),
        field<S>("Dürren sind nicht möglich",
                 [](const S &s) { return switchBit(s, S::NoDroughts); }),
        field<S>("Große Erzvorkommen sind unerschöpflich",
                 [](const S &s) { return switchBit(s, S::EndlessOre); }),
        field<S>("Fliegender Händler erscheint nicht",
                 [](const S &s) { return switchBit(s, S::NoTrader); }),
        field<S>("Vulkane brechen nicht aus",
                 [](const S &s) { return switchBit(s, S::NoVolcanoes); }),
        field<S>("Militäroptionen aus", [](const S &s) { return switchBit(s, S::NoWeapons); }),
        field<S>("weitere Schalterbits",
                 [](const S &s) { return hex(s.switches() & ~kSwitchBits); }),
        field<S>("MissNr", [](const S &s) { return num(s.missionNumber()); }),
        field<S>("MissSubNr", [](const S &s) { return num(s.missionSubNumber()); }),
        field<S>("GameId", [](const S &s) { return num(s.gameId()); }),
        field<S>("Tutorflg", [](const S &s) { return num(s.tutorFlag()); }),
        field<S>("CompLevel", [](const S &s) { return num(s.computerLevel()); }),
    };
    return fields;
}

const Fields &Player()
{
    using P = PlayerRecord;
    static const Fields fields{
        field<P>(
            "Name", [](const P &p) { return quoted(p.name()); }, Shown::Text),
        field<P>("Art",
                 [](const P &p) {
                     const auto item = PlayerKind::ItemOf(p.kind());
                     return item ? PlayerKind::Name(*item) : num(p.kind());
                 }),
        field<P>("Farbe",
                 [](const P &p) {
                     const QString name = PlayerColour::Name(p.colour());
                     return name.isEmpty() ? num(p.colour()) : name;
                 }),
        field<P>("Konto", [](const P &p) { return num(p.money()); }),
        field<P>("Auftrag", [](const P &p) { return num(p.mission() + 1); }),
        field<P>("Schloss", [](const P &p) { return yesNo(p.castleBuilt()); }),
        field<P>("Kathedrale", [](const P &p) { return yesNo(p.cathedralBuilt()); }),
        field<P>("Denkmäler erhalten",
                 [](const P &p) { return num(p.counter(P::MonumentsReceived)); }),
        field<P>("Denkmäler gebaut", [](const P &p) { return num(p.counter(P::MonumentsBuilt)); }),
        field<P>("Triumphbögen erhalten",
                 [](const P &p) { return num(p.counter(P::ArchesReceived)); }),
        field<P>("Triumphbögen gebaut", [](const P &p) { return num(p.counter(P::ArchesBuilt)); }),
        field<P>("Soldaten besiegt",
                 [](const P &p) { return num(p.counter(P::SoldiersDefeated)); }),
        field<P>("Soldaten verloren", [](const P &p) { return num(p.counter(P::SoldiersLost)); }),
        field<P>("Schiffe versenkt", [](const P &p) { return num(p.counter(P::ShipsSunk)); }),
        field<P>("Schiffe gesunken", [](const P &p) { return num(p.counter(P::ShipsLost)); }),
        field<P>("Krieg bei mehr Einwohnern des Spielers als",
                 [](const P &p) { return num(p.counter(P::HumanInhabitantsMax)); }),
        field<P>("Krieg bei weniger eigenen Einwohnern als",
                 [](const P &p) { return num(p.counter(P::OwnInhabitantsMin)); }),
        field<P>("Stimmungsschalter", [](const P &p) { return hex(p.moods()); }),
        field<P>("Entwicklungsstufe A1", [](const P &p) { return num(p.levelMin()); }),
        field<P>("Entwicklungsstufe A2", [](const P &p) { return num(p.levelMaxHuman()); }),
        field<P>("Freigeschaltete Gebäude", [](const P &p) { return hex(p.unlockedBuildings()); }),
    };
    return fields;
}

const Fields &Mission()
{
    using M = MissionRecord;
    static const Fields fields{
        field<M>("Nummer", [](const M &m) { return num(m.number()); }),
        field<M>(
            "Auftragstext", [](const M &m) { return quoted(m.text()); }, Shown::Text),
        field<M>("Zielschalter", [](const M &m) { return hex(m.goals()); }),
        field<M>("Unterstützungsziele", [](const M &m) { return hex(m.supportGoals()); }),
        field<M>("Erste Stadt", [](const M &m) { return cityGoal(m.cityGoal(1)); }),
        field<M>("Zweite Stadt", [](const M &m) { return cityGoal(m.cityGoal(2)); }),
        field<M>("Dritte Stadt", [](const M &m) { return cityGoal(m.cityGoal(3)); }),
        field<M>("Gesamteinwohnerzahl", [](const M &m) { return num(m.population()); }),
        field<M>("Zu besiegende Spieler",
                 [](const M &m) {
                     QStringList flagged;
                     for (int s = 0; s < M::DefeatSlots; ++s) {
                         if (const quint8 v = m.defeatFlag(s))
                             flagged << (v == 1 ? msg::diffPlayerValue(s)
                                                : QStringLiteral("%1 (%2)").arg(
                                                      msg::diffPlayerValue(s), num(v)));
                     }
                     return flagged.isEmpty() ? msg::diffNothing()
                                              : flagged.join(QStringLiteral(", "));
                 }),
        field<M>("Zu unterstützender Spieler", [](const M &m) { return supported(m); }),
        field<M>("Erreiche Einwohner (Freund)",
                 [](const M &m) { return cityGoal(m.reachInhabitantsGoal()); }),
        field<M>("Halte Einwohner (Freund)",
                 [](const M &m) { return cityGoal(m.keepInhabitantsGoal()); }),
        field<M>("Halte Siedlungen", [](const M &m) { return num(m.settlementsToKeep()); }),
        field<M>("1. Lager", [](const M &m) { return store(m, 1); }),
        field<M>("2. Lager", [](const M &m) { return store(m, 2); }),
        field<M>("Gesamtbilanz", [](const M &m) { return num(m.balance()); }),
        field<M>("Handelsbilanz", [](const M &m) { return num(m.tradeBalance()); }),
        field<M>("1. Monopol", [](const M &m) { return monopoly(m, 1); }),
        field<M>("2. Monopol", [](const M &m) { return monopoly(m, 2); }),
        field<M>("Guthaben", [](const M &m) { return num(m.money()); }),
    };
    return fields;
}

namespace {

Fields islandFields()
{
    using I = IslandRecord;
    Fields fields{
        field<I>(
            "Position", [](const I &i) { return position(i.x(), i.y()); }, Shown::Position),
        field<I>("Größe",
                 [](const I &i) { return QStringLiteral("%1x%2").arg(i.width()).arg(i.height()); }),
        field<I>("Klima", [](const I &i) { return num(i.climate()); }),
        field<I>("Größenklasse", [](const I &i) { return num(i.sizeClass()); }),
        field<I>("Vorlage", [](const I &i) { return num(i.templateNumber()); }),
        field<I>("Eigener Boden", [](const I &i) { return num(i.ownGround()); }),
    };
    static const std::array<QString (*)(const I &), I::CitySlots> owners{
        [](const I &i) { return cityOwner(i.cityOwner(0)); },
        [](const I &i) { return cityOwner(i.cityOwner(1)); },
        [](const I &i) { return cityOwner(i.cityOwner(2)); },
        [](const I &i) { return cityOwner(i.cityOwner(3)); },
        [](const I &i) { return cityOwner(i.cityOwner(4)); },
        [](const I &i) { return cityOwner(i.cityOwner(5)); },
        [](const I &i) { return cityOwner(i.cityOwner(6)); },
        [](const I &i) { return cityOwner(i.cityOwner(7)); },
    };
    for (int s = 0; s < I::CitySlots; ++s)
        fields.push_back(field<I>(msg::diffCityOwner(s), owners[size_t(s)]));
    return fields;
}

} // namespace

const Fields &Island()
{
    static const Fields fields = islandFields();
    return fields;
}

const Fields &OldIsland()
{
    static const Fields fields = [] {
        Fields converted;
        for (const Field &f : Island()) {
            converted.push_back(Field{f.label,
                                      [read = f.value](const uchar *old) {
                                          uchar record[IslandRecord::Size];
                                          IslandRecord::convertOld(old, record);
                                          return read(record);
                                      },
                                      f.shown});
        }
        return converted;
    }();
    return fields;
}

const Fields &Reference()
{
    using R = IslandReference;
    static const Fields fields{
        field<R>(
            "Position", [](const R &r) { return position(r.x(), r.y()); }, Shown::Position),
        field<R>("Inselnummer", [](const R &r) { return num(r.islandNumber()); }),
        field<R>("Klima", [](const R &r) { return num(r.climate()); }),
        field<R>("Größenklasse", [](const R &r) { return num(r.sizeClass()); }),
        field<R>("Eingeborene", [](const R &r) { return yesNo(r.native()); }),
        field<R>("Vorlage", [](const R &r) { return num(r.templateNumber()); }),
    };
    return fields;
}

const Fields &City()
{
    using C = CityRecord;
    static const Fields fields{
        field<C>(
            "Name", [](const C &c) { return quoted(c.name()); }, Shown::Text),
        field<C>("Insel", [](const C &c) { return num(c.islandNumber()); }),
        field<C>("Stadtplatz", [](const C &c) { return num(c.slot()); }),
        field<C>("Besitzer", [](const C &c) { return msg::diffPlayerValue(c.owner()); }),
        field<C>("Baustopp", [](const C &c) { return yesNo(c.buildStop()); }),
    };
    return fields;
}

const Fields &TradingPost()
{
    using T = TradingPostRecord;
    static const Fields fields = [] {
        Fields list{
            field<T>("Insel", [](const T &t) { return num(t.islandNumber()); }),
            field<T>("Stadtplatz", [](const T &t) { return num(t.citySlot()); }),
        };
        for (int g = GoodsTable::FirstGoods; g <= GoodsTable::LastGoods; ++g) {
            list.push_back(Field{GoodsTable::StockName(g), [g](const uchar *bytes) {
                                     const T post(const_cast<uchar *>(bytes));
                                     return msg::diffTons(post.slot(g).amount());
                                 }});
        }
        return list;
    }();
    return fields;
}

const Fields &Ship()
{
    using S = ShipRecord;
    static const Fields fields = [] {
        Fields list{
            field<S>(
                "Name", [](const S &s) { return quoted(s.name()); }, Shown::Text),
            field<S>(
                "Position", [](const S &s) { return position(s.x(), s.y()); }, Shown::Position),
            field<S>("Typ", [](const S &s) { return shipType(s); }),
            field<S>("Art", [](const S &s) { return num(s.kind()); }),
            field<S>("Besitzer", [](const S &s) { return msg::diffPlayerValue(s.owner()); }),
            field<S>("Energie", [](const S &s) { return num(s.energy()); }),
            field<S>("Kanonen", [](const S &s) { return num(s.guns()); }),
        };
        for (int c = 0; c < S::CargoSlots; ++c) {
            list.push_back(Field{msg::diffCargo(c), [c](const uchar *bytes) {
                                     return cargo(S(const_cast<uchar *>(bytes)).cargo(c));
                                 }});
        }
        return list;
    }();
    return fields;
}

} // namespace DiffFields
