#pragma once

#include <QPoint>
#include <QSize>

// A pixel in the middle of the pixels that show world tile `tile` on a map
// drawn over `size`, so that a click there hits the tile at every zoom.
QPoint pixelOfTile(QPoint tile, QSize size);
