// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One lottery game, fields in the order of a games.dat line.
struct GameRecord
{
    std::string Name;
    double Choices = 0;
    double LowNumber = 0;
    double HighNumber = 0;
    std::int16_t PowerBallLow = 0; // 0 means the game has no Power Ball
    double PowerBallHigh = 0;

    bool HasPowerBall() const { return PowerBallLow != 0; }
    bool operator==(const GameRecord &) const = default;
};

// Program-wide table of games with the current selection.
struct GameCatalogue
{
    std::vector<GameRecord> Games; // rows 0 .. GameCount - 1, file order
    std::int32_t GameCount = 0;
    std::int16_t CurrentGame = 0; // 0-based row

    bool HasRow(long long row) const { return row >= 0 && row < GameCount; }
};
