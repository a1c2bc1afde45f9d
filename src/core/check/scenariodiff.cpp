#include "core/check/scenariodiff.h"

#include "core/common/checkmessages.h"
#include "core/document/rumoszen.h"
#include "core/goods/goodstable.h"
#include "core/goods/shiptypetable.h"

#include <QJsonObject>
#include <map>

namespace {

// One field of a record: the label the editor gives it and its value as the
// editor shows it.
template <class R> struct Field {
    const char *label;
    QString (*value)(const R &);
};

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
    constexpr int Shown = 40;
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(QLatin1Char('\n'), ' ');
    if (line.size() > Shown)
        line = line.left(Shown) + QStringLiteral("…");
    return QStringLiteral("„%1“").arg(line);
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

struct SettingsView {
    ScenarioSettings s;
    int campaign;
    QString name;
};

QString switchBit(const SettingsView &v, ScenarioSettings::Switch bit)
{
    return yesNo(v.s.isSet(bit));
}

constexpr quint32 kSwitchBits = ScenarioSettings::NoPirates | ScenarioSettings::NoDroughts |
                                ScenarioSettings::EndlessOre | ScenarioSettings::NoTrader |
                                ScenarioSettings::NoVolcanoes | ScenarioSettings::NoWeapons;

const Field<SettingsView> kSettingsFields[] = {
    {"Maximale Anzahl Schiffe", [](const SettingsView &v) { return num(v.s.maxShips()); }},
    {"Piraten erscheinen nicht wieder",
     [](const SettingsView &v) { return switchBit(v, ScenarioSettings::NoPirates); }},
    {"Dürren sind nicht möglich",
     [](const SettingsView &v) { return switchBit(v, ScenarioSettings::NoDroughts); }},
    {"Große Erzvorkommen sind unerschöpflich",
     [](const SettingsView &v) { return switchBit(v, ScenarioSettings::EndlessOre); }},
    {"Fliegender Händler erscheint nicht",
     [](const SettingsView &v) { return switchBit(v, ScenarioSettings::NoTrader); }},
    {"Vulkane brechen nicht aus",
     [](const SettingsView &v) { return switchBit(v, ScenarioSettings::NoVolcanoes); }},
    {"Militäroptionen aus",
     [](const SettingsView &v) { return switchBit(v, ScenarioSettings::NoWeapons); }},
    {"weitere Schalterbits",
     [](const SettingsView &v) { return hex(v.s.switches() & ~kSwitchBits); }},
    {"MissNr", [](const SettingsView &v) { return num(v.s.missionNumber()); }},
    {"MissSubNr", [](const SettingsView &v) { return num(v.s.missionSubNumber()); }},
    {"GameId", [](const SettingsView &v) { return num(v.s.gameId()); }},
    {"Tutorflg", [](const SettingsView &v) { return num(v.s.tutorFlag()); }},
    {"CompLevel", [](const SettingsView &v) { return num(v.s.computerLevel()); }},
    {"Kampagne",
     [](const SettingsView &v) { return v.campaign < 0 ? msg::diffNothing() : num(v.campaign); }},
    {"Szenarioname", [](const SettingsView &v) { return quoted(v.name); }},
};

const Field<PlayerRecord> kPlayerFields[] = {
    {"Name", [](const PlayerRecord &p) { return quoted(p.name()); }},
    {"Art",
     [](const PlayerRecord &p) {
         const auto item = PlayerKind::ItemOf(p.kind());
         return item ? PlayerKind::Name(*item) : num(p.kind());
     }},
    {"Farbe",
     [](const PlayerRecord &p) {
         const QString name = PlayerColour::Name(p.colour());
         return name.isEmpty() ? num(p.colour()) : name;
     }},
    {"Konto", [](const PlayerRecord &p) { return num(p.money()); }},
    {"Auftrag", [](const PlayerRecord &p) { return num(p.mission() + 1); }},
    {"Schloss", [](const PlayerRecord &p) { return yesNo(p.castleBuilt()); }},
    {"Kathedrale", [](const PlayerRecord &p) { return yesNo(p.cathedralBuilt()); }},
    {"Denkmäler erhalten",
     [](const PlayerRecord &p) { return num(p.counter(PlayerRecord::MonumentsReceived)); }},
    {"Denkmäler gebaut",
     [](const PlayerRecord &p) { return num(p.counter(PlayerRecord::MonumentsBuilt)); }},
    {"Triumphbögen erhalten",
     [](const PlayerRecord &p) { return num(p.counter(PlayerRecord::ArchesReceived)); }},
    {"Triumphbögen gebaut",
     [](const PlayerRecord &p) { return num(p.counter(PlayerRecord::ArchesBuilt)); }},
    {"Soldaten besiegt",
     [](const PlayerRecord &p) { return num(p.counter(PlayerRecord::SoldiersDefeated)); }},
    {"Soldaten verloren",
     [](const PlayerRecord &p) { return num(p.counter(PlayerRecord::SoldiersLost)); }},
    {"Schiffe versenkt",
     [](const PlayerRecord &p) { return num(p.counter(PlayerRecord::ShipsSunk)); }},
    {"Schiffe gesunken",
     [](const PlayerRecord &p) { return num(p.counter(PlayerRecord::ShipsLost)); }},
    {"Krieg bei mehr Einwohnern des Spielers als",
     [](const PlayerRecord &p) { return num(p.counter(PlayerRecord::HumanInhabitantsMax)); }},
    {"Krieg bei weniger eigenen Einwohnern als",
     [](const PlayerRecord &p) { return num(p.counter(PlayerRecord::OwnInhabitantsMin)); }},
    {"Stimmungsschalter", [](const PlayerRecord &p) { return hex(p.moods()); }},
    {"Entwicklungsstufe A1", [](const PlayerRecord &p) { return num(p.levelMin()); }},
    {"Entwicklungsstufe A2", [](const PlayerRecord &p) { return num(p.levelMaxHuman()); }},
    {"Freigeschaltete Gebäude", [](const PlayerRecord &p) { return hex(p.unlockedBuildings()); }},
};

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

const Field<MissionRecord> kMissionFields[] = {
    {"Nummer", [](const MissionRecord &m) { return num(m.number()); }},
    {"Auftragstext", [](const MissionRecord &m) { return quoted(m.text()); }},
    {"Zielschalter", [](const MissionRecord &m) { return hex(m.goals()); }},
    {"Unterstützungsziele", [](const MissionRecord &m) { return hex(m.supportGoals()); }},
    {"Erste Stadt", [](const MissionRecord &m) { return cityGoal(m.cityGoal(1)); }},
    {"Zweite Stadt", [](const MissionRecord &m) { return cityGoal(m.cityGoal(2)); }},
    {"Dritte Stadt", [](const MissionRecord &m) { return cityGoal(m.cityGoal(3)); }},
    {"Gesamteinwohnerzahl", [](const MissionRecord &m) { return num(m.population()); }},
    {"Zu besiegende Spieler",
     [](const MissionRecord &m) {
         QStringList flagged;
         for (int s = 0; s < MissionRecord::DefeatSlots; ++s) {
             if (m.defeatFlag(s))
                 flagged << num(s + 1);
         }
         return flagged.isEmpty() ? msg::diffNothing() : flagged.join(QStringLiteral(", "));
     }},
    {"Zu unterstützender Spieler", [](const MissionRecord &m) { return num(m.supportedPlayer()); }},
    {"Erreiche Einwohner (Freund)",
     [](const MissionRecord &m) { return cityGoal(m.reachInhabitantsGoal()); }},
    {"Halte Einwohner (Freund)",
     [](const MissionRecord &m) { return cityGoal(m.keepInhabitantsGoal()); }},
    {"Halte Siedlungen", [](const MissionRecord &m) { return num(m.settlementsToKeep()); }},
    {"1. Lager", [](const MissionRecord &m) { return store(m, 1); }},
    {"2. Lager", [](const MissionRecord &m) { return store(m, 2); }},
    {"Gesamtbilanz", [](const MissionRecord &m) { return num(m.balance()); }},
    {"Handelsbilanz", [](const MissionRecord &m) { return num(m.tradeBalance()); }},
    {"1. Monopol", [](const MissionRecord &m) { return monopoly(m, 1); }},
    {"2. Monopol", [](const MissionRecord &m) { return monopoly(m, 2); }},
    {"Guthaben", [](const MissionRecord &m) { return num(m.money()); }},
};

const Field<Insel> kIslandFields[] = {
    {"Größe",
     [](const Insel &i) { return QStringLiteral("%1x%2").arg(i.width()).arg(i.height()); }},
    {"Klima", [](const Insel &i) { return num(i.climate()); }},
    {"Vorlage", [](const Insel &i) { return num(i.templateNumber()); }},
    {"Stadtbesitzer",
     [](const Insel &i) {
         QStringList owners;
         for (int s = 0; s < IslandRecord::CitySlots; ++s)
             owners << num(i.record().cityOwner(s));
         return owners.join(QLatin1Char(' '));
     }},
    {"Ebenen", [](const Insel &i) { return num(qint64(i.layers().size())); }},
    {"Hirsche", [](const Insel &i) { return num(qint64(i.deer().size())); }},
};

const Field<CityRecord> kCityFields[] = {
    {"Name", [](const CityRecord &c) { return quoted(c.name()); }},
    {"Besitzer", [](const CityRecord &c) { return msg::diffPlayerValue(c.owner()); }},
    {"Baustopp", [](const CityRecord &c) { return yesNo(c.buildStop()); }},
};

QString shipType(const ShipRecord &s)
{
    const auto type = ShipTypeTable::IndexOfFigure(s.figure());
    return type ? ShipTypeTable::Row(*type).name : num(s.figure());
}

const Field<ShipRecord> kShipFields[] = {
    {"Typ", [](const ShipRecord &s) { return shipType(s); }},
    {"Art", [](const ShipRecord &s) { return num(s.kind()); }},
    {"Besitzer", [](const ShipRecord &s) { return msg::diffPlayerValue(s.owner()); }},
    {"Energie", [](const ShipRecord &s) { return num(s.energy()); }},
    {"Kanonen", [](const ShipRecord &s) { return num(s.guns()); }},
};

class Differ {
public:
    Differ(RumoSzen &a, RumoSzen &b) : a_(a), b_(b) {}

    QList<DiffLine> run()
    {
        settings();
        for (int slot = 0; slot < PlayerRecord::Count; ++slot)
            compare("player", msg::diffPlayer(slot), a_.players().player(slot),
                    b_.players().player(slot), kPlayerFields);
        for (int m = 0; m < MissionRecord::Count; ++m)
            compare("mission", msg::diffMission(m), a_.missions().mission(m),
                    b_.missions().mission(m), kMissionFields);
        islands();
        ships();
        carriedChunks();
        return lines_;
    }

private:
    void changed(const char *area, const QString &object, const QString &field,
                 const QString &before, const QString &after)
    {
        lines_.append(DiffLine{QString::fromLatin1(area), object, field, before, after,
                               msg::diffChanged(object, field, before, after)});
    }
    void presence(const char *area, const QString &object, bool added)
    {
        lines_.append(DiffLine{QString::fromLatin1(area),
                               object,
                               {},
                               {},
                               {},
                               added ? msg::diffAdded(object) : msg::diffRemoved(object)});
    }

    template <class R, size_t N>
    void compare(const char *area, const QString &object, const R &a, const R &b,
                 const Field<R> (&fields)[N])
    {
        for (const Field<R> &f : fields) {
            const QString before = f.value(a);
            const QString after = f.value(b);
            if (before != after)
                changed(area, object, QString::fromUtf8(f.label), before, after);
        }
    }

    void settings()
    {
        const SettingsView a{a_.settings(), a_.CampaignNumber(), a_.scenarioName()};
        const SettingsView b{b_.settings(), b_.CampaignNumber(), b_.scenarioName()};
        compare("settings", msg::diffSettings(), a, b, kSettingsFields);
    }

    void islands()
    {
        const size_t count = std::max(a_.Islands().size(), b_.Islands().size());
        for (size_t n = 0; n < count; ++n) {
            const Insel *a = a_.island(int(n));
            const Insel *b = b_.island(int(n));
            const QString object = msg::diffIsland(int(n));
            if (!a || !b) {
                if (a || b)
                    presence("island", object, b != nullptr);
                continue;
            }
            if (a->x() != b->x() || a->y() != b->y()) {
                lines_.append(DiffLine{QStringLiteral("island"),
                                       object,
                                       {},
                                       QStringLiteral("%1, %2").arg(a->x()).arg(a->y()),
                                       QStringLiteral("%1, %2").arg(b->x()).arg(b->y()),
                                       msg::diffMoved(object, a->x(), a->y(), b->x(), b->y())});
            }
            compare("island", object, *a, *b, kIslandFields);
            cities(*a, *b);
            tradingPosts(*a, *b);
        }
    }

    void cities(const Insel &a, const Insel &b)
    {
        const size_t count = std::max(a.cities().size(), b.cities().size());
        for (size_t slot = 0; slot < count; ++slot) {
            const CityRecord ca = a.cityInSlot(int(slot));
            const CityRecord cb = b.cityInSlot(int(slot));
            if (!ca && !cb)
                continue;
            const QString object = msg::diffCity((cb ? cb : ca).name(), b.number());
            if (!ca || !cb)
                presence("city", object, bool(cb));
            else
                compare("city", object, ca, cb, kCityFields);
        }
    }

    // Trading posts pair up by the city they belong to, in reading order.
    void tradingPosts(const Insel &a, const Insel &b)
    {
        auto bySlot = [](const Insel &island) {
            std::map<int, std::vector<TradingPostRecord>> posts;
            for (const TradingPostRecord &p : island.tradingPosts())
                posts[p.citySlot()].push_back(p);
            return posts;
        };
        auto pa = bySlot(a);
        auto pb = bySlot(b);
        for (auto &[slot, list] : pb)
            pa[slot];
        for (const auto &[slot, listA] : pa) {
            const auto &listB = pb[slot];
            const CityRecord city = b.cityInSlot(slot) ? b.cityInSlot(slot) : a.cityInSlot(slot);
            const QString object =
                msg::diffTradingPost(city ? city.name() : QString(), b.number(), slot);
            for (size_t k = 0; k < std::max(listA.size(), listB.size()); ++k) {
                if (k >= listA.size() || k >= listB.size()) {
                    presence("tradingPost", object, k < listB.size());
                    continue;
                }
                for (int g = GoodsTable::FirstGoods; g <= GoodsTable::LastGoods; ++g) {
                    const quint32 before = listA[k].slot(g).amount();
                    const quint32 after = listB[k].slot(g).amount();
                    if (before != after)
                        changed("tradingPost", object, GoodsTable::StockName(g),
                                msg::diffTons(before), msg::diffTons(after));
                }
            }
        }
    }

    // Ships and carts pair up by name: the k-th vehicle of a name in one
    // scenario with the k-th of that name in the other.
    void ships()
    {
        auto byName = [](const std::vector<ShipRecord> &ships) {
            std::map<QString, std::vector<ShipRecord>> named;
            std::vector<QString> order;
            for (const ShipRecord &s : ships) {
                auto &list = named[s.name()];
                if (list.empty())
                    order.push_back(s.name());
                list.push_back(s);
            }
            return std::pair(named, order);
        };
        auto [na, orderA] = byName(a_.Ships());
        auto [nb, orderB] = byName(b_.Ships());
        std::vector<QString> order = orderA;
        for (const QString &name : orderB) {
            if (!na.count(name))
                order.push_back(name);
        }
        for (const QString &name : order) {
            const auto &la = na[name];
            const auto &lb = nb[name];
            for (size_t k = 0; k < std::max(la.size(), lb.size()); ++k) {
                const ShipRecord sa = k < la.size() ? la[k] : ShipRecord();
                const ShipRecord sb = k < lb.size() ? lb[k] : ShipRecord();
                const QString object = msg::diffVehicle((sb ? sb : sa).isCart(), name);
                if (!sa || !sb) {
                    presence("ship", object, bool(sb));
                    continue;
                }
                if (sa.x() != sb.x() || sa.y() != sb.y()) {
                    lines_.append(DiffLine{QStringLiteral("ship"),
                                           object,
                                           {},
                                           QStringLiteral("%1, %2").arg(sa.x()).arg(sa.y()),
                                           QStringLiteral("%1, %2").arg(sb.x()).arg(sb.y()),
                                           msg::diffMoved(object, sa.x(), sa.y(), sb.x(), sb.y())});
                }
                compare("ship", object, sa, sb, kShipFields);
                for (int c = 0; c < ShipRecord::CargoSlots; ++c) {
                    const QString before = cargo(sa.cargo(c));
                    const QString after = cargo(sb.cargo(c));
                    if (before != after)
                        changed("ship", object, msg::diffCargo(c), before, after);
                }
            }
        }
    }
    static QString cargo(const CargoSlot &slot)
    {
        if (slot.goods() == 0 && slot.amount() == 0)
            return msg::diffNothing();
        const QString goods = GoodsTable::StockName(GoodsTable::IndexOfIdentifier(slot.goods()));
        return QStringLiteral("%1 %2").arg(msg::diffTons(slot.amount()),
                                           goods.isEmpty() ? num(slot.goods()) : goods);
    }

    // The chunks the editor carries without reading them, compared by name
    // and position among the chunks of that name.
    void carriedChunks()
    {
        auto carried = [](const RumoSzen &doc) {
            static const QByteArrayView kRead[] = {
                "INSEL5", "HIRSCH2", "SZENE_KAMPAGNE", "INSEL_MAXFUN", "INSELHAUS", "AUFTRAG4",
                "TIMERS", "SZENE",   "PLAYER4",        "STADT4",       "KONTOR2",   "SHIP4",
                "NAME"};
            std::map<QByteArray, std::vector<const ScenarioChunk *>> named;
            std::vector<QByteArray> order;
            for (const ScenarioChunk &chunk : doc.chunks()) {
                const QByteArrayView name = chunk.nameView();
                if (std::find(std::begin(kRead), std::end(kRead), name) != std::end(kRead))
                    continue;
                auto &list = named[name.toByteArray()];
                if (list.empty())
                    order.push_back(name.toByteArray());
                list.push_back(&chunk);
            }
            return std::pair(named, order);
        };
        auto [ca, orderA] = carried(a_);
        auto [cb, orderB] = carried(b_);
        std::vector<QByteArray> order = orderA;
        for (const QByteArray &name : orderB) {
            if (!ca.count(name))
                order.push_back(name);
        }
        for (const QByteArray &name : order) {
            const auto &la = ca[name];
            const auto &lb = cb[name];
            const QString chunkName = QString::fromLatin1(name);
            const QString object = msg::diffChunk(chunkName);
            for (size_t k = 0; k < std::max(la.size(), lb.size()); ++k) {
                if (k >= la.size() || k >= lb.size()) {
                    presence("chunk", object, k < lb.size());
                    continue;
                }
                const QByteArrayView pa(la[k]->payload(), la[k]->length());
                const QByteArrayView pb(lb[k]->payload(), lb[k]->length());
                if (pa != pb) {
                    lines_.append(DiffLine{QStringLiteral("chunk"), object, QString(),
                                           num(pa.size()), num(pb.size()),
                                           msg::diffChunkChanged(chunkName, pa.size(), pb.size())});
                }
            }
        }
    }

    RumoSzen &a_;
    RumoSzen &b_;
    QList<DiffLine> lines_;
};

} // namespace

QList<DiffLine> ScenarioDiff::Compare(RumoSzen &a, RumoSzen &b)
{
    return Differ(a, b).run();
}

QJsonArray ScenarioDiff::ToJson(const QList<DiffLine> &lines)
{
    QJsonArray array;
    for (const DiffLine &d : lines) {
        array.append(QJsonObject{{"area", d.area},
                                 {"object", d.object},
                                 {"field", d.field},
                                 {"before", d.before},
                                 {"after", d.after},
                                 {"text", d.text}});
    }
    return array;
}
