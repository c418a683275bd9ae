#include "catalogueloader.h"

#include "numbertext.h"
#include "safefile.h"
#include "valuereader.h"

#include <algorithm>
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

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string Quoted(std::string_view value)
{
    std::string text = "\"";
    text += value.substr(0, 40);
    if (value.size() > 40)
        text += "...";
    return text + "\"";
}

// The second pass: reads six values for each of `lineCount` rows and hands them
// to `sink(row, name, numbers)` with the numbers as read; a sink that refuses a
// row returns false after putting the reason into `rowProblem`.
template <typename Sink>
Status ReadRows(std::string_view text, std::size_t lineCount, const std::string &rowProblem, Sink &&sink)
{
    ValueReader reader(text);
    std::string_view name;
    std::string_view value;
    double numbers[5];
    const auto outOfValues = [&](std::size_t row) {
        return Status::Failure("Game " + std::to_string(row + 1) + " of " + std::to_string(lineCount) +
                               " is incomplete: the file ran out of values.");
    };
    for (std::size_t row = 0; row < lineCount; ++row) {
        if (!reader.Next(name))
            return outOfValues(row);
        for (int field = 0; field < 5; ++field) {
            if (reader.NextWhole(numbers[field]))
                continue;
            if (!reader.Next(value))
                return outOfValues(row);
            if (!ParseNumber(value, numbers[field]))
                return Status::Failure("Game " + std::to_string(row + 1) + ", value " +
                                       std::to_string(field + 2) + " " + Quoted(value) + " is not a number.");
        }
        if (!sink(row, name, numbers))
            return Status::Failure(rowProblem);
    }
    return {};
}

} // namespace

bool ValueReader::NextSpecial(std::string_view &value)
{
    for (;;) {
        while (m_cur != m_end && IsBlank(*m_cur))
            ++m_cur;
        if (m_cur == m_end) {
            // A comma at the very end still separates an empty value from the one before.
            if (!m_afterComma)
                return false;
            m_afterComma = false;
            value = {};
            return true;
        }
        if (!AtLineEnd())
            break;
        SkipLineEnd();
        if (m_afterComma) {
            m_afterComma = false;
            value = {};
            return true;
        }
        // An empty (or blank) line yields no value.
    }

    if (*m_cur == '"') {
        const char *const begin = m_cur + 1;
        const char *end = begin;
        while (end != m_end && *end != '"')
            ++end;
        value = std::string_view(begin, static_cast<std::size_t>(end - begin));
        // Whatever follows the closing quote up to the separator is dropped.
        m_cur = end == m_end ? end : end + 1;
        while (m_cur != m_end && !IsSeparator(*m_cur))
            ++m_cur;
    } else {
        // An unquoted value after skipped empty lines, or none at all (a comma
        // right here gives an empty value).
        const char *const begin = m_cur;
        m_cur = FindSeparator(m_cur, m_end);
        value = std::string_view(begin, static_cast<std::size_t>(m_cur - begin));
    }
    SkipSeparator();
    return true;
}

std::vector<std::string> ReadValues(std::string_view text)
{
    std::vector<std::string> values;
    ValueReader reader(text);
    std::string_view value;
    while (reader.Next(value))
        values.emplace_back(value);
    return values;
}

std::size_t CountLines(std::string_view text)
{
    const std::size_t size = text.size();
    if (size == 0)
        return 0;
    // Every LF ends a line, and so does every CR not followed by LF. Blocks of a
    // fixed length without branches let the compiler vectorise the count, which
    // matters for a catalogue of many thousand games.
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    const auto endsLine = [bytes](std::size_t i) {
        return static_cast<unsigned>((bytes[i] == '\n') | ((bytes[i] == '\r') & (bytes[i + 1] != '\n')));
    };
    constexpr std::size_t kBlock = 128;
    std::size_t lines = 0;
    std::size_t i = 0;
    for (; i + kBlock < size; i += kBlock) {
        unsigned block = 0;
        for (std::size_t k = 0; k < kBlock; ++k)
            block += endsLine(i + k);
        lines += block;
    }
    for (; i + 1 < size; ++i)
        lines += endsLine(i);
    // The last byte ends a line either way: as a line end, or as the end of a
    // last line that has none.
    return lines + 1;
}

bool ToPowerBallLow(double value, std::int16_t &result)
{
    // Nearly always already a whole number in range.
    if (value >= -32768 && value <= 32767 && value == static_cast<double>(static_cast<int>(value))) {
        result = static_cast<std::int16_t>(value);
        return true;
    }
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

Status ParseCatalogueLines(std::string_view text, std::vector<CatalogueLine> &lines)
{
    const std::size_t lineCount = CountLines(text);
    std::vector<CatalogueLine> read;
    read.reserve(lineCount);
    const std::string noProblem;
    Status status =
        ReadRows(text, lineCount, noProblem, [&](std::size_t, std::string_view name, const double *numbers) {
            CatalogueLine &line = read.emplace_back();
            line.Name = name;
            std::copy(numbers, numbers + 5, line.Numbers);
            return true;
        });
    if (status)
        lines = std::move(read);
    return status;
}

Status ParseCatalogue(std::string_view text, std::vector<GameRecord> &games)
{
    const std::size_t lineCount = CountLines(text);
    if (lineCount == 0)
        return Status::Failure("The file holds no games.");
    if (lineCount > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return Status::Failure("The file holds too many games.");

    std::vector<GameRecord> read;
    read.reserve(lineCount);
    std::string problem;
    Status status = ReadRows(
        text, lineCount, problem, [&](std::size_t row, std::string_view name, const double *numbers) {
            std::int16_t powerBallLow = 0;
            if (!ToPowerBallLow(numbers[3], powerBallLow)) {
                problem = "Game " + std::to_string(row + 1) + ", value 5 (" + FormatGeneral(numbers[3]) +
                          ") is not a whole number from -32768 to 32767.";
                return false;
            }
            read.push_back(
                GameRecord{std::string(name), numbers[0], numbers[1], numbers[2], powerBallLow, numbers[4]});
            return true;
        });
    if (status)
        games = std::move(read);
    return status;
}

Status LoadCatalogue(GameCatalogue &catalogue, const std::filesystem::path &file)
{
    std::string text;
    Status status = ReadWholeFile(file, text);
    if (!status)
        return status;
    std::vector<GameRecord> games;
    status = ParseCatalogue(text, games);
    if (!status)
        return Status::Failure(file.string() + ": " + status.Message());
    catalogue.GameCount = static_cast<std::int32_t>(games.size());
    catalogue.Games = std::move(games);
    return {};
}

Status WriteDefaultCatalogue(const std::filesystem::path &file)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(file, ec))
        return Status::Failure("Could not write \"" + file.string() + "\": it is a folder.");

    if (fs::exists(file, ec)) {
        std::string old;
        Status status = ReadWholeFile(file, old);
        if (!status)
            return status;
        // Keep the user's games; a file that already is the default needs no copy,
        // and copying it would replace an earlier backup of real games.
        if (!old.empty() && old != kDefaultCatalogue) {
            fs::path backup = file;
            backup += ".bak";
            status = ReplaceFile(backup, old);
            if (!status)
                return status;
        }
    }
    return ReplaceFile(file, std::string(kDefaultCatalogue));
}

RecoveryOutcome RecoverCatalogue(RecoveryQuestions &questions, const std::filesystem::path &file)
{
    if (!questions.AskCreateNewFile())
        return questions.AskContinue() ? RecoveryOutcome::Retry : RecoveryOutcome::EndProgram;

    const Status status = WriteDefaultCatalogue(file);
    if (!status)
        questions.ReportWriteFailure("The new data file could not be written.\n" + status.Message());
    return RecoveryOutcome::Retry;
}
