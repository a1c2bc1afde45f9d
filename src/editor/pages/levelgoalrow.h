#pragma once

#include <QObject>
#include <array>

class LevelTrackBar;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QString;
class ShownValues;

// One population-level goal of the players page: its check box, a level
// track bar with the level edit beside it, and a thumb picture for how angry
// the goal makes the computer player. A1 (the computer player falls below a
// level) has its band from the left end to the handle, A2 (the human player
// reaches a level) from the handle to the right end.
//
// The controls go into the page's own grid rather than into a widget of the
// row: both goals and the group pictures under them share its columns, and
// the pictures line up with a bar of the same parent.
class LevelGoalRow : public QObject {
    Q_OBJECT

public:
    // The names are the controls' object names; the two labels get `label`
    // with "1" and "2" appended. The texts come with retranslate().
    LevelGoalRow(bool towardsMax, const char *check, const char *bar, const char *edit,
                 const char *label, const char *thumb, QObject *parent);

    // Sets the check box's `caption` and the row's own texts in the current
    // language.
    void retranslate(const QString &caption);

    // Puts the check box on `row` of `grid` and the level controls on the
    // row below it; returns the first row after them. The grid's widget then
    // owns the controls.
    int addTo(QGridLayout *grid, int row) const;

    // Shows `level` (0..128) and switches the goal on or off.
    void fill(quint8 level, bool on);

    bool isOn() const;
    // The level at the bar's position.
    quint8 level() const;
    // The user moved the bar or typed a level since the page was filled.
    bool changedSince(const ShownValues &shown) const;

    LevelTrackBar *bar() const { return bar_; }

signals:
    void changed();

private:
    void barChanged();
    void editChanged();
    void editFinished();
    void checkClicked();
    void applyEnabled();
    void updateBand();
    void updateThumb();
    void setLevelText(double groups);

    const bool towardsMax_;
    QCheckBox *check_ = nullptr;
    LevelTrackBar *bar_ = nullptr;
    QLineEdit *edit_ = nullptr;
    QLabel *thumb_ = nullptr;
    QLabel *levelLabel_ = nullptr;
    QLabel *groupLabel_ = nullptr;
    // The controls the check box switches, in the order of their columns:
    // bar, "Stufe", edit and the hidden group label.
    std::array<QWidget *, 4> levelControls_{};
    // Set while one of the two controls writes the other.
    bool barWritesEdit_ = false;
    bool editMovesBar_ = false;
};
