#pragma once

// What a save must keep of a loaded document, record by record: a save
// without edits followed by a load must give the same parts, byte for byte.
// The round-trip test and the fuzz target both hold a document to it.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

class RumoSzen;

namespace scenario {

struct RecordPart {
    // Which record or records: a kind ("island", "displaced island",
    // "unplaced") with its number, a field ("record", "layer", "city slot")
    // with its index; -1 where there is none.
    const char *owner = "";
    int number = -1;
    const char *field = "";
    int index = -1;
    // The bytes, viewed in the document where they lie together, otherwise
    // in `owned`.
    QByteArrayView bytes;
    QByteArray owned;

    QString label() const;
};

// The islands shown and the displaced ones, each with its source, place,
// record and tile layers; the cities (by slot), trading posts and deer of
// each island; the unplaced settlements; the ships and carts; the settings,
// the players and the missions a save writes. The parts view the document,
// which must outlive them.
QList<RecordPart> documentRecords(RumoSzen &doc);

// Empty when both documents hold the same records; otherwise where they
// first part.
QString recordsDiffer(RumoSzen &first, RumoSzen &second);

} // namespace scenario
