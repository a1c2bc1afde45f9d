#pragma once

#include <QJsonArray>
#include <QList>
#include <QString>

class RumoSzen;

// What a finding of the check is about, so that the editor can show it:
// the island on the map, the city or ship in the object tree, the page of a
// player, a mission or the settings.
struct CheckObject {
    enum class Kind { File, Chunk, Island, City, TradingPost, Deer, Ship, Player, Mission };

    Kind kind = Kind::File;
    // Island number, the index of a city or trading post among the file's
    // records of its kind (in reading order), ship index, player slot or
    // mission index; -1 where there is none.
    int id = -1;
    // The island a city, trading post or deer record names; -1 for none.
    int island = -1;
    // The city slot of a city; -1 for none.
    int slot = -1;
    // The chunk name of a chunk finding.
    QString chunk;
};

struct Finding {
    enum class Severity { Error, Warning, Information };

    Severity severity = Severity::Error;
    CheckObject object;
    // One German sentence that names the object.
    QString message;

    // "Fehler", "Warnung" or "Information".
    QString severityName() const;
    // "Fehler: <message>", one line of the command-line output.
    QString line() const;
};

// Looks through a loaded scenario for what its records show to be
// inconsistent, and for what its load could not read or place: only facts
// the bytes prove, never guesses about the game's rules. The document is not
// changed.
namespace ScenarioCheck {
QList<Finding> Run(RumoSzen &doc);
// [{"severity": "error"|"warning"|"information", "kind": "island"|..., "object": id or
// chunk name, "message": ...}], with "island" and "slot" where a settlement has them.
QJsonArray ToJson(const QList<Finding> &findings);
} // namespace ScenarioCheck
