// SPDX-License-Identifier: GPL-3.0-or-later
#include "odds.h"

#include "numbertext.h"

#include <cmath>

std::optional<double> ScaledFactorial(double a, double b)
{
    double r = b;
    const double bound = a - b;
    // Once the product is 0 it stays 0, and once it is no longer finite it has
    // overflowed; stopping there keeps a huge bound from running for ages.
    for (double i = 1; i <= bound && r != 0 && std::isfinite(r); ++i)
        r = r * (i + 1);
    if (!std::isfinite(r))
        return std::nullopt;
    return r;
}

std::optional<double> ComputeOdds(double high, double low, double choices, bool powerBall, double powerLow,
                                  double powerHigh)
{
    const std::optional<double> p1 = ScaledFactorial(high, low);
    const std::optional<double> p2 = ScaledFactorial(choices, 1);
    const std::optional<double> p3 = ScaledFactorial(high - choices, low);
    if (!p1 || !p2 || !p3)
        return std::nullopt;
    const double divisor = *p2 * *p3;
    if (!std::isfinite(divisor))
        return std::nullopt;
    double odds = *p1 / divisor;
    if (powerBall)
        odds = odds * (powerHigh - powerLow + 1);
    // 0 / 0 for a lowest number of 0, or a quotient beyond the double range.
    if (!std::isfinite(odds))
        return std::nullopt;
    return odds;
}

std::optional<double> GameOdds(const GameRecord &game)
{
    auto shown = [](double value) { return LeadingNumber(FormatPlain(value)); };
    return ComputeOdds(shown(game.HighNumber), shown(game.LowNumber), game.Choices, game.HasPowerBall(),
                       shown(game.PowerBallLow), shown(game.PowerBallHigh));
}

std::string FormatOdds(double odds)
{
    // Rendering twice through the text mirrors how the number is shown and read
    // back; with the period as the only separator the second pass changes nothing.
    const std::string once = FormatGeneral(odds);
    return FormatGeneral(LeadingNumber(once)) + " to 1";
}
