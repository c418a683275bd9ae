// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-in until the history core lands; replaced at the merge.
#include "pickhistory.h"

#include "catalogueloader.h"
#include "safefile.h"

#include <algorithm>
#include <sstream>

namespace {
const std::string kHeader = "time,game,numbers,power_ball";

std::vector<std::string> Fields(const std::string &line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += '"', ++i;
            else if (c == '"')
                quoted = false;
            else
                fields.back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::string Quote(const std::string &field)
{
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string out = "\"";
    for (char c : field)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + '"';
}

std::string Line(const PastPick &pick)
{
    std::string numbers;
    for (int n : pick.Numbers)
        numbers += (numbers.empty() ? "" : " ") + std::to_string(n);
    return Quote(pick.Time) + ',' + Quote(pick.Game) + ',' + numbers + ',' +
           (pick.PowerBall ? std::to_string(*pick.PowerBall) : std::string());
}
} // namespace

std::filesystem::path HistoryFileBeside(const std::filesystem::path &catalogue)
{
    return catalogue.parent_path() / kHistoryFile;
}

std::string LocalTimestamp(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    std::string out = text;
    out.insert(out.size() - 2, ":");
    return out;
}

std::string FormatCopyLine(const PastPick &pick)
{
    std::string line = pick.Game + ':';
    for (int n : pick.Numbers)
        line += ' ' + std::to_string(n);
    if (pick.PowerBall)
        line += " + PB " + std::to_string(*pick.PowerBall);
    return line;
}

Status ReadHistory(const std::filesystem::path &file, std::vector<HistoryLine> &lines)
{
    lines.clear();
    std::string text;
    if (Status status = ReadWholeFile(file, text); !status)
        return status.Problem() == FileProblem::NotFound ? Status() : status;
    std::istringstream in(text);
    std::string raw;
    bool first = true;
    while (std::getline(in, raw)) {
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        if (std::exchange(first, false) && raw == kHeader)
            continue;
        HistoryLine line{raw, std::nullopt};
        const std::vector<std::string> fields = Fields(raw);
        if (fields.size() == 4 && !fields[0].empty()) {
            PastPick pick{fields[0], fields[1], {}, std::nullopt};
            std::istringstream numbers(fields[2]);
            int n = 0;
            while (numbers >> n)
                pick.Numbers.push_back(n);
            if (!fields[3].empty())
                pick.PowerBall = std::stoi(fields[3]);
            if (!pick.Numbers.empty())
                line.Pick = pick;
        }
        lines.push_back(std::move(line));
    }
    return {};
}

Status AppendPicks(const std::filesystem::path &file, const std::vector<PastPick> &picks)
{
    return UpdateUnderLock(file, [&](std::string &text, bool) {
        if (text.empty())
            text = kHeader + "\n";
        for (const PastPick &pick : picks)
            text += Line(pick) + "\n";
        return Status();
    });
}

Status DeleteHistoryLines(const std::filesystem::path &file, const std::vector<std::string> &raws)
{
    return UpdateUnderLock(file, [&](std::string &text, bool) {
        std::vector<std::string> left(raws);
        std::istringstream in(text);
        std::string out, raw;
        while (std::getline(in, raw)) {
            std::string bare = raw;
            if (!bare.empty() && bare.back() == '\r')
                bare.pop_back();
            if (auto it = std::find(left.begin(), left.end(), bare); it != left.end()) {
                left.erase(it);
                continue;
            }
            out += raw + "\n";
        }
        text = out;
        return Status();
    });
}
