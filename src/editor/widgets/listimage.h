#pragma once

#include <QWidget>

// An image control showing one picture of one of the goods dialogs' image
// lists: WarenImages (goods index 1..40, 48 x 46) or WappenImages (coats of
// arms 0..5, 27 x 33). An index outside the list shows nothing. A clickable
// image lights up under the mouse and reports left clicks.
class ListImage : public QWidget {
    Q_OBJECT

public:
    enum class List { Waren, Wappen };

    explicit ListImage(List list, QWidget *parent = nullptr);

    // The picture of `index` in `list` at the list's size, for the device
    // pixel ratio `pixelRatio`; a null pixmap for an index outside the list.
    static QPixmap picture(List list, int index, qreal pixelRatio = 1.0);
    static QSize pictureSize(List list);
    // The coat of arms of a player colour code, as the owner lists show it:
    // codes 0..5 have their own item, the traders' code 6 shares item 5.
    // -1 for codes that no item shows.
    static int wappenOfColour(int colour);

    int index() const { return index_; }
    void setIndex(int index);
    void setClickable(bool clickable);

    QSize sizeHint() const override { return pictureSize(list_); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    List list_;
    int index_ = -1;
    bool clickable_ = false;
    bool pressed_ = false;
};
