// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// Layout values are kept in twips (1/1440 inch): 15 twips are one pixel at 96 dpi,
// scaled with the screen's logical dpi.
int TwipsToPixels(int twips);
QRect TwipsRect(int left, int top, int width, int height);
