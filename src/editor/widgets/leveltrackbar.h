#pragma once

#include <QSlider>

// The track bar of a population-level goal: positions 100 to 500 are the
// groups 1.00 to 5.00, with a tick at every group. Beside the handle it shows
// a selection band, the range of levels that makes the computer player
// angry; the band is drawn in the groove, with short marks at its ends.
class LevelTrackBar : public QSlider {
    Q_OBJECT

public:
    explicit LevelTrackBar(QWidget *parent = nullptr);

    int selStart() const { return selStart_; }
    int selEnd() const { return selEnd_; }
    // An empty band (start == end) shows no band.
    void setSelection(int start, int end);

    // The horizontal centre of the handle when it stands at `value`, in
    // widget coordinates; pictures under the bar line up with it.
    int xOfValue(int value) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int selStart_ = 0;
    int selEnd_ = 0;
};
