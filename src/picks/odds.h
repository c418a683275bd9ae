// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamerecord.h"

#include <optional>
#include <string>

// b * (a - b + 1)!, in double precision; b when a - b < -1. With b = 1 it is a!.
// Empty when a product overflows the double range.
std::optional<double> ScaledFactorial(double a, double b);

// The number of different tickets of a game: n over C main numbers, times the
// Power Ball numbers for a Power Ball game. Empty when it cannot be computed
// (lowest number 0, or an overflow).
std::optional<double> ComputeOdds(double high, double low, double choices, bool powerBall, double powerLow,
                                  double powerHigh);

// The odds of a game as the window shows them, which reads the ranges back from
// the boxes it wrote them into as plain decimal text.
std::optional<double> GameOdds(const GameRecord &game);

// "18009460 to 1", in the general number format.
std::string FormatOdds(double odds);
