// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"

#include "appiconpixels.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

QIcon AppIcon()
{
    // Made once, by the program; windows made without it (tests) make their own.
    if (const QIcon shared = QGuiApplication::windowIcon(); !shared.isNull())
        return shared;
    QIcon icon;
    for (int size = 0; size < kAppIconSizes; ++size) {
        const IconPixels &pixels = kAppIconPixels[size];
        icon.addPixmap(QPixmap::fromImage(QImage(reinterpret_cast<const uchar *>(pixels.pixels), pixels.width,
                                                 pixels.height, QImage::Format_ARGB32)));
    }
    return icon;
}
