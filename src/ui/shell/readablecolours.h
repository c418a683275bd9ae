// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

#include <functional>

class QWidget;

// The contrast every text must reach against its background (WCAG AA).
inline constexpr double kReadableRatio = 4.5;
// What chosen colours aim at: the thin, smoothed strokes of small text draw
// lighter than their colour.
inline constexpr double kChosenRatio = 5.0;

// WCAG contrast of two colours, from 1 (same) to 21 (black on white).
double ContrastRatio(const QColor &first, const QColor &second);

// The wanted colour where it reads on the background; otherwise the least
// lightened or darkened shade of it that does, so blue stays a blue.
QColor ReadableOn(const QColor &wanted, const QColor &background, double ratio = kChosenRatio);

// Calls apply with the application's palette for the control now and again
// whenever that palette changes (a switch of the desktop's theme), so colours
// picked against the palette follow it.
void FollowPalette(QWidget *control, std::function<void(QWidget *, const QPalette &)> apply);

// Sets one colour of the control's own palette, keeping the others inherited.
void SetColour(QWidget *control, QPalette::ColorRole role, const QColor &colour);
