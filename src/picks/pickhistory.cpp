// SPDX-License-Identifier: GPL-3.0-or-later
#include "pickhistory.h"

#include "catalogueloader.h"
#include "safefile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <unordered_map>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// Seven slots at most, as a run shows them.
constexpr std::size_t kMostNumbers = 7;

std::string Quoted(std::string_view value)
{
    const bool plain = value.find_first_of(",\"\r\n") == std::string_view::npos &&
                       (value.empty() || (value.front() != ' ' && value.back() != ' '));
    if (plain)
        return std::string(value);
    std::string quoted = "\"";
    for (const char c : value) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

// Splits one line into its values; false when a quote is left open or
// followed by anything but a comma.
bool SplitValues(std::string_view line, std::vector<std::string> &values)
{
    std::size_t at = 0;
    for (;;) {
        std::string value;
        if (at < line.size() && line[at] == '"') {
            for (++at;; ++at) {
                if (at >= line.size())
                    return false;
                if (line[at] == '"') {
                    if (at + 1 < line.size() && line[at + 1] == '"')
                        ++at;
                    else
                        break;
                }
                value += line[at];
            }
            ++at;
            if (at < line.size() && line[at] != ',')
                return false;
        } else {
            const std::size_t comma = std::min(line.find(',', at), line.size());
            value.assign(line.substr(at, comma - at));
            if (value.find('"') != std::string::npos)
                return false;
            at = comma;
        }
        values.push_back(std::move(value));
        if (at >= line.size())
            return true;
        ++at; // the comma
    }
}

bool ReadInteger(std::string_view text, long long &number)
{
    if (text.empty() || text.size() > 19 || text.front() == '+')
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size();
}

bool IsDigits(std::string_view text, std::size_t from, std::size_t count)
{
    return std::all_of(text.begin() + from, text.begin() + from + count,
                       [](char c) { return c >= '0' && c <= '9'; });
}

// "2026-12-07T16:30:12" followed by "Z" or "+01:00".
bool IsTimestamp(std::string_view time)
{
    if (time.size() != 20 && time.size() != 25)
        return false;
    const bool shape = IsDigits(time, 0, 4) && time[4] == '-' && IsDigits(time, 5, 2) && time[7] == '-' &&
                       IsDigits(time, 8, 2) && time[10] == 'T' && IsDigits(time, 11, 2) && time[13] == ':' &&
                       IsDigits(time, 14, 2) && time[16] == ':' && IsDigits(time, 17, 2);
    if (!shape)
        return false;
    if (time.size() == 20)
        return time[19] == 'Z';
    return (time[19] == '+' || time[19] == '-') && IsDigits(time, 20, 2) && time[22] == ':' &&
           IsDigits(time, 23, 2);
}

std::string_view WithoutLineEnd(std::string_view line)
{
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

} // namespace

fs::path HistoryFileBeside(const fs::path &catalogue)
{
    return catalogue.parent_path() / kHistoryFile;
}

std::string LocalTimestamp(std::time_t when)
{
    std::tm local = {};
    localtime_r(&when, &local);
    const int offset = static_cast<int>(local.tm_gmtoff / 60);
    const int minutes = (offset < 0 ? -offset : offset) % (24 * 60);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return text;
}

std::string FormatHistoryLine(const PastPick &pick)
{
    std::string game = pick.Game;
    std::replace_if(
        game.begin(), game.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    std::string numbers;
    for (const long long number : pick.Numbers) {
        if (!numbers.empty())
            numbers += ' ';
        numbers += std::to_string(number);
    }
    return Quoted(pick.Time) + ',' + Quoted(game) + ',' + numbers + ',' +
           (pick.PowerBall ? std::to_string(*pick.PowerBall) : std::string());
}

std::optional<PastPick> ParseHistoryLine(std::string_view line)
{
    std::vector<std::string> values;
    if (!SplitValues(WithoutLineEnd(line), values) || values.size() != 4)
        return std::nullopt;
    PastPick pick;
    pick.Time = values[0];
    pick.Game = values[1];
    if (!IsTimestamp(pick.Time) || pick.Game.empty())
        return std::nullopt;
    std::string_view numbers = values[2];
    for (;;) {
        const std::size_t blank = std::min(numbers.find(' '), numbers.size());
        long long number = 0;
        if (!ReadInteger(numbers.substr(0, blank), number) || pick.Numbers.size() == kMostNumbers)
            return std::nullopt;
        pick.Numbers.push_back(number);
        if (blank == numbers.size())
            break;
        numbers.remove_prefix(blank + 1);
    }
    if (!values[3].empty()) {
        long long powerBall = 0;
        if (!ReadInteger(values[3], powerBall))
            return std::nullopt;
        pick.PowerBall = powerBall;
    }
    return pick;
}

std::string FormatCopyLine(const PastPick &pick)
{
    std::string line = pick.Game + ':';
    for (const long long number : pick.Numbers)
        line += ' ' + std::to_string(number);
    if (pick.PowerBall)
        line += " + PB " + std::to_string(*pick.PowerBall);
    return line;
}

Status ReadHistory(const fs::path &file, std::vector<HistoryLine> &lines)
{
    std::string text;
    Status status = ReadWholeFile(file, text);
    lines.clear();
    if (!status)
        return status.Problem() == FileProblem::NotFound ? Status() : status;
    std::string_view rest = text;
    if (rest.starts_with(kByteOrderMark))
        rest.remove_prefix(kByteOrderMark.size());
    for (bool first = true; !rest.empty(); first = false) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = WithoutLineEnd(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (line.empty() || (first && line == kHistoryHeader))
            continue;
        lines.push_back({std::string(line), ParseHistoryLine(line)});
    }
    return {};
}

Status AppendPicks(const fs::path &file, const std::vector<PastPick> &picks)
{
    if (picks.empty())
        return {};
    std::string text;
    for (const PastPick &pick : picks)
        text.append(FormatHistoryLine(pick)).append(kLineEnd);
    FileLock lock;
    if (Status status = lock.Acquire(file); !status)
        return status;
    return AppendToFile(file, text, std::string(kHistoryHeader) + std::string(kLineEnd));
}

Status DeleteHistoryLines(const fs::path &file, const std::vector<std::string> &raws, std::size_t *removed)
{
    std::unordered_map<std::string_view, std::size_t> pending;
    for (const std::string &raw : raws)
        ++pending[raw];
    std::size_t gone = 0;
    Status status = UpdateUnderLock(file, [&](std::string &text, bool exists) {
        if (!exists)
            return Status::Failure(FileProblem::NotFound, file.string());
        std::string kept;
        kept.reserve(text.size());
        std::string_view rest = text;
        if (rest.starts_with(kByteOrderMark)) {
            kept += kByteOrderMark;
            rest.remove_prefix(kByteOrderMark.size());
        }
        for (bool first = true; !rest.empty(); first = false) {
            const std::size_t end = std::min(rest.find('\n'), rest.size());
            const std::string_view whole = rest.substr(0, std::min(end + 1, rest.size()));
            rest.remove_prefix(whole.size());
            const std::string_view line = WithoutLineEnd(whole.substr(0, end));
            const auto it = pending.find(line);
            if (it != pending.end() && it->second > 0 && !(first && line == kHistoryHeader)) {
                --it->second;
                ++gone;
                continue;
            }
            kept += whole;
        }
        text = std::move(kept);
        return Status();
    });
    if (removed)
        *removed = gone;
    return status.Problem() == FileProblem::NotFound && gone == 0 ? Status() : status;
}
