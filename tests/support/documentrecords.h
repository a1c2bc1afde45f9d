#pragma once

// What a save must keep of a loaded document, record by record: a save
// without edits followed by a load must give the same parts, byte for byte.
// The round-trip test and the fuzz target both hold a document to it.

#include <QByteArray>
#include <QList>
#include <QString>

class RumoSzen;

namespace scenario {

struct RecordPart {
    // Which record or records, for the message of a difference
    // ("island 3 layer 1", "unplaced 5 deer").
    QByteArray label;
    QByteArray bytes;
};

// The islands shown and the displaced ones, each with its record, place and
// tile layers; the cities (by slot), trading posts and deer of each island;
// the unplaced settlements; the ships and carts; the settings, the players
// and the missions a save writes.
QList<RecordPart> documentRecords(RumoSzen &doc);

// Empty when both documents hold the same records; otherwise where they
// first part.
QString recordsDiffer(RumoSzen &first, RumoSzen &second);

} // namespace scenario
