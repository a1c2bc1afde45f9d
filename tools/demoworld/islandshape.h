#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <vector>

// Pseudo-random numbers from a fixed seed (splitmix64), so that the demo
// world comes out byte for byte the same on every run.
class SeededRandom {
public:
    explicit SeededRandom(quint64 seed) : state_(seed) {}
    quint64 next();
    // 0 .. n-1.
    int below(int n) { return int(next() % quint64(n)); }
    // lo .. hi, both included.
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }

private:
    quint64 state_;
};

// A new seed from two numbers; used to give every island, city and ship its
// own stream.
quint64 MixSeed(quint64 a, quint64 b);

enum class Terrain : quint8 { Sea, LightWater, PaleWater, Beach, Grass, Forest, Rock };

// The ground of one island: one terrain per tile of its rectangle. The land
// is a noisy blob that keeps a band of shallow water inside the rectangle, so
// the coast fades from pale over light water into the open sea.
class IslandShape {
public:
    IslandShape(int width, int height, quint64 seed);

    int width() const { return width_; }
    int height() const { return height_; }
    Terrain at(int column, int row) const;
    bool isLand(int column, int row) const;
    // Steps (8 neighbours) from a land tile to the nearest water; 0 on water.
    int depth(int column, int row) const;
    int landTiles() const;

    // The island's ground as the payload of an "INSELHAUS" chunk: one
    // unowned 1x1 tile per tile of the rectangle, row by row.
    QByteArray groundLayer() const;

private:
    int index(int column, int row) const { return row * width_ + column; }

    int width_;
    int height_;
    quint64 seed_;
    std::vector<Terrain> terrain_;
    std::vector<quint8> depth_;
};

// An island of a size class (0 "lit" .. 4 "lar"), its measures drawn from the
// seed: from about 26 x 24 tiles for the smallest to 90 x 80 for the largest.
IslandShape ShapeOfClass(int sizeClass, quint64 seed);
