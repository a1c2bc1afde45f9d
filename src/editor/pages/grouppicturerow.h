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
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void place();
    // The pictures' tool tips, the groups' names, in the current language.
    void retranslateUi();

    LevelTrackBar *bar_;
    QList<QLabel *> pictures_;
};
