#include "core/islands/insel.h"

#include "core/common/messages.h"
#include "core/common/wholefile.h"
#include "core/format/chunkfile.h"
#include "core/format/chunknames.h"
#include "core/islands/unplacedsettlements.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>

namespace {

const char *const kClimateNames[Insel::Climates] = {"nord", "sued", "noklima"};
const char *const kSizeNames[Insel::SizeClasses] = {"lit", "mit", "med", "big", "lar"};

} // namespace

Insel::Insel() : VeskObject("INSEL", nullptr, 0)
{
    payload_.assign(IslandRecord::Size, 0);
}

std::unique_ptr<Insel> Insel::fromChunkPayload(const uchar *payload, qsizetype length,
                                               bool oldLayout, IslandTemplates &templates,
                                               QStringList &notices)
{
    std::unique_ptr<Insel> island(new Insel);
    if (oldLayout) {
        if (length < IslandRecord::OldSize)
            return nullptr;
        IslandRecord::convertOld(payload, island->payload_.data());
        island->oldChunk_.assign(payload, payload + length);
        island->convertedOld_ = island->payload_;
    } else {
        // A short record is padded with zeros, a long one cut to its size.
        std::memcpy(island->payload_.data(), payload,
                    size_t(qMin<qsizetype>(length, IslandRecord::Size)));
    }
    island->hasRecord_ = true;
    island->fromChunk_ = true;
    island->takeProperties();
    if (island->record().ownGround() == 0)
        island->LoadTemplate(templates, notices);
    return island;
}

std::unique_ptr<Insel> Insel::fromReference(IslandReference reference, IslandTemplates &templates,
                                            QStringList &notices)
{
    std::unique_ptr<Insel> island(new Insel);
    island->climate_ = reference.climate();
    island->sizeClass_ = reference.sizeClass();
    island->native_ = reference.native();
    island->templateNumber_ = reference.templateNumber();
    island->x_ = reference.x();
    island->y_ = reference.y();
    island->reference_ = reference;
    island->LoadTemplate(templates, notices);
    if (!island->hasRecord_)
        return nullptr;
    island->record().setNumber(reference.islandNumber());
    island->record().setClimate(reference.climate());
    return island;
}

std::unique_ptr<Insel> Insel::ownIsland(const uchar *record, qsizetype length)
{
    std::unique_ptr<Insel> island(new Insel);
    std::memcpy(island->payload_.data(), record,
                size_t(qMin<qsizetype>(length, IslandRecord::Size)));
    island->hasRecord_ = true;
    island->fromChunk_ = true;
    IslandRecord r = island->record();
    r.clearCityOwners();
    // Any value but 0 says the ground is the island's own; one already set
    // stays as it is.
    if (r.ownGround() == 0)
        r.setOwnGround(1);
    island->takeProperties();
    return island;
}

std::unique_ptr<Insel> Insel::fromTemplateFile(const QString &path, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return nullptr;
    };
    const Result<QByteArray> bytes = readWholeFile(path, IslandTemplates::MaxFileSize);
    if (!bytes)
        return fail(bytes.error());
    IslandTemplates::Template t;
    if (!IslandTemplates::parse(*bytes, t))
        return fail(msg::templateCutShort(path));
    if (t.record.isEmpty())
        return fail(msg::templateWithoutIsland(path));
    // Template chunks know no length ceiling, but a scenario chunk does: a
    // longer layer would end the reading of the saved scenario.
    for (const QByteArray &layer : t.layers) {
        if (layer.size() > ScenarioChunk::MaxLength)
            return fail(msg::templateLayerTooLong(path));
    }
    std::unique_ptr<Insel> island =
        ownIsland(reinterpret_cast<const uchar *>(t.record.constData()), t.record.size());
    if (island->width() == 0 || island->height() == 0)
        return fail(msg::templateWithoutArea(path));
    for (const QByteArray &layer : t.layers)
        island->addLayer(layer);
    return island;
}

std::unique_ptr<Insel> Insel::groundCopy() const
{
    std::unique_ptr<Insel> copy = ownIsland(payload_.data(), qsizetype(payload_.size()));
    // The first layer is the ground unless the ground should have come from a
    // template that could not be read: then the island has none to give.
    const bool hasGround = (fromChunk_ && record().ownGround() != 0) || templateLayers_ > 0;
    // A copy of the bytes of its own: a layer read from a scenario views that
    // document's chunk, which the copy may outlive.
    if (hasGround && !layers_.empty()) {
        const Inselhaus &ground = *layers_.front();
        copy->addLayer(
            QByteArray(reinterpret_cast<const char *>(ground.tiles()), ground.byteSize()));
    }
    return copy;
}

void Insel::takeProperties()
{
    const IslandRecord r = record();
    templateNumber_ = r.templateNumber();
    sizeClass_ = r.sizeClass();
    climate_ = r.climate();
    x_ = r.x();
    y_ = r.y();
}

QString Insel::templateFile(int climate, int sizeClass, bool native, int templateNumber)
{
    QString file = QString::fromLatin1(kClimateNames[climate]);
    if (native)
        file += QLatin1String("nat");
    file += QLatin1Char('\\') + QString::fromLatin1(kSizeNames[sizeClass]);
    if (templateNumber < IslandRecord::NoTemplateNumber)
        file += QStringLiteral("%1").arg(templateNumber, 2, 10, QLatin1Char('0'));
    return file + QLatin1String(".scp");
}

QString Insel::templateName(QStringList &notices) const
{
    if (climate_ < 0 || climate_ >= Climates) {
        notices << msg::climateNumber(climate_);
        return {};
    }
    if (sizeClass_ < 0 || sizeClass_ >= SizeClasses) {
        notices << msg::sizeNumber(sizeClass_);
        return {};
    }
    if (native_)
        notices << msg::nativeFlag();
    return templateFile(climate_, sizeClass_, native_, templateNumber_);
}

void Insel::LoadTemplate(IslandTemplates &templates, QStringList &notices)
{
    const QString name = templateName(notices);
    if (name.isEmpty())
        return;
    const IslandTemplates::Template &t = templates.get(name, notices);
    if (!hasRecord_ && !t.record.isEmpty()) {
        std::memcpy(payload_.data(), t.record.constData(),
                    size_t(qMin<qsizetype>(t.record.size(), IslandRecord::Size)));
        record().setPosition(int(x_ & 0xFFFF), int(y_ & 0xFFFF));
        hasRecord_ = true;
    }
    for (const QByteArray &layer : t.layers) {
        addLayer(layer);
        ++templateLayers_;
    }
    if (!fromChunk_ && !hasRecord_)
        notices << msg::templateMissing(t.path);
    else if (fromChunk_ && templateLayers_ == 0)
        notices << msg::groundTemplateMissing(t.path);
}

std::optional<TileRect> Insel::GetBounds() const
{
    return TileRect{x(), y(), x() + width(), y() + height()};
}

QString Insel::GetName() const
{
    return msg::islandName(number());
}

void Insel::MoveBy(int dx, int dy)
{
    x_ += dx;
    y_ += dy;
    record().setPosition(int(x_ & 0xFFFF), int(y_ & 0xFFFF));
    // Only moves the map refuses can leave the 32-bit range of a reference.
    auto int32 = [](qint64 v) {
        return qint32(std::clamp<qint64>(v, std::numeric_limits<qint32>::min(),
                                         std::numeric_limits<qint32>::max()));
    };
    if (reference_)
        reference_.setPosition(int32(x_), int32(y_));
}

bool Insel::canDelete() const
{
    if (!fromChunk_)
        return std::none_of(cities_.begin(), cities_.end(),
                            [](const CityRecord &c) { return bool(c); });
    for (int slot = 0; slot < IslandRecord::NoOwner; ++slot) {
        if (record().cityOwner(slot) < IslandRecord::NoOwner)
            return false;
    }
    return true;
}

void Insel::addLayer(const uchar *payload, qsizetype length)
{
    layers_.push_back(std::make_unique<Inselhaus>(this, payload, length));
}

void Insel::addLayer(QByteArray tiles)
{
    layers_.push_back(std::make_unique<Inselhaus>(this, std::move(tiles)));
}

CityRecord Insel::cityInSlot(int slot) const
{
    return slot >= 0 && slot < int(cities_.size()) ? cities_[size_t(slot)] : CityRecord();
}

bool Insel::hasSettlements() const
{
    const bool anyCity =
        std::any_of(cities_.begin(), cities_.end(), [](const CityRecord &c) { return bool(c); });
    return anyCity || !tradingPosts_.empty() || !deer_.empty();
}

void Insel::write(ChunkWriter &out, bool templateForm) const
{
    if (!templateForm && !fromChunk_) {
        // Its reference in the SZENE payload stands for the island itself,
        // but its cities, trading posts and deer exist only in the scenario.
        if (hasSettlements())
            writeSettlements(out);
        return;
    }

    if (!templateForm && !oldChunk_.empty() && payload_ == convertedOld_) {
        // An island of the older layout that nobody moved or edited goes back
        // as it came, so that a save without edits keeps the file's bytes.
        out.WriteChunkHeader(ChunkNames::OldIsland, qint32(oldChunk_.size()));
        out.writeBytes(oldChunk_.data(), qsizetype(oldChunk_.size()));
    } else {
        std::vector<uchar> record = payload_;
        if (templateForm)
            IslandRecord(record.data()).clearCityOwners();
        out.WriteChunkHeader(ChunkNames::Island, IslandRecord::Size);
        out.writeBytes(record.data(), IslandRecord::Size);
    }

    auto writeLayer = [&out](const Inselhaus &layer) {
        out.WriteChunkHeader(ChunkNames::IslandLayer, qint32(layer.byteSize()));
        out.writeBytes(layer.tiles(), layer.byteSize());
    };
    if (templateForm) {
        if (!layers_.empty())
            writeLayer(*layers_.front());
        return;
    }

    size_t firstWritten = 0;
    if (this->record().ownGround() == 0) {
        // Every layer that came from the template comes from it again at the
        // next load; writing one of them would add it once more with every
        // save. When the template could not be read, every layer the island
        // holds is its own and is kept.
        out.WriteChunkHeader(ChunkNames::IslandLayer, 0);
        firstWritten = size_t(templateLayers_);
    }
    for (size_t i = firstWritten; i < layers_.size(); ++i)
        writeLayer(*layers_[i]);
    writeSettlements(out);
}

void Insel::writeSettlements(ChunkWriter &out) const
{
    // An island has at most eight city slots, far below the chunk limit, so
    // its cities always fit into one chunk.
    static_assert(IslandRecord::CitySlots * CityRecord::Size <= ScenarioChunk::MaxLength);
    std::vector<CityRecord> cities;
    std::copy_if(cities_.begin(), cities_.end(), std::back_inserter(cities),
                 [](const CityRecord &c) { return bool(c); });
    writeSettlementChunks(out, cities, tradingPosts_, deer_);
}

QString IslandLabel(const Insel &island)
{
    return msg::islandLabel(island.number(), island.width(), island.height(),
                            island.climate() == 0);
}
