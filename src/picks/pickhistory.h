// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "status.h"

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The player's past picks: one CSV line per run (RFC 4180 quoting, CR LF line
// ends), beside the catalogue, under a header line.
inline const std::filesystem::path kHistoryFile = "picks.csv";
inline constexpr std::string_view kHistoryHeader = "time,game,numbers,power_ball";

// One set of picks as kept.
struct PastPick
{
    std::string Time;         // ISO 8601 local time with its offset, "2026-12-07T16:30:12+01:00"
    std::string Game;         // the game's name, its bytes as the catalogue holds them
    std::vector<long long> Numbers; // in the order shown
    std::optional<long long> PowerBall;

    bool operator==(const PastPick &) const = default;
};

// One line of the file as it stands.
struct HistoryLine
{
    std::string Raw;              // its bytes, without the line end
    std::optional<PastPick> Pick; // empty when the line cannot be read
};

// The history kept beside a catalogue file.
std::filesystem::path HistoryFileBeside(const std::filesystem::path &catalogue);

// `when` in local time as ISO 8601 with the offset; ASCII digits whatever the locale.
std::string LocalTimestamp(std::time_t when);

// The picks as one line of the file, without the line end. A line break in a
// name becomes a blank, so that a run always stays one line.
std::string FormatHistoryLine(const PastPick &pick);
// A line of the file read back; empty when it is not four well-formed values.
std::optional<PastPick> ParseHistoryLine(std::string_view line);

// The picks as one line of text to copy: "Power Ball: 5 12 23 31 44 + PB 17".
std::string FormatCopyLine(const PastPick &pick);

// Every line after the header, in file order; blank lines are left out. A
// missing file holds no lines. The same refusals as the catalogue's reading: no
// folder, pipe or device, nothing over kMostFileBytes.
Status ReadHistory(const std::filesystem::path &file, std::vector<HistoryLine> &lines);

// Appends the picks, one line each, under the file's lock, creating the file
// with its header when there is none. Nothing else in the file changes; when
// the write fails (disk full, file-size limit) the file is cut back to what it
// held, so no half line stays. Refuses what the catalogue's saving refuses
// (read-only files, links to nothing, anything but a regular file).
Status AppendPicks(const std::filesystem::path &file, const std::vector<PastPick> &picks);

// Removes one line per text in `raws` (a line of the file, without its line
// end) and keeps every other byte, lines written meanwhile by another instance
// included; the file is rewritten whole, never half. Texts no longer in the
// file are skipped; `removed`, when given, counts the lines that went.
Status DeleteHistoryLines(const std::filesystem::path &file, const std::vector<std::string> &raws,
                          std::size_t *removed = nullptr);
