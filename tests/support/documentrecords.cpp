#include "support/documentrecords.h"

#include "core/document/rumoszen.h"

#include <algorithm>
#include <cstring>

namespace scenario {

namespace {

QByteArrayView viewOf(const uchar *data, qsizetype size)
{
    return QByteArrayView(reinterpret_cast<const char *>(data), size);
}

// Deer lie in runs that depend on the chunks they came from, so their bytes
// are gathered into one array.
QByteArray deerOf(const DeerList &deer)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(deer.size()) * DeerRecord::Size);
    for (const DeerList::Run &run : deer.runs())
        bytes += viewOf(run.first, run.count * DeerRecord::Size);
    return bytes;
}

// Records of one kind, one after the other; many lie together in their chunk.
template <typename Record>
void addRecords(QList<RecordPart> &parts, const RecordPart &base,
                const std::vector<Record> &records)
{
    RecordPart part = base;
    part.index = 0;
    parts.append({base.owner,
                  base.number,
                  base.field,
                  -1,
                  {},
                  QByteArray::number(qsizetype(records.size()))});
    for (const Record &r : records) {
        part.bytes = viewOf(r.data(), Record::Size);
        parts.append(part);
        ++part.index;
    }
}

void addIsland(QList<RecordPart> &parts, const char *owner, int number, const Insel &island)
{
    QByteArray place = island.fromChunk() ? "chunk " : "reference ";
    place += QByteArray::number(island.x()) + ',' + QByteArray::number(island.y()) + ' ' +
             QByteArray::number(qsizetype(island.layers().size())) + " layers";
    parts.append({owner, number, "source, place and layers", -1, {}, place});
    parts.append(
        {owner, number, "record", -1, viewOf(island.record().data(), IslandRecord::Size), {}});
    for (size_t l = 0; l < island.layers().size(); ++l) {
        const Inselhaus &layer = *island.layers()[l];
        parts.append({owner, number, "layer", int(l), viewOf(layer.tiles(), layer.byteSize()), {}});
    }
    for (size_t slot = 0; slot < island.cities().size(); ++slot) {
        const CityRecord city = island.cities()[slot];
        parts.append({owner,
                      number,
                      "city slot",
                      int(slot),
                      city ? viewOf(city.data(), CityRecord::Size) : QByteArrayView("none"),
                      {}});
    }
    addRecords(parts, {owner, number, "trading post", -1, {}, {}}, island.tradingPosts());
    parts.append({owner, number, "deer", -1, {}, deerOf(island.deer())});
}

QByteArrayView bytesOf(const RecordPart &part)
{
    return part.owned.isNull() ? part.bytes : QByteArrayView(part.owned);
}

} // namespace

QString RecordPart::label() const
{
    QString text = QString::fromLatin1(owner);
    if (number >= 0)
        text += QStringLiteral(" %1").arg(number);
    text += u' ' + QString::fromLatin1(field);
    if (index >= 0)
        text += QStringLiteral(" %1").arg(index);
    return text;
}

QList<RecordPart> documentRecords(RumoSzen &doc)
{
    QList<RecordPart> parts;
    for (const auto &island : doc.Islands()) {
        if (island)
            addIsland(parts, "island", island->number(), *island);
    }
    const auto &displaced = doc.displacedIslands();
    for (size_t i = 0; i < displaced.size(); ++i)
        addIsland(parts, "displaced island", int(i), *displaced[i]);
    for (const UnplacedSettlements &u : doc.unplacedSettlements()) {
        addRecords(parts, {"unplaced", u.island, "city", -1, {}, {}}, u.cities);
        addRecords(parts, {"unplaced", u.island, "trading post", -1, {}, {}}, u.tradingPosts);
        parts.append({"unplaced", u.island, "deer", -1, {}, deerOf(u.deer)});
    }
    addRecords(parts, {"ships and carts", -1, "ship", -1, {}, {}}, doc.Ships());
    parts.append({"scenario",
                  -1,
                  "settings",
                  -1,
                  viewOf(doc.settings().data(), ScenarioSettings::Size),
                  {}});
    parts.append({"scenario",
                  -1,
                  "players",
                  -1,
                  viewOf(doc.players().player(0).data(), PlayerArea::Size),
                  {}});
    // A save writes the missions up to the first without a text.
    parts.append({"scenario",
                  -1,
                  "missions",
                  -1,
                  viewOf(doc.missions().mission(0).data(),
                         qsizetype(doc.missions().usedCount()) * MissionRecord::Size),
                  {}});
    return parts;
}

QString recordsDiffer(RumoSzen &first, RumoSzen &second)
{
    const QList<RecordPart> a = documentRecords(first);
    const QList<RecordPart> b = documentRecords(second);
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        const bool sameLabel = std::strcmp(a[i].owner, b[i].owner) == 0 &&
                               a[i].number == b[i].number &&
                               std::strcmp(a[i].field, b[i].field) == 0 && a[i].index == b[i].index;
        if (!sameLabel)
            return QStringLiteral("%1 where there was %2").arg(b[i].label(), a[i].label());
        const QByteArrayView x = bytesOf(a[i]);
        const QByteArrayView y = bytesOf(b[i]);
        if (x != y) {
            qsizetype at = 0;
            while (at < x.size() && at < y.size() && x[at] == y[at])
                ++at;
            return QStringLiteral("%1 differs from byte %2 (%3 and %4 bytes)")
                .arg(a[i].label())
                .arg(at)
                .arg(x.size())
                .arg(y.size());
        }
    }
    if (a.size() != b.size()) {
        const RecordPart &extra = a.size() > b.size() ? a[b.size()] : b[a.size()];
        return QStringLiteral("%1 only in the %2 document")
            .arg(extra.label(),
                 a.size() > b.size() ? QStringLiteral("first") : QStringLiteral("second"));
    }
    return {};
}

} // namespace scenario
