#pragma once

#include <QDialog>
#include <QList>

class ListImage;

// "Warenauswahl": the goods picker of the cargo dialog. Forty pictures in a
// fixed window, each named in its tool tip, no buttons; clicking a picture picks its goods index
// (the picture's tag) and closes with OK, closing any other way is Cancel and keeps the earlier
// pick.
class TWarenAuswahl : public QDialog {
    Q_OBJECT

public:
    explicit TWarenAuswahl(QWidget *parent = nullptr);

    // The picked goods index; 0 until the first pick.
    int picked() const { return picked_; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    int picked_ = 0;
    QList<ListImage *> pictures_;
};
