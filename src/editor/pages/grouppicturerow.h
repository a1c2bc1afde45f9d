#pragma once

#include <QList>
#include <QWidget>

class LevelTrackBar;
class QLabel;

// The five group pictures in a row under a level track bar of the players
// page, each centred under the position of its group.
class GroupPictureRow : public QWidget {
public:
    explicit GroupPictureRow(LevelTrackBar *bar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void place();

    LevelTrackBar *bar_;
    QList<QLabel *> pictures_;
};
