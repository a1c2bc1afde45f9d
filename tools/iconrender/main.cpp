// marbolt-iconrender SVG SIZE PNG: draws the application icon at one size for
// the icon themes that want pictures, so the PNGs always match the SVG.

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool isNumber = false;
    const int size = args.value(2).toInt(&isNumber);
    if (args.size() != 4 || !isNumber || size < 1 || size > 1024) {
        QTextStream(stderr) << "usage: marbolt-iconrender SVG SIZE PNG\n";
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        QTextStream(stderr) << "marbolt-iconrender: cannot read " << args[1] << '\n';
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(args[3], "PNG")) {
        QTextStream(stderr) << "marbolt-iconrender: cannot write " << args[3] << '\n';
        return 1;
    }
    return 0;
}
