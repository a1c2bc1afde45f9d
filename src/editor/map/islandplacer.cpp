#include "editor/map/islandplacer.h"

#include "core/document/rumoszen.h"
#include "core/map/worldrenderer.h"
#include "editor/map/mapview.h"

#include <algorithm>

void IslandPlacer::begin(RumoSzen &doc, std::unique_ptr<Insel> island, QPoint centre)
{
    if (!island)
        return;
    doc_ = &doc;
    island_ = std::move(island);
    ground_ = WorldPicture::groundPicture(*island_, doc.players());
    const QPoint wanted = centre - QPoint(island_->width() / 2, island_->height() / 2);
    moveTo(freePlaceNear(doc, *island_, wanted).value_or(wanted));
}

void IslandPlacer::centreOn(QPoint tile)
{
    if (active())
        moveTo(tile - QPoint(island_->width() / 2, island_->height() / 2));
}

void IslandPlacer::MoveBy(QPoint step)
{
    if (active())
        moveTo(at_ + step);
}

void IslandPlacer::moveTo(QPoint at)
{
    at_ = at;
    valid_ = doc_->canPlaceIsland(*island_, at.x(), at.y());
    view_.setFloating(ground_, QRect(at, QSize(island_->width(), island_->height())), valid_);
}

void IslandPlacer::revalidate()
{
    if (active())
        moveTo(at_);
}

Insel *IslandPlacer::drop()
{
    if (!active() || !doc_->canPlaceIsland(*island_, at_.x(), at_.y()))
        return nullptr;
    Insel *placed = doc_->insertIsland(std::move(island_), at_.x(), at_.y());
    cancel();
    return placed;
}

void IslandPlacer::cancel()
{
    island_.reset();
    ground_ = QImage();
    doc_ = nullptr;
    view_.clearFloating();
}

std::optional<QPoint> IslandPlacer::freePlaceNear(const RumoSzen &doc, const Insel &island,
                                                  QPoint wanted)
{
    // Only places inside the world can be free; the search starts from the
    // nearest of them.
    const int maxX = World::Width - island.width();
    const int maxY = World::Height - island.height();
    if (maxX < 0 || maxY < 0)
        return std::nullopt;
    const QPoint start(std::clamp(wanted.x(), 0, maxX), std::clamp(wanted.y(), 0, maxY));
    const int reach = std::max({start.x(), maxX - start.x(), start.y(), maxY - start.y()});
    for (int r = 0; r <= reach; ++r) {
        // The square of distance r around the start; of its free places the
        // one nearest to the start wins, the first of them in a tie.
        std::optional<QPoint> best;
        qint64 bestDistance = 0;
        auto consider = [&](int x, int y) {
            if (x < 0 || y < 0 || x > maxX || y > maxY)
                return;
            const qint64 dx = x - start.x();
            const qint64 dy = y - start.y();
            const qint64 distance = dx * dx + dy * dy;
            if (best && distance >= bestDistance)
                return;
            if (doc.canPlaceIsland(island, x, y)) {
                best = QPoint(x, y);
                bestDistance = distance;
            }
        };
        for (int d = -r; d <= r; ++d) {
            consider(start.x() + d, start.y() - r);
            consider(start.x() + d, start.y() + r);
            if (d != -r && d != r) {
                consider(start.x() - r, start.y() + d);
                consider(start.x() + r, start.y() + d);
            }
        }
        if (best)
            return best;
    }
    return std::nullopt;
}
