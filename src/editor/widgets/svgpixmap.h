#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// One of our pictures from the resources, drawn at `size` for `pixelRatio`
// (the application's when not given); transparent where the file cannot be
// read.
QPixmap svgPixmap(const QString &path, QSize size, qreal pixelRatio = 0);
