// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program icon in each of its sizes, as 32-bit ARGB pixels made at build time.
struct IconPixels
{
    int width;
    int height;
    const unsigned int *pixels;
};

extern const IconPixels kAppIconPixels[];
extern const int kAppIconSizes;
