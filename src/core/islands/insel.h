#pragma once

#include "core/islands/cityrecord.h"
#include "core/islands/deerrecord.h"
#include "core/islands/inselhaus.h"
#include "core/islands/islandrecord.h"
#include "core/islands/islandreference.h"
#include "core/islands/islandtemplates.h"
#include "core/islands/tradingpostrecord.h"
#include "core/islands/veskobject.h"

#include <QStringList>
#include <algorithm>
#include <memory>
#include <vector>

class ChunkWriter;

// One island of the world: either stored in the scenario ("INSEL5" or the
// older "INSEL_MAXFUN" with its "INSELHAUS" layers) or built from one of the
// game's island templates that the SZENE payload references.
class Insel : public VeskObject {
public:
    static constexpr int Climates = 3;
    static constexpr int SizeClasses = 5;

    // An island stored in the scenario. Reads its ground from its template
    // when the record says so. Nothing when an old-layout record is too short.
    static std::unique_ptr<Insel> fromChunkPayload(const uchar *payload, qsizetype length,
                                                   bool oldLayout, IslandTemplates &templates,
                                                   QStringList &notices);
    // An island built from a template; `reference` points into the SZENE
    // payload and keeps receiving the island's position when it moves.
    // Nothing when the template is missing or holds no island record.
    static std::unique_ptr<Insel> fromReference(IslandReference reference,
                                                IslandTemplates &templates, QStringList &notices);

    // An island of the scenario's own made from an island template file
    // (*.scp, as the game's templates and the island export write them): the
    // file's first island record ("INSEL5", "INSEL4" or "INSEL3") and every
    // tile layer of it, ready to be inserted (RumoSzen::InsertIsland). Nothing,
    // with a German message naming the file and the reason in `error`, when
    // the file is refused or unreadable, is cut short, holds no island record
    // or an island without area, or has a layer no scenario chunk can hold.
    static std::unique_ptr<Insel> fromTemplateFile(const QString &path, QString *error);
    // An island of its own with this island's record and ground layer only:
    // no buildings, no settlements, no reference. An island built from a
    // reference gives its template's ground.
    std::unique_ptr<Insel> groundCopy() const;

    // The template file name of an island of these properties, relative to
    // the game folder, in the game's spelling ("suednat\med07.scp").
    static QString templateFile(int climate, int sizeClass, bool native, int templateNumber);

    // The island's own copy of its record (the payload it was read from).
    IslandRecord record() const { return IslandRecord(const_cast<uchar *>(payload_.data())); }
    int number() const { return record().number(); }
    int width() const { return record().width(); }
    int height() const { return record().height(); }
    // The position in the world. Islands placed further than FarOutside
    // tiles away (a reference may name any 32-bit position) answer
    // FarOutside there, so that sums with sizes and tile offsets never
    // overflow; they stay outside the world, and moving them back and forth
    // keeps their stored position exact.
    static constexpr int FarOutside = 1 << 20;
    int x() const { return clampedPosition(x_); }
    int y() const { return clampedPosition(y_); }
    int climate() const { return climate_; }
    int sizeClass() const { return sizeClass_; }
    int templateNumber() const { return templateNumber_; }
    // The "INSEL_MAXFUN" payload of an island of the older layout as read;
    // empty for every other island.
    const std::vector<uchar> &oldLayoutPayload() const { return oldChunk_; }
    bool native() const { return native_; }
    bool fromChunk() const { return fromChunk_; }

    std::optional<TileRect> GetBounds() const override;
    QString GetName() const override;

    // Moves by whole tiles; the record (and the reference of an island built
    // from a template) takes the new position.
    void MoveBy(int dx, int dy);
    // Only islands without any city may be deleted: for an island of the
    // scenario's own the record's owners tell, for an island built from a
    // reference (whose record is the template's) the cities read for it.
    bool canDelete() const;
    // The 16-byte SZENE entry an island built from a reference stands for;
    // null for an island of the scenario's own.
    const uchar *referenceEntry() const { return reference_.data(); }

    // A layer that views a chunk payload, which must outlive the island (the
    // document's chunk list does).
    void addLayer(const uchar *payload, qsizetype length);
    // A layer that shares the bytes of `tiles` (a template's layer).
    void addLayer(QByteArray tiles);
    const std::vector<std::unique_ptr<Inselhaus>> &layers() const { return layers_; }

    // City list indexed by city slot; null entries where a slot has no city.
    std::vector<CityRecord> &cities() { return cities_; }
    const std::vector<CityRecord> &cities() const { return cities_; }
    CityRecord cityInSlot(int slot) const;
    std::vector<TradingPostRecord> &tradingPosts() { return tradingPosts_; }
    const std::vector<TradingPostRecord> &tradingPosts() const { return tradingPosts_; }
    DeerList &deer() { return deer_; }
    const DeerList &deer() const { return deer_; }

    bool hasSettlements() const;

    // Scenario form: the island's chunks with its settlements. An island from
    // a reference writes only its settlement chunks, and nothing when it has
    // no settlement: its reference in the SZENE payload stands for the rest.
    // Template form: the island record without city owners and its ground
    // layer in full, as the game's template files are.
    void write(ChunkWriter &out, bool templateForm) const;

private:
    Insel();
    // An island of the scenario's own over a copy of `record` (padded with
    // zeros or cut to the record size) and without layers: all eight city
    // owners 7 and the own-ground flag set, so that its ground is saved with it.
    static std::unique_ptr<Insel> ownIsland(const uchar *record, qsizetype length);
    // Reads the template's island record (when the island has none yet) and
    // every tile layer of it. Reports problems as notices.
    void LoadTemplate(IslandTemplates &templates, QStringList &notices);
    // The template file name below the game folder, or empty after reporting
    // why there is none.
    QString templateName(QStringList &notices) const;
    void takeProperties();
    void writeSettlements(ChunkWriter &out) const;
    static int clampedPosition(qint64 v)
    {
        return int(std::clamp<qint64>(v, -FarOutside, FarOutside));
    }

    bool hasRecord_ = false;
    int templateNumber_ = 0;
    int sizeClass_ = 0;
    int climate_ = 0;
    // Kept in 64 bits: a reference's 32-bit position plus any moves.
    qint64 x_ = 0;
    qint64 y_ = 0;
    bool native_ = false;
    bool fromChunk_ = false;
    // How many of the layers came from the template file.
    int templateLayers_ = 0;
    // An "INSEL_MAXFUN" payload as read, and the record it was converted to;
    // the island writes the old chunk again as long as its record is unchanged.
    std::vector<uchar> oldChunk_;
    std::vector<uchar> convertedOld_;
    IslandReference reference_;
    std::vector<std::unique_ptr<Inselhaus>> layers_;
    std::vector<CityRecord> cities_;
    std::vector<TradingPostRecord> tradingPosts_;
    DeerList deer_;
};

// "Insel 3: 40x35 N": number, size, and N for the northern climate, S otherwise.
QString IslandLabel(const Insel &island);
