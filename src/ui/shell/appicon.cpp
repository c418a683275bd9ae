// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

QIcon AppIcon()
{
    // Decoded once, by the program; windows made without it (tests) decode their own.
    if (const QIcon shared = QGuiApplication::windowIcon(); !shared.isNull())
        return shared;
    // Resources of a static library are registered by the program, not by the library.
    Q_INIT_RESOURCE(shell);
    QIcon icon;
    for (const int size : {32, 64}) {
        QImageReader reader(QStringLiteral(":/app/drawsmith-%1.png").arg(size), "png");
        // Without this Qt loads every image plugin to ask whether it reads the file.
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
