#pragma once

#include "core/document/chunkfile.h"
#include "core/document/edithistory.h"
#include "core/document/scenariosettings.h"
#include "core/goods/shiprecord.h"
#include "core/islands/insel.h"
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
    // Records the load read but could not place, so a save does not write
    // them; the scenario check reports them.
    struct LoadReport {
        // Cities and trading posts naming an island the scenario does not have.
        std::vector<CityRecord> citiesWithoutIsland;
        std::vector<TradingPostRecord> postsWithoutIsland;
        // Cities in a slot the island record has no owner entry for (8 and up).
        std::vector<CityRecord> citiesOutsideSlots;
        // Deer records dropped, in runs: all records of a chunk whose island
        // (named by its first record) does not exist, and records naming
        // another island than the chunk's.
        struct DroppedDeer {
            int chunkIsland = 0;
            bool islandMissing = false;
            int namedIsland = 0;
            qsizetype count = 0;
        };
        std::vector<DroppedDeer> droppedDeer;
        // Island numbers read twice: the later island took the number.
        std::vector<int> replacedIslands;
        // Island references whose template gave no island.
        std::vector<int> referencesWithoutTemplate;
        // Tile layers met before any island.
        int layersWithoutIsland = 0;
    };

    // Templates are read from `gamePath`; by default the installed game's.
    explicit RumoSzen(QObject *parent = nullptr);
    RumoSzen(const QString &gamePath, QObject *parent);
    ~RumoSzen() override;

    // Reads a scenario file of any of the five kinds. Succeeds only when a
    // "TIMERS" chunk was decoded. Texts to show arise in `notices()`; on
    // failure lastError() tells why.
    bool Load(const QString &path);
    // The same from an open device (the file name is only remembered).
    bool Load(QIODevice &in, const QString &path);
    // Writes the scenario to `path` through a temporary file that then
    // replaces it; on failure the old file is left as it was and lastError()
    // tells why.
    bool Save(const QString &path);
    // The scenario's bytes as a save writes them.
    bool WriteTo(QIODevice &out);

    // Texts the load produced for the user, in the order they arose.
    const QStringList &notices() const { return notices_; }
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
    bool IsModified() const { return changeCount_ > 0; }
    int ModifiedCount() const { return changeCount_; }

    // Every edit is one step of this stack; a load empties it.
    QUndoStack *undoStack() { return &undoStack_; }
    // Records what the editor wrote into the records since the last step as
    // one step called `text` (empty: named after the first changed record).
    // Steps of the same `typing` key (-1: none) that change the same record
    // one after the other become one step. False when nothing changed; the
    // count of edits under way is dropped either way.
    bool RecordChanges(const QString &text = QString(), int typing = -1);
    // Records a move already made (a whole drag or one arrow-key step).
    void RecordIslandMove(Insel &island, int dx, int dy);
    // Called by the stack's steps after each undo and redo.
    void StepApplied();

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
    void SetCampaignNumber(int number) { campaignNumber_ = number; }
    // The scenario name of a savegame (chunk "NAME"); empty without one.
    QString scenarioName() const { return scenarioName_; }

    // Indexed by island number; null where no island has that number.
    const std::vector<std::unique_ptr<Insel>> &Islands() const { return islands_; }
    Insel *island(int number) const;
    const std::vector<ShipRecord> &Ships() const { return ships_; }

    // Map queries, in world tiles.
    Insel *IslandAt(int x, int y) const;
    ShipRecord ShipAt(int x, int y) const;
    CityRecord CityAt(int x, int y) const;
    // The rectangle spanned by the buildings of a city (their origins only).
    // (1000, 1000, 0, 0) when no tile belongs to the city; nothing when the
    // island has no building layer.
    std::optional<TileRect> CityBounds(const Insel &island, int slot) const;
    Insel *IslandOf(const CityRecord &city) const;
    TradingPostRecord TradingPostOf(const CityRecord &city) const;

    // Moves an island and tells whether it now stands inside the world and
    // off every other island. The island stays moved either way.
    bool MoveIsland(Insel &island, int dx, int dy);
    bool MoveValid() const { return moveValid_; }
    bool CanDeleteIsland(const Insel &island) const { return island.CanDelete(); }
    // Removes the island with its settlements from the output, as one step
    // of the undo stack. Refused (false) for islands that CanDeleteIsland
    // refuses.
    bool DeleteIsland(Insel &island);
    // Writes the island as an island template file; on failure lastError()
    // tells why.
    bool ExportIsland(const Insel &island, const QString &path) const;
    // Why the last failed Load, Save or ExportIsland failed, in the user's words
    // (the system's reason or the program's), to show under its own sentence.
    QString lastError() const { return lastError_; }

    // Gives a city to the player in `slot` (0..6) and recolours its buildings
    // on every layer. False, with nothing changed, when `slot` is no player
    // slot or the city has no island. Which player a chosen colour stands for
    // is the caller's question.
    bool SetCityOwner(CityRecord city, int slot);
    // Emptying per player slot, as the players page offers it.
    void EmptyShipsOf(int player);
    void EmptyCartsOf(int player);
    void EmptyTradingPostsOf(int player);

signals:
    void modifiedChanged(int count);

private:
    friend class RecordSnapshot;
    friend class IslandDeleteEdit;
    // Out of the document and back, for the deletion step.
    std::unique_ptr<Insel> TakeIsland(int number);
    void PutBackIsland(std::unique_ptr<Insel> island);
    // The steps between the clean state and the present one.
    int stepsFromClean() const;
    // The change count becomes stepsFromClean().
    void syncChangeCount();
    bool decodeChunk(ScenarioChunk &chunk, bool &endWalk);
    bool addIsland(std::unique_ptr<Insel> island);
    void decodeSzene(ScenarioChunk &chunk);
    // False when no island of the record's number has been read yet.
    bool addCity(const CityRecord &city);
    bool addTradingPost(const TradingPostRecord &post);
    void decodeCities(ScenarioChunk &chunk);
    void decodeTradingPosts(ScenarioChunk &chunk);
    void decodeDeer(ScenarioChunk &chunk);
    void decodeShips(ScenarioChunk &chunk);
    void reset();
    // Index of the chunk at which the islands are written; NoChunk for none.
    size_t islandSectionChunk() const;

    std::array<uchar, MissionArea::Size> missionArea_{};
    std::array<uchar, PlayerArea::Size> playerArea_{};
    std::array<uchar, ScenarioSettings::Size> settingsArea_{};
    ChunkList chunks_;
    std::vector<std::unique_ptr<Insel>> islands_;
    std::vector<ShipRecord> ships_;
    Insel *lastIsland_ = nullptr;
    static constexpr size_t NoChunk = size_t(-1);
    // Index of the "TIMERS" chunk that ended the load's walk; NoChunk until
    // a load succeeded.
    size_t settingsChunk_ = NoChunk;
    // The template files read during a load; only set while loading.
    IslandTemplates *templates_ = nullptr;
    // Settlement records naming an island not yet read, taken when the walk ends.
    bool walkEnded_ = false;
    std::vector<CityRecord> pendingCities_;
    std::vector<TradingPostRecord> pendingPosts_;
    std::vector<ScenarioChunk *> pendingDeer_;
    QString gamePath_;
    QStringList notices_;
    LoadReport report_;
    QString scenarioName_;
    QString filePath_;
    QString fileName_;
    // Set by the const export too, hence mutable.
    mutable QString lastError_;
    int campaignNumber_ = -1;
    int changeCount_ = 0;
    bool moveValid_ = true;
    // The records as the last step left them.
    RecordSnapshot baseline_;
    QUndoStack undoStack_;
};
