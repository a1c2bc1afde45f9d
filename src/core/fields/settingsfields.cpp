#include "core/fields/settingsfields.h"

namespace RecordFields {

const Table<ScenarioSettings> &settings()
{
    using S = ScenarioSettings;
    static const Table<S> table = [] {
        Table<S> t{field<S>("maxShips", "Maximale Anzahl Schiffe", &S::maxShips, &S::setMaxShips)};
        // The switches the settings page shows, a yes or no each; the dump
        // has them all in one number.
        const std::pair<const char *, S::Switch> switches[] = {
            {"Piraten erscheinen nicht wieder", S::NoPirates},
            {"Dürren sind nicht möglich", S::NoDroughts},
            {"Große Erzvorkommen sind unerschöpflich", S::EndlessOre},
            {"Fliegender Händler erscheint nicht", S::NoTrader},
            {"Vulkane brechen nicht aus", S::NoVolcanoes},
            {"Militäroptionen aus", S::NoWeapons},
        };
        quint32 known = 0;
        for (const auto &[label, flag] : switches) {
            const S::Switch bit = flag;
            t.push_back(field<S>(
                {}, QString::fromUtf8(label), [bit](const S &s) { return s.isSet(bit); },
                [bit](S &s, bool on) { s.setSwitch(bit, on); }));
            known |= bit;
        }
        t.push_back(Field<S>{{}, QStringLiteral("weitere Schalterbits"), {}, [known](const S &s) {
                                 return hex(s.switches() & ~known);
                             }});
        t.push_back(field<S>("switches", {}, &S::switches, &S::setSwitches));
        t.push_back(field<S>("missionNumber", "MissNr", &S::missionNumber, &S::setMissionNumber));
        t.push_back(field<S>("missionSubNumber", "MissSubNr", &S::missionSubNumber,
                             &S::setMissionSubNumber));
        t.push_back(field<S>("gameId", "GameId", &S::gameId, &S::setGameId));
        t.push_back(field<S>("tutorFlag", "Tutorflg", &S::tutorFlag, &S::setTutorFlag));
        t.push_back(
            field<S>("computerLevel", "CompLevel", &S::computerLevel, &S::setComputerLevel));
        return t;
    }();
    return table;
}

} // namespace RecordFields
