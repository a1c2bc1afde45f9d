#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// One of our pictures from the resources, drawn at `size` for the screen's
// pixel ratio; transparent where the file cannot be read.
QPixmap SvgPixmap(const QString &path, QSize size);
