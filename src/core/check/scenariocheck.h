#pragma once

#include "core/document/objectref.h"

#include <QJsonArray>
#include <QList>
#include <QString>

class RumoSzen;

struct Finding {
    enum class Severity { Error, Warning, Information };

    Severity severity = Severity::Error;
    // The island on the map, the city or ship in the object tree, the page
    // of a player, a mission or the settings.
    ObjectRef object;
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
QJsonArray toJson(const QList<Finding> &findings);
} // namespace ScenarioCheck
