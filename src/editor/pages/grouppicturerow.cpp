#include "editor/pages/grouppicturerow.h"

#include "core/players/playerrecord.h"
#include "editor/widgets/leveltrackbar.h"
#include "editor/widgets/svgpixmap.h"

#include <QEvent>
#include <QLabel>

namespace {
constexpr QSize GroupPictureSize(32, 32);
} // namespace

GroupPictureRow::GroupPictureRow(LevelTrackBar *bar) : bar_(bar)
{
    for (int group = 1; group <= PopulationLevel::Groups; ++group) {
        auto *picture = new QLabel(this);
        picture->setFixedSize(GroupPictureSize);
        picture->setPixmap(
            svgPixmap(QStringLiteral(":/groups/%1.svg").arg(group), GroupPictureSize));
        pictures_.append(picture);
    }
    setFixedHeight(GroupPictureSize.height());
    bar_->installEventFilter(this);
    retranslateUi();
}

void GroupPictureRow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void GroupPictureRow::retranslateUi()
{
    for (int i = 0; i < pictures_.size(); ++i)
        pictures_[i]->setToolTip(PopulationLevel::groupName(i + 1));
}

bool GroupPictureRow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
        place();
    return QWidget::eventFilter(watched, event);
}

void GroupPictureRow::resizeEvent(QResizeEvent *)
{
    place();
}

void GroupPictureRow::place()
{
    const int shift = bar_->geometry().x() - geometry().x();
    for (int i = 0; i < pictures_.size(); ++i) {
        const int centre = shift + bar_->xOfValue(100 * (i + 1));
        pictures_[i]->move(centre - GroupPictureSize.width() / 2, 0);
    }
}
