#pragma once

// The names of the chunks of scenario and island template files, and which of
// them the load decodes. Everything that reads, writes, checks or compares
// chunks by name takes the names from here.

#include <QByteArrayView>
#include <array>

namespace ChunkNames {

// An island of the scenario's own: its record, then its tile layers.
inline constexpr char Island[] = "INSEL5";
// The same record in the layout of older files.
inline constexpr char OldIsland[] = "INSEL_MAXFUN";
// Island records of older template files; only the templates hold them.
inline constexpr char TemplateIsland4[] = "INSEL4";
inline constexpr char TemplateIsland3[] = "INSEL3";
// One tile layer of the island before it.
inline constexpr char IslandLayer[] = "INSELHAUS";
// The settlement records, each chunk a list of records.
inline constexpr char Deer[] = "HIRSCH2";
inline constexpr char Cities[] = "STADT4";
inline constexpr char TradingPosts[] = "KONTOR2";
// The scene: among others the islands built from the game's templates.
inline constexpr char Szene[] = "SZENE";
// The number of the campaign the scenario belongs to.
inline constexpr char Campaign[] = "SZENE_KAMPAGNE";
inline constexpr char Players[] = "PLAYER4";
inline constexpr char Missions[] = "AUFTRAG4";
inline constexpr char Ships[] = "SHIP4";
// The scenario name of a savegame.
inline constexpr char SavegameName[] = "NAME";
// The scenario-wide settings; the load's walk ends at this chunk.
inline constexpr char Settings[] = "TIMERS";

// The chunks the load decodes (up to the settings chunk). A chunk of any other
// name is carried unread and written back byte for byte.
inline constexpr std::array<const char *, 13> Decoded = {
    Island,   OldIsland, IslandLayer, Deer,  Cities,       TradingPosts, Szene,
    Campaign, Players,   Missions,    Ships, SavegameName, Settings};

inline bool isDecoded(QByteArrayView name)
{
    for (const char *decoded : Decoded) {
        if (name == QByteArrayView(decoded))
            return true;
    }
    return false;
}

} // namespace ChunkNames
