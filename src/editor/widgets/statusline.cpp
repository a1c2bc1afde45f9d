#include "editor/widgets/statusline.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>

StatusLine::StatusLine(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusLine"));
    const int widths[3] = {400, 80, 50};
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        panels_[i]->setFixedWidth(widths[i]);
        addWidget(panels_[i]);
    }
}

void StatusLine::showPath(const QString &path)
{
    QLabel *panel = panels_[0];
    panel->setText(shortenPath(QDir::toNativeSeparators(path), panel->contentsRect().width(),
                               panel->fontMetrics()));
}

void StatusLine::showTile(const QString &text)
{
    panels_[1]->setText(text);
}

void StatusLine::clearPanels()
{
    for (QLabel *panel : panels_)
        panel->clear();
}

QString StatusLine::shortenPath(const QString &path, int width, const QFontMetrics &metrics)
{
    const QChar sep = QDir::separator();
    const QString dots = QStringLiteral("...") + sep;
    QString drive;
    QString rest = path;
    if (path.size() >= 2 && path.at(1) == QLatin1Char(':')) {
        drive = path.left(2);
        rest = path.mid(2);
    }
    const qsizetype lastSep = rest.lastIndexOf(sep);
    QString dir = rest.left(lastSep + 1);
    const QString name = rest.mid(lastSep + 1);

    while (metrics.horizontalAdvance(drive + dir + name) > width &&
           (!drive.isEmpty() || !dir.isEmpty())) {
        if (dir == sep + dots) {
            dir = dots;
            drive.clear();
        } else if (dir.isEmpty()) {
            drive.clear();
        } else if (dir == sep) {
            dir.clear();
        } else {
            const bool leadingSep = dir.startsWith(sep);
            if (leadingSep)
                dir.remove(0, 1);
            if (dir.startsWith(dots))
                dir.remove(0, dots.size());
            const qsizetype next = dir.indexOf(sep);
            dir = next < 0 ? QString() : dots + dir.mid(next + 1);
            if (leadingSep)
                dir.prepend(sep);
        }
    }
    return drive + dir + name;
}
