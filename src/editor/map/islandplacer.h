#pragma once

#include <QImage>
#include <QPoint>
#include <memory>
#include <optional>

class Insel;
class MapView;
class RumoSzen;

// An island on its way into the document (a template's or a copy's ground):
// it floats over the map, where the mouse or the arrow keys move it, its
// frame white where it may stand and red where not, by the rule of dragging,
// until it is dropped on a free place or cancelled. Until it is dropped the
// document knows nothing of it.
class IslandPlacer {
public:
    explicit IslandPlacer(MapView &view) : view_(view) {}

    bool active() const { return island_ != nullptr; }
    // Starts placing `island` over `doc` at the first free place nearest to
    // `centre` (a tile: the island's middle goes there), or right at
    // `centre` when the world has no free place for it.
    void begin(RumoSzen &doc, std::unique_ptr<Insel> island, QPoint centre);
    // Moves the island's middle to `tile` (the mouse).
    void centreOn(QPoint tile);
    void MoveBy(QPoint step);
    // Puts the island into the document where it floats, as one step of
    // the undo stack. nullptr, with the island still floating, where it may
    // not stand.
    Insel *drop();
    void cancel();
    // The document changed under the floating island (undo, redo): its
    // frame shows whether it may still stand where it is.
    void revalidate();

    // Top left corner of the floating island, and whether it may stand there.
    QPoint position() const { return at_; }
    bool valid() const { return valid_; }

    // The top left corner nearest to `wanted` where `island` may stand in
    // `doc`, searched in growing squares around `wanted`; nothing when the
    // world holds no such place.
    static std::optional<QPoint> freePlaceNear(const RumoSzen &doc, const Insel &island,
                                               QPoint wanted);

private:
    void moveTo(QPoint at);

    MapView &view_;
    RumoSzen *doc_ = nullptr;
    std::unique_ptr<Insel> island_;
    QImage ground_;
    QPoint at_;
    bool valid_ = false;
};
