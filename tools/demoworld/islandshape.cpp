#include "islandshape.h"

#include "demorecords.h"

#include <algorithm>
#include <cmath>
#include <deque>

quint64 SeededRandom::next()
{
    quint64 z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

quint64 MixSeed(quint64 a, quint64 b)
{
    SeededRandom r(a ^ (b * 0xD6E8FEB86659FD93ull));
    return r.next();
}

namespace {

// Width of the water band that the land keeps from the rectangle's edge.
constexpr int kCoastBand = 4;

// Ground pieces, drawn by the map in these colours: 1201 sea, 1204 and 1209
// light water, the other water pieces pale; every other piece takes the
// tile's player colour, brown for unowned ground.
constexpr quint16 kSea = 1201;
constexpr quint16 kLightWater[] = {1204, 1209};
constexpr quint16 kPaleWater[] = {1202, 1203, 1205, 1207, 1208};
constexpr quint16 kBeach[] = {1214, 1215, 1216, 1217};
constexpr quint16 kGrass[] = {1001, 1002, 1003, 1004, 1005, 1006};
constexpr quint16 kForest[] = {1301, 1302, 1303, 1304};
constexpr quint16 kRock[] = {1401, 1402, 1403};

// Value noise: random values on a lattice, blended smoothly in between. Only
// exactly rounded arithmetic is used, so every platform gets the same shapes.
double lattice(quint64 seed, int ix, int iy)
{
    const quint64 h = MixSeed(MixSeed(seed, quint32(ix)), quint32(iy));
    return double(h >> 11) / double(1ull << 53) * 2.0 - 1.0;
}

double smooth(double t)
{
    return t * t * (3.0 - 2.0 * t);
}

double valueNoise(quint64 seed, double x, double y)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = int(fx);
    const int iy = int(fy);
    const double sx = smooth(x - fx);
    const double sy = smooth(y - fy);
    const double top = lattice(seed, ix, iy) * (1 - sx) + lattice(seed, ix + 1, iy) * sx;
    const double bottom = lattice(seed, ix, iy + 1) * (1 - sx) + lattice(seed, ix + 1, iy + 1) * sx;
    return top * (1 - sy) + bottom * sy;
}

double fractalNoise(quint64 seed, double x, double y, int octaves)
{
    double sum = 0;
    double amplitude = 1;
    double total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * valueNoise(MixSeed(seed, quint64(o)), x, y);
        total += amplitude;
        x *= 2;
        y *= 2;
        amplitude /= 2;
    }
    return sum / total;
}

template <size_t N> quint16 pick(const quint16 (&pieces)[N], quint64 seed, int column, int row)
{
    return pieces[MixSeed(MixSeed(seed, quint64(column)), quint64(row)) % N];
}

} // namespace

IslandShape::IslandShape(int width, int height, quint64 seed)
    : width_(width), height_(height), seed_(seed), terrain_(size_t(width * height), Terrain::Sea),
      depth_(size_t(width * height), 0)
{
    const int n = width * height;
    std::vector<quint8> land(size_t(n), 0);

    // A blob around the centre whose rim is pushed in and out by noise: noise
    // over the direction from the centre makes peninsulas and bays, slow noise
    // over the area bends them, fast noise makes the coast ragged. The rim
    // never reaches the shallow band at the rectangle's edge.
    const double cx = width / 2.0;
    const double cy = height / 2.0;
    const double rx = cx - kCoastBand;
    const double ry = cy - kCoastBand;
    // A slant, so that not every island lies square to the map.
    const double shear = lattice(MixSeed(seed, 8), 0, 0) * 0.45;
    for (int r = kCoastBand; r < height - kCoastBand; ++r) {
        for (int c = kCoastBand; c < width - kCoastBand; ++c) {
            const double v = (r + 0.5 - cy) / ry;
            const double u = (c + 0.5 - cx) / rx + shear * v;
            const double d = std::sqrt(u * u + v * v);
            const double du = d > 0 ? u / d : 0;
            const double dv = d > 0 ? v / d : 0;
            const double capes = fractalNoise(MixSeed(seed, 1), du * 1.5, dv * 1.5, 2);
            const double bends = fractalNoise(MixSeed(seed, 7), u * 2.0, v * 2.0, 2);
            const double ragged = fractalNoise(MixSeed(seed, 2), c / 4.0, r / 4.0, 2);
            double rim = 0.76 + 0.48 * capes + 0.22 * bends + 0.08 * ragged;
            if (rim > 0.85)
                rim = 0.85 + (rim - 0.85) * 0.3; // capes flatten before the shallows
            const bool inside = std::abs((c + 0.5 - cx) / rx) < 0.98;
            land[size_t(index(c, r))] = inside && d < rim ? 1 : 0;
        }
    }

    // Two rounds of majority smoothing take off single-tile spikes and holes.
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<quint8> next = land;
        for (int r = 1; r < height - 1; ++r) {
            for (int c = 1; c < width - 1; ++c) {
                int count = 0;
                for (int dr = -1; dr <= 1; ++dr) {
                    for (int dc = -1; dc <= 1; ++dc)
                        count += land[size_t(index(c + dc, r + dr))];
                }
                if (count >= 6)
                    next[size_t(index(c, r))] = 1;
                else if (count <= 3)
                    next[size_t(index(c, r))] = 0;
            }
        }
        land.swap(next);
    }

    auto neighbours4 = [&](int i, auto &&visit) {
        const int c = i % width;
        const int r = i / width;
        if (c > 0)
            visit(i - 1);
        if (c < width - 1)
            visit(i + 1);
        if (r > 0)
            visit(i - width);
        if (r < height - 1)
            visit(i + width);
    };

    // One island, not an archipelago: only the largest piece of land stays.
    std::vector<int> component(size_t(n), -1);
    int best = -1;
    int bestSize = 0;
    for (int start = 0, id = 0; start < n; ++start) {
        if (!land[size_t(start)] || component[size_t(start)] >= 0)
            continue;
        int size = 0;
        std::deque<int> queue{start};
        component[size_t(start)] = id;
        while (!queue.empty()) {
            const int i = queue.front();
            queue.pop_front();
            ++size;
            neighbours4(i, [&](int j) {
                if (land[size_t(j)] && component[size_t(j)] < 0) {
                    component[size_t(j)] = id;
                    queue.push_back(j);
                }
            });
        }
        if (size > bestSize) {
            bestSize = size;
            best = id;
        }
        ++id;
    }
    for (int i = 0; i < n; ++i)
        land[size_t(i)] = component[size_t(i)] == best ? 1 : 0;

    // Water that the open sea cannot reach becomes land (no inland lakes).
    std::vector<quint8> open(size_t(n), 0);
    std::deque<int> queue;
    for (int i = 0; i < n; ++i) {
        const int c = i % width;
        const int r = i / width;
        if (!land[size_t(i)] && (c == 0 || r == 0 || c == width - 1 || r == height - 1)) {
            open[size_t(i)] = 1;
            queue.push_back(i);
        }
    }
    while (!queue.empty()) {
        const int i = queue.front();
        queue.pop_front();
        neighbours4(i, [&](int j) {
            if (!land[size_t(j)] && !open[size_t(j)]) {
                open[size_t(j)] = 1;
                queue.push_back(j);
            }
        });
    }
    for (int i = 0; i < n; ++i) {
        if (!open[size_t(i)])
            land[size_t(i)] = 1;
    }

    // Distances over 8 neighbours: from each water tile to the land (for the
    // shallow band) and from each land tile to the water (for the beach).
    auto distances = [&](quint8 from) {
        std::vector<int> dist(size_t(n), -1);
        std::deque<int> q;
        for (int i = 0; i < n; ++i) {
            if (land[size_t(i)] == from) {
                dist[size_t(i)] = 0;
                q.push_back(i);
            }
        }
        while (!q.empty()) {
            const int i = q.front();
            q.pop_front();
            const int c = i % width;
            const int r = i / width;
            for (int dr = -1; dr <= 1; ++dr) {
                for (int dc = -1; dc <= 1; ++dc) {
                    const int nc = c + dc;
                    const int nr = r + dr;
                    if (nc < 0 || nr < 0 || nc >= width || nr >= height)
                        continue;
                    const int j = index(nc, nr);
                    if (dist[size_t(j)] < 0) {
                        dist[size_t(j)] = dist[size_t(i)] + 1;
                        q.push_back(j);
                    }
                }
            }
        }
        return dist;
    };
    const std::vector<int> toLand = distances(1);
    const std::vector<int> toWater = distances(0);

    const quint64 forestSeed = MixSeed(seed, 3);
    const quint64 rockSeed = MixSeed(seed, 4);
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const size_t i = size_t(index(c, r));
            Terrain t;
            if (!land[i]) {
                const int d = toLand[i] < 0 ? 1000 : toLand[i];
                t = d <= 2 ? Terrain::PaleWater : d <= 4 ? Terrain::LightWater : Terrain::Sea;
            } else {
                // The rectangle's edge counts as water too.
                const int edge = std::min({c + 1, r + 1, width - c, height - r});
                const int d = std::min(toWater[i] < 0 ? 1000 : toWater[i], edge);
                depth_[i] = quint8(std::min(d, 255));
                if (d <= 1)
                    t = Terrain::Beach;
                else if (d >= 6 && fractalNoise(rockSeed, c / 5.0, r / 5.0, 2) > 0.45)
                    t = Terrain::Rock;
                else if (fractalNoise(forestSeed, c / 6.0, r / 6.0, 3) > 0.08)
                    t = Terrain::Forest;
                else
                    t = Terrain::Grass;
            }
            terrain_[i] = t;
        }
    }
}

Terrain IslandShape::at(int column, int row) const
{
    if (column < 0 || row < 0 || column >= width_ || row >= height_)
        return Terrain::Sea;
    return terrain_[size_t(index(column, row))];
}

bool IslandShape::isLand(int column, int row) const
{
    const Terrain t = at(column, row);
    return t != Terrain::Sea && t != Terrain::LightWater && t != Terrain::PaleWater;
}

int IslandShape::depth(int column, int row) const
{
    if (column < 0 || row < 0 || column >= width_ || row >= height_)
        return 0;
    return depth_[size_t(index(column, row))];
}

int IslandShape::landTiles() const
{
    int count = 0;
    for (int r = 0; r < height_; ++r) {
        for (int c = 0; c < width_; ++c)
            count += isLand(c, r) ? 1 : 0;
    }
    return count;
}

QByteArray IslandShape::groundLayer() const
{
    QByteArray out;
    out.reserve(qsizetype(width_) * height_ * 8);
    const quint64 pieces = MixSeed(seed_, 5);
    for (int r = 0; r < height_; ++r) {
        for (int c = 0; c < width_; ++c) {
            quint16 id = kSea;
            switch (at(c, r)) {
            case Terrain::Sea:
                id = kSea;
                break;
            case Terrain::LightWater:
                id = pick(kLightWater, pieces, c, r);
                break;
            case Terrain::PaleWater:
                id = pick(kPaleWater, pieces, c, r);
                break;
            case Terrain::Beach:
                id = pick(kBeach, pieces, c, r);
                break;
            case Terrain::Grass:
                id = pick(kGrass, pieces, c, r);
                break;
            case Terrain::Forest:
                id = pick(kForest, pieces, c, r);
                break;
            case Terrain::Rock:
                id = pick(kRock, pieces, c, r);
                break;
            }
            out += demo::TileBytes(id, c, r, true, demo::NoCity, demo::Unowned);
        }
    }
    return out;
}

IslandShape ShapeOfClass(int sizeClass, quint64 seed)
{
    struct Range {
        int minWidth, maxWidth, minHeight, maxHeight;
    };
    static constexpr Range kRanges[] = {
        {26, 32, 24, 30}, {32, 40, 30, 36}, {42, 52, 38, 46}, {56, 68, 50, 60}, {72, 90, 64, 80}};
    const Range &range = kRanges[std::clamp(sizeClass, 0, 4)];
    SeededRandom rng(MixSeed(seed, 6));
    const int width = rng.between(range.minWidth, range.maxWidth);
    const int height = rng.between(range.minHeight, range.maxHeight);
    return IslandShape(width, height, seed);
}
