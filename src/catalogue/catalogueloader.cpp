// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogueloader.h"

#include "numbertext.h"
#include "safefile.h"
#include "valuereader.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <limits>
#include <system_error>

const std::string_view kDefaultCatalogue = "California Lotto, 6, 1, 51, 0, 0\r\n"
                                           "Floriday Lotto, 6, 1, 53, 0, 0\r\n"
                                           "Louisiana Lotto, 6, 1, 49, 0, 0\r\n"
                                           "Power Ball, 5, 1, 49, 1, 42\r\n"
                                           "Lotto Texas, 6, 1, 50, 0, 0\r\n"
                                           "New York Lotto,6,1,51,0,0\r\n";

namespace {

std::string Quoted(std::string_view value)
{
    std::string text = "\"";
    text += value.substr(0, 40);
    if (value.size() > 40)
        text += "...";
    return text + "\"";
}

enum class RowRead
{
    Read,
    OutOfValues,
    NotANumber
};

// Reads the six values of one row value by value, for rows that are not in
// the plain form NextPlainRow takes.
[[gnu::noinline]] RowRead ReadRowByValues(ValueReader &reader, std::size_t row, std::string_view &name,
                                          double *numbers, std::string &problem)
{
    if (!reader.Next(name))
        return RowRead::OutOfValues;
    std::string_view value;
    for (int field = 0; field < 5; ++field) {
        if (reader.NextWhole(numbers[field]))
            continue;
        if (!reader.Next(value))
            return RowRead::OutOfValues;
        if (!ParseNumber(value, numbers[field])) {
            problem = "Game " + std::to_string(row + 1) + ", value " + std::to_string(field + 2) + " " +
                      Quoted(value) + " is not a number.";
            return RowRead::NotANumber;
        }
    }
    return RowRead::Read;
}

// Both passes at once: reads rows of six values until the values run out and
// counts the lines on the way. Each row goes to `sink(row, name, numbers,
// problem)`, which stores it or refuses it with the reason in `problem`. Only
// the first `lineCount` rows make the catalogue; the caller drops any rows
// after them (a line of more than six values leaves some), and a problem in
// such a row does not count.
template <typename Sink> Status ReadRows(std::string_view text, std::size_t &lineCount, Sink &&sink)
{
    ValueReader reader(text);
    std::string_view name;
    double numbers[5];
    std::string problem;
    for (std::size_t row = 0;; ++row) {
        bool read = reader.NextPlainRow(name, numbers);
        if (!read) {
            const RowRead result = ReadRowByValues(reader, row, name, numbers, problem);
            if (result == RowRead::OutOfValues) {
                lineCount = reader.Lines();
                if (row >= lineCount)
                    return {};
                return Status::Failure("Game " + std::to_string(row + 1) + " of " +
                                       std::to_string(lineCount) +
                                       " is incomplete: the file ran out of values.");
            }
            read = result == RowRead::Read;
        }
        if (read && sink(row, name, numbers, problem))
            continue;
        lineCount = CountLines(text);
        return row < lineCount ? Status::Failure(problem) : Status();
    }
}

// A guess at the number of rows, a little high, from the lines of the first
// 64 KiB, so that the table is hardly ever moved while it fills. A row takes at
// least ten bytes.
std::size_t EstimateRows(std::string_view text)
{
    const std::size_t sample = std::min<std::size_t>(text.size(), 1 << 16);
    if (sample == 0)
        return 0;
    const double lines = static_cast<double>(CountLines(text.substr(0, sample)));
    const double guess = lines * 1.0625 * static_cast<double>(text.size()) / static_cast<double>(sample) + 16;
    return std::min(static_cast<std::size_t>(guess), text.size() / 10 + 1);
}

// Reads the rows into `table` through `store(table, row, name, numbers,
// problem)`, keeping only the rows the file's lines make; `table` stays as it
// was when the read fails.
template <typename Row, typename Store>
Status ReadTable(std::string_view text, std::vector<Row> &table, Store &&store)
{
    std::vector<Row> read;
    read.reserve(EstimateRows(text));
    std::size_t lineCount = 0;
    const Status status =
        ReadRows(text, lineCount,
                 [&](std::size_t row, std::string_view name, const double *numbers, std::string &problem) {
                     return store(read, row, name, numbers, problem);
                 });
    if (!status)
        return status;
    read.resize(std::min(read.size(), lineCount));
    table = std::move(read);
    return {};
}

} // namespace

bool RoundToPowerBallLow(double value, std::int16_t &result)
{
    if (!std::isfinite(value))
        return false;
    double rounded = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        rounded = 2.0 * std::round(value / 2.0);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        return false;
    result = static_cast<std::int16_t>(rounded);
    return true;
}

std::string_view WithoutByteOrderMark(std::string_view text)
{
    return text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size()) : text;
}

Status ParseCatalogueLines(std::string_view text, std::vector<CatalogueLine> &lines)
{
    return ReadTable(WithoutByteOrderMark(text), lines,
                     [](std::vector<CatalogueLine> &read, std::size_t, std::string_view name,
                        const double *numbers, std::string &) {
                         CatalogueLine &line = read.emplace_back();
                         line.Name = name;
                         std::copy(numbers, numbers + 5, line.Numbers);
                         return true;
                     });
}

Status ParseCatalogue(std::string_view text, std::vector<GameRecord> &games)
{
    text = WithoutByteOrderMark(text);
    if (text.empty())
        return Status::Failure("The file holds no games.");
    constexpr auto kMostGames = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    if (text.size() > kMostGames && CountLines(text) > kMostGames)
        return Status::Failure("The file holds too many games.");

    return ReadTable(text, games,
                     [](std::vector<GameRecord> &read, std::size_t row, std::string_view name,
                        const double *numbers, std::string &problem) {
                         std::int16_t powerBallLow = 0;
                         if (!ToPowerBallLow(numbers[3], powerBallLow)) {
                             problem = "Game " + std::to_string(row + 1) + ", value 5 (" +
                                       FormatGeneral(numbers[3]) +
                                       ") is not a whole number from -32768 to 32767.";
                             return false;
                         }
                         read.push_back(GameRecord{std::string(name), numbers[0], numbers[1], numbers[2],
                                                   powerBallLow, numbers[4]});
                         return true;
                     });
}

Status LoadCatalogue(GameCatalogue &catalogue, const std::filesystem::path &file)
{
    std::unique_ptr<char[]> text;
    std::size_t size = 0;
    Status status = ReadWholeFile(file, text, size);
    if (!status)
        return status;
    std::vector<GameRecord> games;
    status = ParseCatalogue(std::string_view(text.get(), size), games);
    if (!status)
        return status.WithFile(file.string());
    catalogue.GameCount = static_cast<std::int32_t>(games.size());
    catalogue.Games = std::move(games);
    return {};
}

Status UpdateUnderLock(const std::filesystem::path &file,
                       const std::function<Status(std::string &text, bool exists)> &change)
{
    FileLock lock;
    if (Status status = lock.Acquire(file); !status)
        return status;
    // Nobody else writes now, so a temporary still there is a killed save's.
    RemoveStaleTemporaries(file);
    std::string text;
    Status status = ReadWholeFile(file, text);
    const bool exists = status || status.Problem() != FileProblem::NotFound || file != RealTarget(file);
    if (!status && exists)
        return status;
    status = change(text, exists);
    if (!status)
        return status.WithFile(file.string());
    return ReplaceFile(file, text);
}

namespace {

// The first free name of games.dat.bak, games.dat.bak.1, games.dat.bak.2, ...
// beside the real file; an earlier backup is never replaced.
Status WriteBackup(const std::filesystem::path &file, const std::string &old,
                   std::filesystem::path &backup)
{
    const std::filesystem::path target = RealTarget(file);
    const unsigned mode = FileMode(target);
    for (int number = 0; number < 10000; ++number) {
        backup = target;
        backup += number == 0 ? std::string(".bak") : ".bak." + std::to_string(number);
        Status status = CreateNewFile(backup, old, mode);
        if (status || status.Error() != EEXIST)
            return status;
    }
    return Status::Failure(FileProblem::WriteFailed, backup.string(), EEXIST);
}

} // namespace

Status WriteDefaultCatalogue(const std::filesystem::path &file, std::filesystem::path *backup)
{
    // Checked first, so that a file that cannot be replaced gets no backup either.
    if (Status status = CheckReplaceable(file); !status)
        return status;
    return UpdateUnderLock(file, [&](std::string &text, bool) {
        // Keep the user's games; a file that already is the default needs no copy.
        if (!text.empty() && text != kDefaultCatalogue) {
            std::filesystem::path written;
            if (Status status = WriteBackup(file, text, written); !status)
                return status;
            if (backup)
                *backup = written;
        }
        text = kDefaultCatalogue;
        return Status();
    });
}

bool MustNotReplace(const Status &loadFailure)
{
    switch (loadFailure.Problem()) {
    case FileProblem::NotRegular:
    case FileProblem::TooLarge:
    case FileProblem::DanglingLink:
    case FileProblem::NoAccess:
        return true;
    default:
        return false;
    }
}

RecoveryOutcome RecoverCatalogue(RecoveryQuestions &questions, const Status &loadFailure,
                                 const std::filesystem::path &file)
{
    if (MustNotReplace(loadFailure)) {
        questions.ReportUnusable(loadFailure);
        return RecoveryOutcome::EndProgram;
    }
    if (!questions.AskCreateNewFile())
        return questions.AskContinue() ? RecoveryOutcome::Retry : RecoveryOutcome::EndProgram;

    std::filesystem::path backup;
    const Status status = WriteDefaultCatalogue(file, &backup);
    if (!status)
        questions.ReportWriteFailure(status);
    else if (!backup.empty())
        questions.ReportBackup(backup);
    return RecoveryOutcome::Retry;
}
