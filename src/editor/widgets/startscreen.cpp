#include "editor/widgets/startscreen.h"

#include "marbolt_version.h"

#include <QDate>
#include <QIcon>
#include <QLabel>

namespace {

// The title in the desktop's own font family: the Windows faces of the
// original screen are rarely installed elsewhere, and looking for them costs
// the start-up a round through every font of the system.
QLabel *titleLabel(QWidget *parent, const char *name, const QString &text, int pixels,
                   bool boldItalic, QPoint at)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setPixelSize(pixels);
    font.setBold(boldItalic);
    font.setItalic(boldItalic);
    label->setFont(font);
    // The title's blue, taken from the palette's link colour so that it
    // reads on a dark theme as well as on a light one.
    label->setForegroundRole(QPalette::Link);
    label->adjustSize();
    label->move(at);
    return label;
}

} // namespace

StartScreen::StartScreen(QWidget *parent) : QWidget(parent)
{
    // Our pictures live in the static widget library; this keeps the linker
    // from dropping them.
    Q_INIT_RESOURCE(marbolt);
    setObjectName(QStringLiteral("StartScreen"));
    setFixedSize(420, 280);
    const QPoint origin(40, 40);
    titleLabel(this, "lbTitle1", QStringLiteral("Tobrel's"), 27, true, QPoint(167, 61) - origin);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imTitle1"));
    picture->setPixmap(QIcon(QStringLiteral(":/title.svg")).pixmap(QSize(94, 57)));
    picture->setGeometry(QRect(QPoint(200, 110) - origin, QSize(94, 57)));
    titleLabel(this, "lbTitle2", QStringLiteral("Marbolt"), 37, true, QPoint(61, 184) - origin);
    const QString released = QDate::fromString(QStringLiteral(MARBOLT_RELEASE_DATE), Qt::ISODate)
                                 .toString(QStringLiteral("dd.MM.yyyy"));
    titleLabel(this, "lbTitle3",
               QStringLiteral("Version %1 - %2").arg(QStringLiteral(MARBOLT_VERSION), released), 13,
               false, QPoint(163, 245) - origin);
    titleLabel(this, "lbTitle4", QString(), 13, false, QPoint(163, 265) - origin);
}
