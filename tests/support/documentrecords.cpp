#include "support/documentrecords.h"

#include "core/document/rumoszen.h"

#include <algorithm>

namespace scenario {

namespace {

QByteArray bytesOf(const uchar *data, qsizetype size)
{
    return QByteArray(reinterpret_cast<const char *>(data), size);
}

template <typename Record> QByteArray recordsOf(const std::vector<Record> &records)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(records.size()) * Record::Size);
    for (const Record &r : records)
        bytes += bytesOf(r.data(), Record::Size);
    return bytes;
}

QByteArray deerOf(const DeerList &deer)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(deer.size()) * DeerRecord::Size);
    for (const DeerList::Run &run : deer.runs())
        bytes += bytesOf(run.first, run.count * DeerRecord::Size);
    return bytes;
}

void addIsland(QList<RecordPart> &parts, const QByteArray &name, const Insel &island)
{
    QByteArray place = island.fromChunk() ? "chunk " : "reference ";
    place += QByteArray::number(island.x()) + ',' + QByteArray::number(island.y());
    parts.append({name + " source and place", place});
    parts.append({name + " record", bytesOf(island.record().data(), IslandRecord::Size)});
    parts.append({name + " layers", QByteArray::number(qsizetype(island.layers().size()))});
    for (size_t l = 0; l < island.layers().size(); ++l) {
        const Inselhaus &layer = *island.layers()[l];
        parts.append({name + " layer " + QByteArray::number(qsizetype(l)),
                      bytesOf(layer.tiles(), layer.byteSize())});
    }
    for (size_t slot = 0; slot < island.cities().size(); ++slot) {
        const CityRecord city = island.cities()[slot];
        parts.append({name + " city slot " + QByteArray::number(qsizetype(slot)),
                      city ? bytesOf(city.data(), CityRecord::Size) : QByteArray("none")});
    }
    parts.append({name + " trading posts", recordsOf(island.tradingPosts())});
    parts.append({name + " deer", deerOf(island.deer())});
}

} // namespace

QList<RecordPart> documentRecords(RumoSzen &doc)
{
    QList<RecordPart> parts;
    for (const auto &island : doc.Islands()) {
        if (island)
            addIsland(parts, "island " + QByteArray::number(island->number()), *island);
    }
    for (size_t i = 0; i < doc.displacedIslands().size(); ++i) {
        addIsland(parts, "displaced island " + QByteArray::number(qsizetype(i)),
                  *doc.displacedIslands()[i]);
    }
    for (const UnplacedSettlements &u : doc.unplacedSettlements()) {
        const QByteArray name = "unplaced " + QByteArray::number(u.island);
        parts.append({name + " cities", recordsOf(u.cities)});
        parts.append({name + " trading posts", recordsOf(u.tradingPosts)});
        parts.append({name + " deer", deerOf(u.deer)});
    }
    parts.append({"ships and carts", recordsOf(doc.Ships())});
    parts.append({"settings", bytesOf(doc.settings().data(), ScenarioSettings::Size)});
    parts.append({"players", bytesOf(doc.players().player(0).data(), PlayerArea::Size)});
    // A save writes the missions up to the first without a text.
    parts.append(
        {"missions", bytesOf(doc.missions().mission(0).data(),
                             qsizetype(doc.missions().usedCount()) * MissionRecord::Size)});
    return parts;
}

QString recordsDiffer(RumoSzen &first, RumoSzen &second)
{
    const QList<RecordPart> a = documentRecords(first);
    const QList<RecordPart> b = documentRecords(second);
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i].label != b[i].label)
            return QStringLiteral("%1 where there was %2")
                .arg(QString::fromLatin1(b[i].label), QString::fromLatin1(a[i].label));
        if (a[i].bytes != b[i].bytes) {
            qsizetype at = 0;
            while (at < a[i].bytes.size() && at < b[i].bytes.size() &&
                   a[i].bytes[at] == b[i].bytes[at])
                ++at;
            return QStringLiteral("%1 differs from byte %2 (%3 and %4 bytes)")
                .arg(QString::fromLatin1(a[i].label))
                .arg(at)
                .arg(a[i].bytes.size())
                .arg(b[i].bytes.size());
        }
    }
    if (a.size() != b.size()) {
        const RecordPart &extra = a.size() > b.size() ? a[b.size()] : b[a.size()];
        return QStringLiteral("%1 only in the %2 document")
            .arg(QString::fromLatin1(extra.label),
                 a.size() > b.size() ? QStringLiteral("first") : QStringLiteral("second"));
    }
    return {};
}

} // namespace scenario
