#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

// A rectangle of world tiles; right and bottom are exclusive.
struct TileRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
    bool overlaps(const TileRect &o) const
    {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    friend bool operator==(const TileRect &, const TileRect &) = default;
};

// Base of the objects placed on the world map: an owned copy of a chunk
// payload and the kind of object ("INSEL", "INSELHAUS").
class VeskObject {
public:
    VeskObject(QByteArray kind, const uchar *payload, qsizetype length);
    virtual ~VeskObject() = default;
    VeskObject(const VeskObject &) = delete;
    VeskObject &operator=(const VeskObject &) = delete;

    // The tiles the object covers; nothing for objects that are not placed.
    virtual std::optional<TileRect> GetBounds() const { return std::nullopt; }
    virtual bool hitTest(int x, int y) const;
    virtual QString GetName() const { return QStringLiteral("Unbekannt"); }
    // Euclidean distance from a tile to the object's centre.
    double distance(int x, int y) const;
    // Middle of the bounds, each sum halved toward zero.
    QPoint center() const;

    const QByteArray &kind() const { return kind_; }

protected:
    std::vector<uchar> payload_;

private:
    QByteArray kind_;
};
