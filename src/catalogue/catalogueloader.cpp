#include "catalogueloader.h"

#include "numbertext.h"
#include "safefile.h"
#include "valuereader.h"

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
// to `sink(row, name, numbers)` with the numbers as read.
template <typename Sink> Status ReadRows(std::string_view text, std::size_t lineCount, Sink &&sink)
{
    ValueReader reader(text);
    std::string_view values[6];
    double numbers[5];
    for (std::size_t row = 0; row < lineCount; ++row) {
        for (std::string_view &value : values)
            if (!reader.Next(value))
                return Status::Failure("Game " + std::to_string(row + 1) + " of " +
                                       std::to_string(lineCount) +
                                       " is incomplete: the file ran out of values.");
        for (int field = 0; field < 5; ++field)
            if (!ParseNumber(values[field + 1], numbers[field]))
                return Status::Failure("Game " + std::to_string(row + 1) + ", value " +
                                       std::to_string(field + 2) + " " + Quoted(values[field + 1]) +
                                       " is not a number.");
        Status status = sink(row, values[0], numbers);
        if (!status)
            return status;
    }
    return {};
}

} // namespace

bool ValueReader::Next(std::string_view &value)
{
    for (;;) {
        while (m_pos < m_text.size() && IsBlank(m_text[m_pos]))
            ++m_pos;
        if (m_pos == m_text.size()) {
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

    if (m_text[m_pos] == '"') {
        const std::size_t begin = m_pos + 1;
        std::size_t end = m_text.find('"', begin);
        if (end == std::string_view::npos)
            end = m_text.size();
        value = m_text.substr(begin, end - begin);
        // Whatever follows the closing quote up to the separator is dropped.
        m_pos = end < m_text.size() ? end + 1 : end;
        while (m_pos < m_text.size() && m_text[m_pos] != ',' && !AtLineEnd())
            ++m_pos;
    } else {
        const std::size_t begin = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != ',' && !AtLineEnd())
            ++m_pos;
        value = m_text.substr(begin, m_pos - begin);
    }
    SkipSeparator();
    return true;
}

void ValueReader::SkipLineEnd()
{
    if (m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n')
        m_pos += 2;
    else
        ++m_pos;
}

void ValueReader::SkipSeparator()
{
    m_afterComma = false;
    if (m_pos == m_text.size())
        return;
    if (m_text[m_pos] == ',') {
        ++m_pos;
        m_afterComma = true;
    } else {
        SkipLineEnd();
    }
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
    std::size_t lines = 0;
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        const char c = text[i];
        if (c == '\n') {
            ++lines;
        } else if (c == '\r') {
            ++lines;
            if (i + 1 < size && text[i + 1] == '\n')
                ++i;
        }
    }
    if (size > 0 && text.back() != '\n' && text.back() != '\r')
        ++lines;
    return lines;
}

bool ToPowerBallLow(double value, std::int16_t &result)
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

Status ParseCatalogueLines(std::string_view text, std::vector<CatalogueLine> &lines)
{
    const std::size_t lineCount = CountLines(text);
    std::vector<CatalogueLine> read(lineCount);
    Status status =
        ReadRows(text, lineCount, [&](std::size_t row, std::string_view name, const double *numbers) {
            CatalogueLine &line = read[row];
            line.Name = name;
            for (int field = 0; field < 5; ++field)
                line.Numbers[field] = numbers[field];
            return Status();
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

    std::vector<GameRecord> read(lineCount);
    Status status =
        ReadRows(text, lineCount, [&](std::size_t row, std::string_view name, const double *numbers) {
            GameRecord &game = read[row];
            if (!ToPowerBallLow(numbers[3], game.PowerBallLow))
                return Status::Failure("Game " + std::to_string(row + 1) + ", value 5 (" +
                                       FormatGeneral(numbers[3]) +
                                       ") is not a whole number from -32768 to 32767.");
            game.Name = name;
            game.Choices = numbers[0];
            game.LowNumber = numbers[1];
            game.HighNumber = numbers[2];
            game.PowerBallHigh = numbers[4];
            return Status();
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
