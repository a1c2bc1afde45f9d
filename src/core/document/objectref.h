#pragma once

#include <QString>

// One object of a scenario, named by the numbers the file gives it rather
// than by a place in memory: what an undo step changed or what a finding of
// the check is about. The editor shows it (the island or the city on the
// map, the ship in the object tree, the page of a player or a mission); the
// core never knows how.
struct ObjectRef {
    enum class Kind {
        File,
        Chunk,
        Settings,
        Island,
        City,
        TradingPost,
        Deer,
        Ship,
        Player,
        Mission
    };

    Kind kind = Kind::File;
    // The island number of an island, and the island of a city, trading
    // post or deer record; -1 for none.
    int island = -1;
    // The city slot of a city or of a trading post's city; -1 for none.
    int slot = -1;
    // Which record of its kind: the island number of an island, the place of
    // a city or trading post among the file's records of its kind (in
    // reading order; -1 where nobody counted), the island a deer record
    // names, the ship index, the player slot or the mission index; -1 where
    // there is none.
    int record = -1;
    // The chunk name of a chunk.
    QString chunk;

    static ObjectRef forChunk(const QString &name) { return {Kind::Chunk, -1, -1, -1, name}; }
    static ObjectRef forSettings() { return {Kind::Settings, -1, -1, -1, {}}; }
    static ObjectRef forIsland(int number) { return {Kind::Island, number, -1, number, {}}; }
    static ObjectRef forCity(int island, int slot, int record = -1)
    {
        return {Kind::City, island, slot, record, {}};
    }
    static ObjectRef forTradingPost(int island, int slot, int record = -1)
    {
        return {Kind::TradingPost, island, slot, record, {}};
    }
    static ObjectRef forDeer(int island, int namedIsland)
    {
        return {Kind::Deer, island, -1, namedIsland, {}};
    }
    static ObjectRef forShip(int index) { return {Kind::Ship, -1, -1, index, {}}; }
    static ObjectRef forPlayer(int slot) { return {Kind::Player, -1, -1, slot, {}}; }
    static ObjectRef forMission(int index) { return {Kind::Mission, -1, -1, index, {}}; }

    friend bool operator==(const ObjectRef &, const ObjectRef &) = default;
};
