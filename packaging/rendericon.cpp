// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's SVG icon into the PNG sizes of the hicolor icon theme,
// for desktops and menus that do not scale SVG icons themselves.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The icon's digits need the font database, which needs a platform; no display is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: rendericon <icon.svg> <size> <out.png>\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    bool sizeOk = false;
    const int size = args.at(2).toInt(&sizeOk);
    if (!renderer.isValid() || !sizeOk || size <= 0) {
        std::fprintf(stderr, "rendericon: cannot render %s at size %s\n", qPrintable(args.at(1)),
                     qPrintable(args.at(2)));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!image.save(args.at(3), "PNG")) {
        std::fprintf(stderr, "rendericon: cannot write %s\n", qPrintable(args.at(3)));
        return 1;
    }
    return 0;
}
