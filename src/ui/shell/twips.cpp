// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

int TwipsToPixels(int twips)
{
    qreal dpi = 96.0;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        dpi = screen->logicalDotsPerInch();
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}
