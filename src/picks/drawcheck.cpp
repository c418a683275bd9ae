// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawcheck.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {
long long Whole(double value)
{
    constexpr double kMost = 1e15; // far beyond any lottery, within a long long
    return static_cast<long long>(std::clamp(std::ceil(value), -kMost, kMost));
}

bool ReadNumber(std::string_view text, long long &number)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size();
}

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}
} // namespace

DrawRules RulesOf(const GameRecord &game)
{
    // The main window shows at least two and at most seven pick boxes.
    const int count = static_cast<int>(std::clamp(game.Choices, 2.0, 7.0));
    return {count,
            Whole(game.LowNumber),
            static_cast<long long>(std::floor(std::clamp(game.HighNumber, -1e15, 1e15))),
            game.HasPowerBall(),
            game.PowerBallLow,
            static_cast<long long>(std::floor(std::clamp(game.PowerBallHigh, -1e15, 1e15)))};
}

DrawError ReadDraw(const DrawRules &rules, std::string_view numbers, std::string_view powerBall, Draw &draw)
{
    draw = {};
    std::size_t at = 0;
    while (at < numbers.size()) {
        const std::size_t end = std::min(numbers.find_first_of(" \t,;", at), numbers.size());
        const std::string_view word = numbers.substr(at, end - at);
        at = end + 1;
        if (word.empty())
            continue;
        long long number = 0;
        if (!ReadNumber(word, number))
            return {DrawProblem::NotANumber, std::string(word)};
        if (number < rules.Low || number > rules.High)
            return {DrawProblem::OutOfRange, std::string(word)};
        if (std::find(draw.Numbers.begin(), draw.Numbers.end(), number) != draw.Numbers.end())
            return {DrawProblem::Repeated, std::string(word)};
        draw.Numbers.push_back(number);
    }
    if (static_cast<int>(draw.Numbers.size()) < rules.Count)
        return {DrawProblem::Missing, {}};
    if (static_cast<int>(draw.Numbers.size()) > rules.Count)
        return {DrawProblem::TooMany, {}};
    if (!rules.PowerBall)
        return {};
    const std::string_view ball = Trimmed(powerBall);
    if (ball.empty())
        return {DrawProblem::PowerBallMissing, {}};
    long long number = 0;
    if (!ReadNumber(ball, number) || number < rules.PowerLow || number > rules.PowerHigh)
        return {DrawProblem::PowerBallOutOfRange, std::string(ball)};
    draw.PowerBall = number;
    return {};
}

PickMatch MatchPick(const PastPick &pick, const Draw &draw)
{
    PickMatch match;
    match.Matched.reserve(pick.Numbers.size());
    for (const long long number : pick.Numbers) {
        const bool hit = std::find(draw.Numbers.begin(), draw.Numbers.end(), number) != draw.Numbers.end();
        match.Matched.push_back(hit);
        match.Count += hit;
    }
    match.PowerBall = pick.PowerBall && draw.PowerBall && *pick.PowerBall == *draw.PowerBall;
    return match;
}

std::vector<std::optional<PickMatch>> CheckDraw(const std::vector<HistoryLine> &lines,
                                                const std::string &game, const Draw &draw)
{
    std::vector<std::optional<PickMatch>> matches(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].Pick && lines[i].Pick->Game == game)
            matches[i] = MatchPick(*lines[i].Pick, draw);
    return matches;
}
