// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameentry.h"

#include "numbertext.h"
#include "safefile.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <system_error>

namespace {

// A Power Ball box holds a number typed through its spin buttons; anything else
// is read by its leading number rather than refused.
double PowerBoxNumber(const std::string &text)
{
    double value = 0;
    if (ParseNumber(text, value))
        return value;
    return LeadingNumber(text);
}

// A line break in a name would split its game over two lines and shift every
// game after it.
std::string NameForLine(const std::string &name)
{
    std::string text = name;
    for (char &c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

void AppendSpacedNumber(std::string &line, double value)
{
    line += value < 0 ? "," : ", ";
    line += FormatPlain(value);
}

std::string SpacedLineOf(const std::string &name, const double (&numbers)[5])
{
    std::string line = NameForLine(name);
    // Only a name typed into the file by hand can hold a comma; quoted, it reads
    // back as one name.
    if (line.find(',') != std::string::npos)
        line = "\"" + line + "\"";
    for (double number : numbers)
        AppendSpacedNumber(line, number);
    return line;
}

EntryProblem Problem(std::string prompt, std::string title, EntryFocus focus, bool question = false)
{
    EntryProblem problem;
    problem.Prompt = std::move(prompt);
    problem.Title = std::move(title);
    problem.IsQuestion = question;
    problem.Focus = focus;
    return problem;
}

} // namespace

std::optional<EntryProblem> CheckGameEntry(const GameEntry &entry, bool isNew, bool choicesConfirmed)
{
    if (isNew && entry.Name == "Untitled Game")
        return Problem("Give Your New Game a New Name!", "Game Name Error", EntryFocus::MyGames);
    if (entry.Name.find_first_of(",\"") != std::string::npos)
        return Problem("A Game Name Cannot Contain a Comma or a Double Quote!", "Game Name Error",
                       EntryFocus::MyGames);

    const double choices = LeadingNumber(entry.ChoicesText);
    const double low = LeadingNumber(entry.LowText);
    const double high = LeadingNumber(entry.HighText);
    if (!choicesConfirmed && choices < 3)
        return Problem("Are You Sure About the Number of Choices", "Warning", EntryFocus::ChoiceNum, true);
    if (high <= low + choices + 1)
        return Problem("(Lowest Number + Number of Choices + 1) Must be Less Than Highest Number!",
                       "Number Range Error", EntryFocus::LowNum);
    if (entry.PowerBall && PowerBoxNumber(entry.PowerHighText) <= PowerBoxNumber(entry.PowerLowText) + 1)
        return Problem("(Lowest Power Ball Number + 1) Must be Less Than Highest Power Ball Number!",
                       "Power Ball Number Range Error", EntryFocus::PowerLow);
    return std::nullopt;
}

GameRecord RecordFromEntry(const GameEntry &entry)
{
    GameRecord record;
    record.Name = entry.Name;
    record.Choices = LeadingNumber(entry.ChoicesText);
    record.LowNumber = LeadingNumber(entry.LowText);
    record.HighNumber = LeadingNumber(entry.HighText);
    if (entry.PowerBall) {
        const double powerLow = PowerBoxNumber(entry.PowerLowText);
        if (!ToPowerBallLow(powerLow, record.PowerBallLow))
            record.PowerBallLow = powerLow < 0 ? std::numeric_limits<std::int16_t>::min()
                                               : std::numeric_limits<std::int16_t>::max();
        record.PowerBallHigh = PowerBoxNumber(entry.PowerHighText);
    }
    return record;
}

std::string CompactLine(const GameEntry &entry)
{
    // Numbers are written as their leading number, so a typed "6x" cannot make
    // the file unreadable; for what the spin boxes produce this is the trimmed text.
    std::string line = NameForLine(entry.Name);
    for (const std::string *text : {&entry.ChoicesText, &entry.LowText, &entry.HighText}) {
        line += ',';
        line += FormatPlain(LeadingNumber(*text));
    }
    if (entry.PowerBall) {
        line += ',' + FormatPlain(PowerBoxNumber(entry.PowerLowText));
        line += ',' + FormatPlain(PowerBoxNumber(entry.PowerHighText));
    } else {
        line += ",0,0";
    }
    return line;
}

std::string SpacedLine(const GameRecord &record)
{
    const double numbers[5] = {record.Choices, record.LowNumber, record.HighNumber,
                               static_cast<double>(record.PowerBallLow), record.PowerBallHigh};
    return SpacedLineOf(record.Name, numbers);
}

Status AppendGame(const GameEntry &entry, int &newRow, const std::filesystem::path &file)
{
    std::size_t lines = 0;
    const Status status = UpdateUnderLock(file, [&](std::string &text, bool) {
        // A byte-order mark alone holds no line of a game.
        lines = text == kByteOrderMark ? 0 : CountLines(text);
        if (lines >= static_cast<std::size_t>(std::numeric_limits<int>::max()))
            return Status::Failure(FileProblem::TooManyGames, file.string());
        // A last line without a line end (typed by hand) must not be joined to ours.
        if (!text.empty() && text.back() != '\n' && text.back() != '\r' && text != kByteOrderMark)
            text += "\r\n";
        text += CompactLine(entry);
        text += "\r\n";
        return Status();
    });
    if (status)
        newRow = static_cast<int>(lines);
    return status;
}

namespace {

// Reads the file's current lines for a rewrite; `mark` gets its byte-order mark, if any.
Status ReadLinesForRewrite(const std::string &text, bool exists, std::vector<CatalogueLine> &lines,
                           std::string &mark)
{
    if (!exists)
        return Status::Failure(FileProblem::NotFound, {});
    if (Status status = ParseCatalogueLines(text, lines); !status)
        return status;
    if (lines.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return Status::Failure(FileProblem::TooManyGames, {});
    mark = text.starts_with(kByteOrderMark) ? std::string(kByteOrderMark) : std::string();
    return {};
}

bool SameGame(const CatalogueLine &line, const GameRecord &game)
{
    std::int16_t powerBallLow = 0;
    return line.Name == game.Name && line.Numbers[0] == game.Choices && line.Numbers[1] == game.LowNumber &&
           line.Numbers[2] == game.HighNumber && ToPowerBallLow(line.Numbers[3], powerBallLow) &&
           powerBallLow == game.PowerBallLow && line.Numbers[4] == game.PowerBallHigh;
}

} // namespace

Status SaveGameChanges(const GameEntry &entry, std::optional<int> &changedRow,
                       const std::filesystem::path &file)
{
    std::optional<int> lastChanged;
    const Status status = UpdateUnderLock(file, [&](std::string &text, bool exists) {
        std::vector<CatalogueLine> lines;
        std::string out;
        if (Status read = ReadLinesForRewrite(text, exists, lines, out); !read)
            return read;
        const GameRecord record = RecordFromEntry(entry);
        const double powerLow = entry.PowerBall ? PowerBoxNumber(entry.PowerLowText) : 0.0;
        for (std::size_t row = 0; row < lines.size(); ++row) {
            CatalogueLine &line = lines[row];
            if (line.Name == entry.Name) {
                // Field 5 keeps the box's number unconverted, like every other value here.
                const double numbers[5] = {record.Choices, record.LowNumber, record.HighNumber, powerLow,
                                           record.PowerBallHigh};
                std::copy(std::begin(numbers), std::end(numbers), line.Numbers);
                lastChanged = static_cast<int>(row);
            }
            out += SpacedLineOf(line.Name, line.Numbers);
            out += "\r\n";
        }
        text = std::move(out);
        return Status();
    });
    if (status)
        changedRow = lastChanged;
    return status;
}

Status DeleteGame(const GameRecord &game, int row, const std::filesystem::path &file)
{
    return UpdateUnderLock(file, [&](std::string &text, bool exists) {
        std::vector<CatalogueLine> lines;
        std::string out;
        if (Status read = ReadLinesForRewrite(text, exists, lines, out); !read)
            return read;
        // The game as the editor showed it: at its row, or, when another process
        // has moved it since, its nearest identical line.
        std::optional<std::size_t> found;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const auto distance = [row](std::size_t at) { return std::abs(static_cast<long long>(at) - row); };
            if (SameGame(lines[i], game) && (!found || distance(i) < distance(*found)))
                found = i;
        }
        if (!found)
            return Status::Failure(FileProblem::GameGone, {}, 0, game.Name);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i == *found)
                continue;
            out += SpacedLineOf(lines[i].Name, lines[i].Numbers);
            out += "\r\n";
        }
        // The last game gone leaves an empty file, mark and all.
        text = lines.size() == 1 ? std::string() : std::move(out);
        return Status();
    });
}
