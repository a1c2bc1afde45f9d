#pragma once

#include <QJsonArray>
#include <QList>
#include <QString>

class RumoSzen;

// One difference between two scenarios, in the editor's terms.
struct DiffLine {
    // "settings", "player", "mission", "island", "city", "tradingPost",
    // "ship" or "chunk": for tools.
    QString area;
    // The object as the editor names it ("Spieler 2", "Insel 3", "Schiff „Adler“").
    QString object;
    // The field's label; empty for an object added, removed or moved.
    QString field;
    QString before;
    QString after;
    // The line shown to the user.
    QString text;
};

// What differs between two loaded scenarios: settings, players and missions
// field by field, islands added, removed and moved, cities, trading posts,
// ships and carts by name and field, and the chunks the program carries
// unread, by name and size. Neither document is changed.
namespace ScenarioDiff {
QList<DiffLine> Compare(RumoSzen &a, RumoSzen &b);
// [{"area", "object", "field", "before", "after", "text"}].
QJsonArray toJson(const QList<DiffLine> &lines);
} // namespace ScenarioDiff
