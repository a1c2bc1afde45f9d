#include "editor/pages/levelgoalrow.h"

#include "editor/widgets/leveltrackbar.h"
#include "editor/widgets/shownvalues.h"
#include "editor/widgets/svgpixmap.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <array>
#include <cmath>
#include <optional>

namespace {

constexpr QSize ThumbSize(57, 61);

// The level text as the user types it: either decimal separator, blanks
// around it allowed.
std::optional<double> parseLevel(QString text)
{
    text = text.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Track bar position 100..500 to the stored level 0..128 and back.
quint8 levelOfPosition(int position)
{
    return quint8((position - 100) * 32 / 100);
}
int positionOfLevel(quint8 level)
{
    return 100 + level * 100 / 32;
}

// The seven thumb pictures, from the thumb pointing down (0) to the thumb
// pointing up (6): drawn once, when a goal is first switched on, and shared
// by both rows.
const QPixmap &thumbPicture(int index)
{
    static const auto pictures = [] {
        std::array<QPixmap, 7> p;
        for (int i = 0; i < int(p.size()); ++i)
            p[size_t(i)] = svgPixmap(QStringLiteral(":/thumbs/%1.svg").arg(i), ThumbSize);
        return p;
    }();
    return pictures[size_t(index)];
}

} // namespace

LevelGoalRow::LevelGoalRow(bool towardsMax, const char *check, const char *bar, const char *edit,
                           const char *label, const char *thumb, QObject *parent)
    : QObject(parent), towardsMax_(towardsMax)
{
    check_ = new QCheckBox;
    check_->setObjectName(QLatin1String(check));
    bar_ = new LevelTrackBar;
    bar_->setObjectName(QLatin1String(bar));
    bar_->setMinimumWidth(220);
    edit_ = new QLineEdit;
    edit_->setObjectName(QLatin1String(edit));
    edit_->setMaximumWidth(edit_->fontMetrics().horizontalAdvance(QStringLiteral("00,000")) + 12);
    levelLabel_ = new QLabel;
    levelLabel_->setObjectName(QLatin1String(label) + QLatin1Char('1'));
    levelLabel_->setBuddy(edit_);
    groupLabel_ = new QLabel;
    groupLabel_->setObjectName(QLatin1String(label) + QLatin1Char('2'));
    groupLabel_->setVisible(false);
    levelControls_ = {bar_, levelLabel_, edit_, groupLabel_};
    thumb_ = new QLabel;
    thumb_->setObjectName(QLatin1String(thumb));
    thumb_->setFixedSize(ThumbSize);
    thumb_->setProperty("picture", -1);

    connect(bar_, &QSlider::valueChanged, this, &LevelGoalRow::barChanged);
    connect(edit_, &QLineEdit::textChanged, this, &LevelGoalRow::editChanged);
    connect(edit_, &QLineEdit::editingFinished, this, &LevelGoalRow::editFinished);
    connect(check_, &QCheckBox::toggled, this, &LevelGoalRow::checkClicked);

    // A2 starts at the right end, so that its empty band sits there.
    bar_->setValue(towardsMax_ ? bar_->maximum() : bar_->minimum());
    setLevelText(bar_->value() / 100.0);
    applyEnabled();
}

void LevelGoalRow::retranslate(const QString &caption)
{
    check_->setText(caption);
    levelLabel_->setText(tr("Stufe"));
    groupLabel_->setText(tr("BGRUPPE"));
}

int LevelGoalRow::addTo(QGridLayout *grid, int row) const
{
    grid->addWidget(check_, row++, 0, 1, 6);
    for (int column = 1; column <= int(levelControls_.size()); ++column)
        grid->addWidget(levelControls_[size_t(column - 1)], row, column);
    grid->addWidget(thumb_, row, 5);
    return row + 1;
}

void LevelGoalRow::fill(quint8 level, bool on)
{
    // The bar stops at 500, but the edit shows the level the record holds,
    // so that a byte beyond the last group stays visible. The edit then
    // moves the bar to its two-decimal value.
    bar_->setValue(positionOfLevel(level));
    setLevelText(level / 32.0 + 1);
    check_->setChecked(on);
    applyEnabled();
}

bool LevelGoalRow::isOn() const
{
    return check_->isChecked();
}

quint8 LevelGoalRow::level() const
{
    return levelOfPosition(bar_->value());
}

bool LevelGoalRow::changedSince(const ShownValues &shown) const
{
    return shown.anyChanged({bar_, edit_});
}

void LevelGoalRow::setLevelText(double groups)
{
    edit_->setText(QLocale().toString(groups, 'f', 2));
}

void LevelGoalRow::barChanged()
{
    updateBand();
    // While the user types, the edit keeps the typed text; it takes the
    // bar's two-decimal form when the typing ends.
    if (!(editMovesBar_ && edit_->hasFocus())) {
        barWritesEdit_ = true;
        setLevelText(bar_->value() / 100.0);
        barWritesEdit_ = false;
    }
    updateThumb();
    emit changed();
}

void LevelGoalRow::editChanged()
{
    if (barWritesEdit_)
        return;
    const std::optional<double> value = parseLevel(edit_->text());
    if (!value)
        return;
    // Rounded, so that every text the bar writes leads back to its own
    // position and the two controls settle at once.
    const int position = qRound(qBound(-1e6, *value * 100, 1e6));
    editMovesBar_ = true;
    bar_->setValue(position);
    editMovesBar_ = false;
    updateThumb();
    emit changed();
}

void LevelGoalRow::editFinished()
{
    if (!parseLevel(edit_->text()))
        return;
    const QString shown = QLocale().toString(bar_->value() / 100.0, 'f', 2);
    if (edit_->text() != shown) {
        barWritesEdit_ = true;
        edit_->setText(shown);
        barWritesEdit_ = false;
    }
}

void LevelGoalRow::checkClicked()
{
    applyEnabled();
    emit changed();
}

void LevelGoalRow::applyEnabled()
{
    const bool on = check_->isChecked();
    for (QWidget *control : levelControls_)
        control->setEnabled(on);
    updateBand();
    updateThumb();
}

void LevelGoalRow::updateBand()
{
    const bool on = check_->isChecked();
    if (towardsMax_)
        bar_->setSelection(on ? bar_->value() : bar_->maximum(), bar_->maximum());
    else
        bar_->setSelection(bar_->minimum(), on ? bar_->value() : bar_->minimum());
}

void LevelGoalRow::updateThumb()
{
    if (!check_->isChecked()) {
        thumb_->clear();
        thumb_->setProperty("picture", -1);
        return;
    }
    // Seven pictures over the bar's range, from the thumb pointing down (0)
    // to the thumb pointing up (6); A2 runs the other way.
    const int step = (bar_->maximum() - bar_->minimum()) / 7;
    int index = qMin((bar_->value() - bar_->minimum()) / step, 6);
    if (towardsMax_)
        index = 6 - index;
    thumb_->setPixmap(thumbPicture(index));
    thumb_->setProperty("picture", index);
}
