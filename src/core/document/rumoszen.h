#pragma once

#include "core/common/result.h"
#include "core/document/edithistory.h"
#include "core/document/objectref.h"
#include "core/document/scenariosettings.h"
#include "core/format/chunkfile.h"
#include "core/goods/shiprecord.h"
#include "core/islands/insel.h"
#include "core/islands/unplacedsettlements.h"
#include "core/players/missionrecord.h"
#include "core/players/playerrecord.h"

#include <QIODevice>
#include <QObject>
#include <QStringList>
#include <QUndoStack>
#include <array>
#include <memory>
#include <optional>
#include <vector>

// The one loaded scenario: its chunks in file order, the decoded record areas
// (missions, players, settings), the islands with their settlements and the
// ships. Loading dispatches each known chunk to its decoder; saving walks the
// chunk list again, regenerates the chunks the editor edits and copies every
// other chunk byte for byte.
class RumoSzen : public QObject {
    Q_OBJECT

public:
    // What the load met: the texts to show the user, and what the map
    // cannot show. Every record counted here is kept and saved again, except
    // the rejected deer.
    struct LoadReport {
        // Texts for the user, in the order they arose.
        QStringList notices;
        // Deer records naming another island than the first record of their
        // "HIRSCH2" chunk: rejected, as the format demands, in runs.
        struct RejectedDeer {
            int chunkIsland = 0;
            int namedIsland = 0;
            qsizetype count = 0;
        };
        std::vector<RejectedDeer> rejectedDeer;
        // Island references whose template gave no island.
        std::vector<int> referencesWithoutTemplate;
        // Tile layers that follow no island of the scenario's own (they come
        // before any island, or after a reference whose template gave no
        // island); they are written back where they stood.
        int layersWithoutIsland = 0;
    };

    // Templates are read from `gamePath`; by default the installed game's.
    explicit RumoSzen(QObject *parent = nullptr);
    RumoSzen(const QString &gamePath, QObject *parent);
    ~RumoSzen() override;

    // The largest scenario file read: the game's own scenarios are a few
    // megabytes, the biggest synthetic worlds a few hundred.
    static constexpr qint64 MaxFileSize = qint64(1) << 30;

    // Reads a scenario file of any of the five kinds. Succeeds only when a
    // "TIMERS" chunk was decoded, with the load's report; the error is the
    // reason, to show under the caller's sentence. Only a regular file of at
    // most MaxFileSize bytes is read: a folder, a device or a FIFO is refused
    // at once. The document keeps the report of its last load, also of a
    // failed one, whose notices are to be shown as well.
    Result<LoadReport> Load(const QString &path);
    // The same from an open device (the file name is only remembered).
    Result<LoadReport> Load(QIODevice &in, const QString &path);
    // Writes the scenario to `path` through a temporary file that then
    // replaces it; on failure the old file is left as it was and the error
    // tells why.
    Result<void> Save(const QString &path);
    // The scenario's bytes as a save writes them.
    bool writeTo(QIODevice &out);

    // Texts the last load produced for the user, in the order they arose.
    const QStringList &notices() const { return report_.notices; }
    const LoadReport &loadReport() const { return report_; }
    // Index of the "TIMERS" chunk that ended the load's walk: the chunks
    // after it were not decoded. Nothing before a successful load.
    std::optional<size_t> settingsChunkIndex() const
    {
        return settingsChunk_ == NoChunk ? std::nullopt : std::optional(settingsChunk_);
    }

    // Change count: the steps between the undo stack's clean state and its
    // present one, plus the edits still under way in the editor's controls.
    // SetModified(true) counts one such edit; false clears the count and
    // marks the present state as the saved one.
    void SetModified(bool changed);
    bool isModified() const { return changeCount_ > 0; }
    int ModifiedCount() const { return changeCount_; }

    // Every edit is one step of this stack; a load empties it.
    QUndoStack *undoStack() { return &undoStack_; }
    // Records what the editor wrote into the records since the last step as
    // one step called `text` (empty: named after the first changed record).
    // Steps of the same `typing` key (-1: none), their id(), that change the
    // same record one after the other become one step. False when nothing changed; the
    // count of edits under way is dropped either way.
    bool recordChanges(const QString &text = QString(), int typing = -1);
    // Records a move already made (a whole drag or one arrow-key step).
    void recordIslandMove(Insel &island, int dx, int dy);
    // Called by the stack's steps after each undo and redo.
    void stepApplied();

    // A run of record bytes that the editor changes in place, and the object
    // an undo step that changes them concerns.
    struct EditableBlock {
        uchar *bytes = nullptr;
        int size = 0;
        ObjectRef object;
    };
    // The settings, mission and player areas, every ship record and, island
    // by island, its city, trading post and island records: the bytes an
    // undo step compares. In this order, so that the first block that
    // changed names the step: a mission edit also assigns player slots, a new
    // city owner also changes the island record. A trading post stands for
    // its city, whose editor opens the stock dialog.
    std::vector<EditableBlock> editableBlocks();

    QString FilePath() const { return filePath_; }
    QString FileName() const { return fileName_; }
    QString gamePath() const { return gamePath_; }

    const ChunkList &chunks() const { return chunks_; }
    ScenarioSettings settings() { return ScenarioSettings(settingsArea_.data()); }
    PlayerArea players() { return PlayerArea(playerArea_.data()); }
    MissionArea missions() { return MissionArea(missionArea_.data()); }
    // -1: the scenario belongs to no campaign. Saving writes "SZENE_KAMPAGNE"
    // first exactly when it is 0 or more.
    int CampaignNumber() const { return campaignNumber_; }
    void setCampaignNumber(int number) { campaignNumber_ = number; }
    // The scenario name of a savegame (chunk "NAME"); empty without one.
    QString scenarioName() const { return scenarioName_; }

    // Indexed by island number; null where no island has that number.
    const std::vector<std::unique_ptr<Insel>> &Islands() const { return islands_; }
    Insel *island(int number) const;
    const std::vector<ShipRecord> &Ships() const { return ships_; }
    // Islands whose number another island of the file took: of two islands
    // of one number the map shows an island of the scenario's own rather
    // than one built from a template reference, otherwise the later one.
    // The others are kept here, ordered by number, references before the
    // scenario's own islands and otherwise in reading order; a save writes
    // the scenario's own ones back just before the island shown.
    const std::vector<std::unique_ptr<Insel>> &displacedIslands() const { return displaced_; }
    // Settlement records of island numbers the map cannot show, ordered by
    // island number, one entry per number; a save writes them back at their
    // number's place among the islands.
    const std::vector<UnplacedSettlements> &unplacedSettlements() const { return unplaced_; }

    // Map queries, in world tiles.
    Insel *IslandAt(int x, int y) const;
    ShipRecord ShipAt(int x, int y) const;
    CityRecord CityAt(int x, int y) const;
    // The rectangle spanned by the buildings of a city (their origins only).
    // (1000, 1000, 0, 0) when no tile belongs to the city; nothing when the
    // island has no building layer.
    std::optional<TileRect> CityBounds(const Insel &island, int slot) const;
    Insel *islandOf(const CityRecord &city) const;
    TradingPostRecord tradingPostOf(const CityRecord &city) const;

    // Moves an island and tells whether it now stands inside the world and
    // off every other island. The island stays moved either way.
    bool MoveIsland(Insel &island, int dx, int dy);
    bool moveValid() const { return moveValid_; }
    bool canDeleteIsland(const Insel &island) const { return island.canDelete(); }
    // Removes the island with its settlements from the output, as one step
    // of the undo stack. Refused (false) for islands that canDeleteIsland
    // refuses. An island built from a reference leaves the SZENE payload
    // with its entry (see writeSzene).
    bool deleteIsland(Insel &island);

    // The lowest island number 0..255 that nothing of the scenario uses: no
    // island (also none displaced), no entry of the SZENE payload (also one
    // whose template was missing) and no unplaced settlement, any of which
    // would meet the new island under its number at the next load. Nothing
    // when all 256 are used.
    std::optional<int> freeIslandNumber() const;
    // Whether `island` may stand with its top-left corner at (x, y): inside
    // the world and off every other island, by the rule of MoveIsland.
    bool canPlaceIsland(const Insel &island, int x, int y) const
    {
        return whyNotPlace(island, x, y).isEmpty();
    }
    // Why it may not, in the user's words; empty when it may.
    QString whyNotPlace(const Insel &island, int x, int y) const;
    // Inserts an island of its own (Insel::fromTemplateFile,
    // Insel::groundCopy) with its top-left corner at (x, y), under the
    // lowest free number, with all eight city owners 7 and the own-ground
    // flag set, as one step of the undo stack ("Insel N einfügen"). Saving
    // writes it like every island of the scenario's own, at its number's
    // place among them. Returns the island as it now stands in the document;
    // nullptr, with nothing changed, when no number is free, the place is
    // refused or a layer is longer than a scenario chunk may be.
    Insel *insertIsland(std::unique_ptr<Insel> island, int x, int y);
    // Writes the island as an island template file; on failure the error
    // tells why.
    Result<void> exportIsland(const Insel &island, const QString &path) const;

    // Gives a city to the player in `slot` (0..6) and recolours its buildings
    // on every layer. False, with nothing changed, when `slot` is no player
    // slot or the city has no island. Which player a chosen colour stands for
    // is the caller's question.
    bool SetCityOwner(CityRecord city, int slot);
    // Emptying per player slot, as the players page offers it.
    void emptyShipsOf(int player);
    void emptyCartsOf(int player);
    void emptyTradingPostsOf(int player);

signals:
    void modifiedChanged(int count);

private:
    friend class IslandDeleteEdit;
    friend class IslandInsertEdit;
    friend class ScenarioReader;
    friend class ScenarioWriter;
    // Out of the document and back, for the deletion step.
    std::unique_ptr<Insel> takeIsland(int number);
    void putBackIsland(std::unique_ptr<Insel> island);
    // The steps between the clean state and the present one.
    int stepsFromClean() const;
    // The change count becomes stepsFromClean().
    void syncChangeCount();
    // Decodes the chunks just read; the rest of both Loads.
    Result<LoadReport> decodeChunks(const QString &path);
    void reset();
    // The placing rule shared by moving and inserting: inside the world, and
    // the island (if any) whose bounds overlap `bounds`, `self` aside.
    static bool insideWorld(const TileRect &bounds);
    const Insel *islandInTheWay(const TileRect &bounds, const Insel *self) const;

    std::array<uchar, MissionArea::Size> missionArea_{};
    std::array<uchar, PlayerArea::Size> playerArea_{};
    std::array<uchar, ScenarioSettings::Size> settingsArea_{};
    ChunkList chunks_;
    std::vector<std::unique_ptr<Insel>> islands_;
    std::vector<ShipRecord> ships_;
    // The SZENE entries of the islands built from references that are
    // deleted now (their deletion steps hold the islands). The entries stay
    // in the chunk, so that every other island's reference keeps viewing
    // its own entry; only the save leaves them out.
    std::vector<const uchar *> deletedReferences_;
    static constexpr size_t NoChunk = size_t(-1);
    // Index of the "TIMERS" chunk that ended the load's walk; NoChunk until
    // a load succeeded.
    size_t settingsChunk_ = NoChunk;
    std::vector<std::unique_ptr<Insel>> displaced_;
    std::vector<UnplacedSettlements> unplaced_;
    // Per chunk: an "INSELHAUS" chunk that no island of the scenario's own
    // took, which the save writes back where it stood.
    std::vector<bool> layerInPlace_;
    QString gamePath_;
    LoadReport report_;
    QString scenarioName_;
    QString filePath_;
    QString fileName_;
    int campaignNumber_ = -1;
    int changeCount_ = 0;
    bool moveValid_ = true;
    // The records as the last step left them.
    RecordSnapshot baseline_;
    QUndoStack undoStack_;
};
