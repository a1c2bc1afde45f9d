#pragma once

#include "core/document/scenariosettings.h"
#include "core/players/missionrecord.h"
#include "core/players/playerrecord.h"
#include "gamefolder.h"
#include "settlement.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <memory>
#include <vector>

// How an island of the scenario's own stores its ground.
enum class IslandForm {
    OwnGround,      // "INSEL5", ground layer in the scenario
    TemplateGround, // "INSEL5" with own-ground flag 0: the template supplies the ground
    OldLayout,      // "INSEL_MAXFUN" of older files, ground in the scenario
};

// Composes one scenario file: islands placed apart from each other inside the
// world, cities on them, ships at sea and carts on the roads, and the player,
// mission and settings records. Everything is drawn from the seed, so the
// same calls give the same bytes.
class ScenarioBuilder {
public:
    explicit ScenarioBuilder(quint64 seed);
    ~ScenarioBuilder();

    // Each returns the new island's number, or -1 (with error() set) when the
    // world has no room left for it.
    int addReference(const TemplateId &id);
    int addIsland(IslandForm form, int climate, int sizeClass, int templateNumber);

    // A city in the next free slot of the island, with a trading post (except
    // for natives) whose stock suits the size of the city.
    bool addCity(int island, int player, CityStyle style, const QString &name);
    void addDeer(int island, int herds);
    // A ship of `typeIndex` (ship type table) near the player's first city,
    // or anywhere at sea for a player without one.
    bool addShip(int typeIndex, int player, const QString &name);
    // A cart on a road of one of the player's cities.
    bool addCart(int player, const QString &name);

    PlayerArea players() { return PlayerArea(players_.data()); }
    MissionArea missions() { return MissionArea(missions_.data()); }
    ScenarioSettings settings() { return ScenarioSettings(settings_.data()); }
    void setCampaign(int number) { campaign_ = number; }
    void setSavegameName(const QString &name) { savegameName_ = name; }
    // A chunk the editor passes through unchanged, written before "TIMERS"
    // or, with `afterSettings`, after it.
    void addExtraChunk(const QByteArray &name, const QByteArray &payload,
                       bool afterSettings = false);

    QByteArray fileBytes() const;

    int islandCount() const { return int(islands_.size()); }
    int referenceCount() const;
    int cityCount() const { return cities_; }
    int tradingPostCount() const { return tradingPosts_; }
    int vehicleCount() const { return int(ships_.size()); }
    bool hasNativeReference() const;
    QString error() const { return error_; }

private:
    struct Island;
    struct Extra {
        QByteArray name;
        QByteArray payload;
        bool afterSettings;
    };

    bool findPlace(int width, int height, int &x, int &y);
    bool atSea(int x, int y) const;

    SeededRandom rng_;
    std::vector<std::unique_ptr<Island>> islands_;
    std::vector<QByteArray> ships_;
    std::vector<QPoint> shipSpots_;
    std::array<uchar, PlayerArea::Size> players_{};
    std::array<uchar, MissionArea::Size> missions_{};
    std::array<uchar, ScenarioSettings::Size> settings_{};
    std::vector<Extra> extras_;
    int campaign_ = -1;
    QString savegameName_;
    int cities_ = 0;
    int tradingPosts_ = 0;
    QString error_;
};
