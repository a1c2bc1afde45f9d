#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>

// PaintBox1: the world picture stretched over the whole widget. It turns
// mouse positions into world tiles and carries out the mechanics of dragging
// an island; what a click or a drag means is the map page's business.
class MapView : public QWidget {
    Q_OBJECT

public:
    explicit MapView(QWidget *parent = nullptr);

    // The world picture to show, owned by the caller; none shows nothing.
    void setPicture(const QImage *picture);
    const QImage *picture() const { return picture_; }
    // These tiles of the picture changed: only the part of the map that
    // shows them is painted again.
    void pictureChanged(const QRegion &tiles);
    void setShowing(bool showing);
    // After a left press that selected an island: a drag begins once the
    // mouse has moved by the platform's drag distance.
    void ArmDrag();
    bool dragging() const { return dragging_; }

    QPoint ToWorld(QPoint pixel) const;

signals:
    void pressed(QPoint tile, Qt::MouseButton button);
    void hovered(QPoint tile);
    void dragStep(QPoint tile);
    void dropped(QPoint tile);
    // The drag ended anywhere but on the map: released outside, Escape,
    // focus lost.
    void dragCancelled();
    void contextMenu(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void endDrag();

    const QImage *picture_ = nullptr;
    bool showing_ = false;
    bool armed_ = false;
    bool dragging_ = false;
    QPoint pressPixel_;
};
