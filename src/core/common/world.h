#pragma once

// The size of the world every scenario plays in, in tiles. Islands must lie
// inside it; the map shows it one pixel a tile.
namespace World {
constexpr int Width = 512;
constexpr int Height = 352;
} // namespace World
