#include "core/fields/playerfields.h"

namespace RecordFields {

const Table<PlayerRecord> &player()
{
    using P = PlayerRecord;
    static const Table<P> table = [] {
        Table<P> t{
            field<P>("name", QT_TRANSLATE_NOOP("RecordFields", "Name"), &P::name, &P::setName),
            field<P>("kind", QT_TRANSLATE_NOOP("RecordFields", "Art"), &P::kind, &P::setKind)
                .shownAs([](const P &p) {
                    const auto item = PlayerKind::ItemOf(p.kind());
                    return item ? PlayerKind::Name(*item) : text(p.kind());
                }),
            Field<P>{QStringLiteral("kindName"),
                     {},
                     [](const P &p) {
                         const auto item = PlayerKind::ItemOf(p.kind());
                         return item ? QJsonValue(PlayerKind::Name(*item)) : QJsonValue();
                     }},
            field<P>("colour", QT_TRANSLATE_NOOP("RecordFields", "Farbe"), &P::colour,
                     &P::setColour)
                .shownAs([](const P &p) {
                    const QString name = PlayerColour::Name(p.colour());
                    return name.isEmpty() ? text(p.colour()) : name;
                }),
            Field<P>{QStringLiteral("colourName"),
                     {},
                     [](const P &p) { return orNull(PlayerColour::Name(p.colour())); }},
            field<P>("money", QT_TRANSLATE_NOOP("RecordFields", "Konto"), &P::money, &P::setMoney),
            // Counted from 1 in the diff, as the missions page counts them.
            field<P>("mission", QT_TRANSLATE_NOOP("RecordFields", "Auftrag"), &P::mission,
                     &P::setMission)
                .shownAs([](const P &p) { return text(p.mission() + 1); }),
            field<P>("castleBuilt", QT_TRANSLATE_NOOP("RecordFields", "Schloss"), &P::castleBuilt,
                     &P::setCastleBuilt),
            field<P>("cathedralBuilt", QT_TRANSLATE_NOOP("RecordFields", "Kathedrale"),
                     &P::cathedralBuilt, &P::setCathedralBuilt),
        };
        const std::tuple<const char *, const char *, P::Counter> counters[] = {
            {"monumentsReceived", QT_TRANSLATE_NOOP("RecordFields", "Denkmäler erhalten"),
             P::MonumentsReceived},
            {"monumentsBuilt", QT_TRANSLATE_NOOP("RecordFields", "Denkmäler gebaut"),
             P::MonumentsBuilt},
            {"archesReceived", QT_TRANSLATE_NOOP("RecordFields", "Triumphbögen erhalten"),
             P::ArchesReceived},
            {"archesBuilt", QT_TRANSLATE_NOOP("RecordFields", "Triumphbögen gebaut"),
             P::ArchesBuilt},
            {"soldiersDefeated", QT_TRANSLATE_NOOP("RecordFields", "Soldaten besiegt"),
             P::SoldiersDefeated},
            {"soldiersLost", QT_TRANSLATE_NOOP("RecordFields", "Soldaten verloren"),
             P::SoldiersLost},
            {"shipsSunk", QT_TRANSLATE_NOOP("RecordFields", "Schiffe versenkt"), P::ShipsSunk},
            {"shipsLost", QT_TRANSLATE_NOOP("RecordFields", "Schiffe gesunken"), P::ShipsLost},
            {"humanInhabitantsMax",
             QT_TRANSLATE_NOOP("RecordFields", "Krieg bei mehr Einwohnern des Spielers als"),
             P::HumanInhabitantsMax},
            {"ownInhabitantsMin",
             QT_TRANSLATE_NOOP("RecordFields", "Krieg bei weniger eigenen Einwohnern als"),
             P::OwnInhabitantsMin},
        };
        for (const auto &[key, label, counter] : counters) {
            t.push_back(field<P>(
                QStringLiteral("counters.") + QLatin1String(key), QString::fromUtf8(label),
                [c = counter](const P &p) { return p.counter(c); },
                [c = counter](P &p, quint16 v) { p.setCounter(c, v); }));
        }
        t.push_back(field<P>("moods", QT_TRANSLATE_NOOP("RecordFields", "Stimmungsschalter"),
                             &P::moods, &P::setMoods)
                        .shownAs([](const P &p) { return hex(p.moods()); }));
        t.push_back(field<P>("levelMin", QT_TRANSLATE_NOOP("RecordFields", "Entwicklungsstufe A1"),
                             &P::levelMin, &P::setLevelMin));
        t.push_back(field<P>("levelMaxHuman",
                             QT_TRANSLATE_NOOP("RecordFields", "Entwicklungsstufe A2"),
                             &P::levelMaxHuman, &P::setLevelMaxHuman));
        t.push_back(field<P>("unlockedBuildings",
                             QT_TRANSLATE_NOOP("RecordFields", "Freigeschaltete Gebäude"),
                             &P::unlockedBuildings, &P::setUnlockedBuildings)
                        .shownAs([](const P &p) { return hex(p.unlockedBuildings()); }));
        return t;
    }();
    return table;
}

} // namespace RecordFields
