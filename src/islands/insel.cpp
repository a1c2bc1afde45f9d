#include "islands/insel.h"

#include "common/messages.h"
#include "document/chunkfile.h"

#include <cstring>

namespace {

const char *const kClimateNames[Insel::Climates] = {"nord", "sued", "noklima"};
const char *const kSizeNames[Insel::SizeClasses] = {"lit", "mit", "med", "big", "lar"};

} // namespace

Insel::Insel() : VeskObject("INSEL", nullptr, 0)
{
    payload_.assign(IslandRecord::Size, 0);
}

std::unique_ptr<Insel> Insel::FromChunk(const uchar *payload, qsizetype length, bool oldLayout,
                                        IslandTemplates &templates, QStringList &notices)
{
    std::unique_ptr<Insel> island(new Insel);
    if (oldLayout) {
        if (length < IslandRecord::OldSize)
            return nullptr;
        IslandRecord::ConvertOld(payload, island->payload_.data());
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

std::unique_ptr<Insel> Insel::FromReference(IslandReference reference, IslandTemplates &templates,
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

void Insel::takeProperties()
{
    const IslandRecord r = record();
    templateNumber_ = r.templateNumber();
    sizeClass_ = r.sizeClass();
    climate_ = r.climate();
    x_ = r.x();
    y_ = r.y();
}

QString Insel::TemplateFile(int climate, int sizeClass, bool native, int templateNumber)
{
    QString file = QString::fromLatin1(kClimateNames[climate]);
    if (native)
        file += QLatin1String("nat");
    file += QLatin1Char('\\') + QString::fromLatin1(kSizeNames[sizeClass]);
    if (templateNumber < IslandRecord::NoTemplateNumber)
        file += QStringLiteral("%1").arg(templateNumber, 2, 10, QLatin1Char('0'));
    return file + QLatin1String(".scp");
}

QString Insel::TemplateName(QStringList &notices) const
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
    return TemplateFile(climate_, sizeClass_, native_, templateNumber_);
}

void Insel::LoadTemplate(IslandTemplates &templates, QStringList &notices)
{
    const QString name = TemplateName(notices);
    if (name.isEmpty())
        return;
    const IslandTemplates::File &file = templates.Get(name);
    // The game's template files are read without the length ceiling of
    // scenario files; a header or payload cut short ends the reading.
    const auto *data = reinterpret_cast<const uchar *>(file.bytes.constData());
    const qsizetype size = file.bytes.size();
    qsizetype pos = 0;
    while (size - pos >= ScenarioChunk::HeaderSize) {
        const uchar *header = data + pos;
        const qint32 length = le::i32(header, ScenarioChunk::LengthOffset);
        pos += ScenarioChunk::HeaderSize;
        if (length <= 0)
            continue;
        if (length > size - pos)
            break;
        const uchar *payload = data + pos;
        pos += length;
        const QByteArray chunkName(reinterpret_cast<const char *>(header),
                                   qsizetype(strnlen(reinterpret_cast<const char *>(header),
                                                     ScenarioChunk::NameFieldSize)));
        if (chunkName == "INSEL5" || chunkName == "INSEL4" || chunkName == "INSEL3") {
            if (!hasRecord_) {
                std::memcpy(payload_.data(), payload,
                            size_t(qMin<qsizetype>(length, IslandRecord::Size)));
                record().setPosition(x_, y_);
                hasRecord_ = true;
            }
        } else if (chunkName == "INSELHAUS") {
            AddLayer(payload, length);
            ++templateLayers_;
        }
    }
    if (!fromChunk_ && !hasRecord_)
        notices << msg::templateMissing(file.path);
    else if (fromChunk_ && templateLayers_ == 0)
        notices << msg::groundTemplateMissing(file.path);
}

std::optional<TileRect> Insel::GetBounds() const
{
    return TileRect{x_, y_, x_ + width(), y_ + height()};
}

QString Insel::GetName() const
{
    return QStringLiteral("Insel %1").arg(number());
}

void Insel::MoveBy(int dx, int dy)
{
    x_ += dx;
    y_ += dy;
    record().setPosition(x_, y_);
    if (reference_)
        reference_.setPosition(x_, y_);
}

bool Insel::CanDelete() const
{
    if (!fromChunk_)
        return false;
    for (int slot = 0; slot < IslandRecord::NoOwner; ++slot) {
        if (record().cityOwner(slot) < IslandRecord::NoOwner)
            return false;
    }
    return true;
}

void Insel::AddLayer(const uchar *payload, qsizetype length)
{
    layers_.push_back(std::make_unique<Inselhaus>(this, payload, length));
}

CityRecord Insel::cityInSlot(int slot) const
{
    return slot >= 0 && slot < int(cities_.size()) ? cities_[size_t(slot)] : CityRecord();
}

void Insel::Write(ChunkWriter &out, bool templateForm) const
{
    if (!templateForm && !fromChunk_)
        return; // its reference in the SZENE payload stands for it

    std::vector<uchar> record = payload_;
    if (templateForm)
        IslandRecord(record.data()).clearCityOwners();
    out.WriteChunkHeader("INSEL5", IslandRecord::Size);
    out.WriteBytes(record.data(), IslandRecord::Size);

    auto writeLayer = [&out](const Inselhaus &layer) {
        out.WriteChunkHeader("INSELHAUS", qint32(layer.byteSize()));
        out.WriteBytes(layer.tiles(), layer.byteSize());
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
        out.WriteChunkHeader("INSELHAUS", 0);
        firstWritten = size_t(templateLayers_);
    }
    for (size_t i = firstWritten; i < layers_.size(); ++i)
        writeLayer(*layers_[i]);

    out.WriteChunkHeader("HIRSCH2", qint32(deer_.size() * DeerRecord::Size));
    for (const DeerRecord &d : deer_)
        out.WriteBytes(d.data(), DeerRecord::Size);
    int cityCount = 0;
    for (const CityRecord &c : cities_)
        cityCount += c ? 1 : 0;
    out.WriteChunkHeader("STADT4", cityCount * CityRecord::Size);
    for (const CityRecord &c : cities_) {
        if (c)
            out.WriteBytes(c.data(), CityRecord::Size);
    }
    out.WriteChunkHeader("KONTOR2", qint32(tradingPosts_.size() * TradingPostRecord::Size));
    for (const TradingPostRecord &t : tradingPosts_)
        out.WriteBytes(t.data(), TradingPostRecord::Size);
}

QString IslandLabel(const Insel &island)
{
    return QStringLiteral("Insel %1: %2x%3 %4")
        .arg(island.number())
        .arg(island.width())
        .arg(island.height())
        .arg(island.climate() == 0 ? QLatin1Char('N') : QLatin1Char('S'));
}
