// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamerecord.h"
#include "pickhistory.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a draw of a game must hold: as many numbers as the game shows pick boxes,
// each in the game's range, and a Power Ball in its own range when it has one.
struct DrawRules
{
    int Count = 0;
    long long Low = 0;
    long long High = 0;
    bool PowerBall = false;
    long long PowerLow = 0;
    long long PowerHigh = 0;
};

DrawRules RulesOf(const GameRecord &game);

struct Draw
{
    std::vector<long long> Numbers;
    std::optional<long long> PowerBall;
};

enum class DrawProblem
{
    None,
    NotANumber, // Text is the word typed
    OutOfRange, // Text is the number
    Repeated,   // Text is the number
    Missing,    // fewer numbers than Count
    TooMany,    // more numbers than Count
    PowerBallMissing,
    PowerBallOutOfRange, // Text is what was typed
};

// The first thing wrong with a typed draw, checked in the order the user typed it.
struct DrawError
{
    DrawProblem Problem = DrawProblem::None;
    std::string Text;
    explicit operator bool() const { return Problem != DrawProblem::None; }
};

// Reads the drawn numbers (apart by blanks or commas) and the Power Ball.
DrawError ReadDraw(const DrawRules &rules, std::string_view numbers, std::string_view powerBall, Draw &draw);

struct PickMatch
{
    int Count = 0;
    bool PowerBall = false;
    std::vector<bool> Matched; // one per number of the pick, in its order
};

PickMatch MatchPick(const PastPick &pick, const Draw &draw);

// The match of every line that is a readable pick of `game` (its catalogue
// bytes); empty for the others.
std::vector<std::optional<PickMatch>> CheckDraw(const std::vector<HistoryLine> &lines,
                                                const std::string &game, const Draw &draw);
