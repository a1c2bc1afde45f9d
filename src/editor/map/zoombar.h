#pragma once

#include <QWidget>

class MapPanel;
class QAction;
class QLabel;

// The row beside the map with "−", "+", "Ganze Karte" and the zoom as a
// percentage of one screen pixel a tile. Its actions carry the shortcuts
// (Ctrl+−, Ctrl++, Ctrl+0), which work wherever the focus is while the
// widget they belong to (the map page) is showing.
class ZoomBar : public QWidget {
    Q_OBJECT

public:
    ZoomBar(MapPanel *panel, QWidget *page);

    // Only a shown scenario can be zoomed.
    void setActive(bool active);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    // Buttons and percentage follow the map's zoom.
    void follow();

    MapPanel *panel_;
    bool active_ = false;
    QAction *zoomIn_;
    QAction *zoomOut_;
    QAction *fit_;
    QLabel *percent_;
};
