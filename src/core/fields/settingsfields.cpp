#include "core/fields/settingsfields.h"

namespace RecordFields {

const Table<ScenarioSettings> &settings()
{
    using S = ScenarioSettings;
    static const Table<S> table = [] {
        Table<S> t{field<S>("maxShips",
                            QT_TRANSLATE_NOOP("RecordFields", "Maximale Anzahl Schiffe"),
                            &S::maxShips, &S::setMaxShips)};
        // The switches the settings page shows, a yes or no each; the dump
        // has them all in one number.
        const std::pair<const char *, S::Switch> switches[] = {
            {QT_TRANSLATE_NOOP("RecordFields", "Piraten erscheinen nicht wieder"), S::NoPirates},
            {QT_TRANSLATE_NOOP("RecordFields", "Dürren sind nicht möglich"), S::NoDroughts},
            {QT_TRANSLATE_NOOP("RecordFields", "Große Erzvorkommen sind unerschöpflich"),
             S::EndlessOre},
            {QT_TRANSLATE_NOOP("RecordFields", "Fliegender Händler erscheint nicht"), S::NoTrader},
            {QT_TRANSLATE_NOOP("RecordFields", "Vulkane brechen nicht aus"), S::NoVolcanoes},
            {QT_TRANSLATE_NOOP("RecordFields", "Militäroptionen aus"), S::NoWeapons},
        };
        quint32 known = 0;
        for (const auto &[label, flag] : switches) {
            const S::Switch bit = flag;
            t.push_back(field<S>(
                {}, QString::fromUtf8(label), [bit](const S &s) { return s.isSet(bit); },
                [bit](S &s, bool on) { s.setSwitch(bit, on); }));
            known |= bit;
        }
        t.push_back(Field<S>{
            {}, QT_TRANSLATE_NOOP("RecordFields", "weitere Schalterbits"), {}, [known](const S &s) {
                return hex(s.switches() & ~known);
            }});
        t.push_back(field<S>("switches", {}, &S::switches, &S::setSwitches));
        t.push_back(field<S>("missionNumber", QT_TRANSLATE_NOOP("RecordFields", "MissNr"),
                             &S::missionNumber, &S::setMissionNumber));
        t.push_back(field<S>("missionSubNumber", QT_TRANSLATE_NOOP("RecordFields", "MissSubNr"),
                             &S::missionSubNumber, &S::setMissionSubNumber));
        t.push_back(field<S>("gameId", QT_TRANSLATE_NOOP("RecordFields", "GameId"), &S::gameId,
                             &S::setGameId));
        t.push_back(field<S>("tutorFlag", QT_TRANSLATE_NOOP("RecordFields", "Tutorflg"),
                             &S::tutorFlag, &S::setTutorFlag));
        t.push_back(field<S>("computerLevel", QT_TRANSLATE_NOOP("RecordFields", "CompLevel"),
                             &S::computerLevel, &S::setComputerLevel));
        return t;
    }();
    return table;
}

} // namespace RecordFields
