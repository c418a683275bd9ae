// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "status.h"

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

inline const std::filesystem::path kHistoryFile = "picks.csv";

// One run's picks as the history keeps them.
struct PastPick
{
    std::string Time; // ISO 8601 with offset
    std::string Game; // the catalogue's bytes
    std::vector<int> Numbers;
    std::optional<int> PowerBall;
};

struct HistoryLine
{
    std::string Raw;               // the line's bytes, no line end
    std::optional<PastPick> Pick;  // empty: an unreadable line
};

std::filesystem::path HistoryFileBeside(const std::filesystem::path &catalogue);
std::string LocalTimestamp(std::time_t when);
std::string FormatCopyLine(const PastPick &pick);
Status ReadHistory(const std::filesystem::path &file, std::vector<HistoryLine> &lines);
Status AppendPicks(const std::filesystem::path &file, const std::vector<PastPick> &picks);
Status DeleteHistoryLines(const std::filesystem::path &file, const std::vector<std::string> &raws);
