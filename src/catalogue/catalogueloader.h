#pragma once

#include "gamerecord.h"
#include "status.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline const std::filesystem::path kCatalogueFile = "games.dat";

// The six default games, each line ending in CR LF.
extern const std::string_view kDefaultCatalogue;

// Splits catalogue text into its values by the reading rules: blanks before a
// value skipped, a quoted value runs to the next quote and may hold commas, a
// line end separates values like a comma.
std::vector<std::string> ReadValues(std::string_view text);

// Counts lines the way the first pass does: a last line without a line end counts.
std::size_t CountLines(std::string_view text);

// One games.dat line as read: the name and the five numbers, field 5 not yet
// made a 16-bit integer (the editor writes lines back with their numbers as read).
struct CatalogueLine
{
    std::string Name;
    double Numbers[5] = {};
};

// Reads catalogue text as the two passes do (as many rows as it has lines), in
// one pass over it, without converting field 5. An empty text gives no lines;
// running out of values or a word where a number is due fails.
Status ParseCatalogueLines(std::string_view text, std::vector<CatalogueLine> &lines);

// Field 5 as the load stores it: rounded half to even; false for a value
// outside -32768..32767. The usual whole number in range is taken inline.
bool RoundToPowerBallLow(double value, std::int16_t &result);
inline bool ToPowerBallLow(double value, std::int16_t &result)
{
    // Nearly always already a whole number in range.
    if (value >= -32768 && value <= 32767 && value == static_cast<double>(static_cast<int>(value))) {
        result = static_cast<std::int16_t>(value);
        return true;
    }
    return RoundToPowerBallLow(value, result);
}

// Reads catalogue text as the two passes do, in one pass over it. Fails (with
// the reason) on an empty text, on running out of values, and on a value that
// is not a number where one is due.
Status ParseCatalogue(std::string_view text, std::vector<GameRecord> &games);

// Fills Games and GameCount from the file; leaves CurrentGame alone. On failure
// the catalogue is left as it was.
Status LoadCatalogue(GameCatalogue &catalogue, const std::filesystem::path &file = kCatalogueFile);

// Writes the default catalogue over the file. An existing non-empty file is first
// kept as <file>.bak, so games typed by the user are never lost.
Status WriteDefaultCatalogue(const std::filesystem::path &file = kCatalogueFile);

// The questions of the recovery dialog, answered by the window (or a test).
class RecoveryQuestions
{
public:
    virtual ~RecoveryQuestions() = default;
    virtual bool AskCreateNewFile() = 0; // "Create a New Data File?" - true for Yes
    virtual bool AskContinue() = 0;      // "Continue?" - true for Yes
    virtual void ReportWriteFailure(const std::string &message) = 0;
};

enum class RecoveryOutcome
{
    Retry,     // try the load again
    EndProgram // the user chose to end the program
};

RecoveryOutcome RecoverCatalogue(RecoveryQuestions &questions,
                                 const std::filesystem::path &file = kCatalogueFile);
