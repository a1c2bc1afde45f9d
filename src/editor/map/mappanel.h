#pragma once

#include "core/map/mapzoom.h"

#include <QWidget>

class MapView;
class QScrollBar;

// Panel9: the map in its panel, fitted at the world's proportions of
// 512 : 352 or zoomed and scrolled, with scroll bars where the zoomed world
// does not fit, and the start screen in the middle until a scenario is
// loaded. The map asks for zoom and scroll steps; this panel decides where
// the view goes and hands it to the map.
class MapPanel : public QWidget {
    Q_OBJECT

public:
    MapPanel(MapView *map, QWidget *startScreen, QWidget *parent);

    const MapZoom &zoom() const { return zoom_; }
    // One zoom level in or out around the middle of the map.
    void zoomIn();
    void zoomOut();
    // "Ganze Karte": the whole world again.
    void fit();
    // Zoom levels in or out around `pixel` of the map.
    void zoomAt(int steps, QPoint pixel);
    void scrollBy(QPoint delta);

signals:
    // The zoom level changed (also when a new panel size changed the fitted
    // map's scale).
    void zoomChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Places the map and the scroll bars and shows the view on the map.
    void apply();
    void scrolled();

    MapZoom zoom_;
    MapView *map_;
    QWidget *startScreen_;
    QScrollBar *horizontal_;
    QScrollBar *vertical_;
};
