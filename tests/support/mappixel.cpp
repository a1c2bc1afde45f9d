#include "support/mappixel.h"

#include "core/map/worldrenderer.h"

QPoint pixelOfTile(QPoint tile, QSize size)
{
    auto middle = [](int t, int pixels, int tiles) {
        int first = 0;
        while (first * tiles / pixels < t)
            ++first;
        int last = first;
        while ((last + 1) * tiles / pixels == t)
            ++last;
        return (first + last) / 2;
    };
    return {middle(tile.x(), size.width(), World::Width),
            middle(tile.y(), size.height(), World::Height)};
}
