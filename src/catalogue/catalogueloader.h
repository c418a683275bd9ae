// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamerecord.h"
#include "status.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline const std::filesystem::path kCatalogueFile = "games.dat";

// A UTF-8 byte-order mark: kept in the file, never part of the first name.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

// Under the file's lock, hands `change` the file's current text (empty and
// `exists` false when there is no file) and writes back what it leaves there,
// unless it fails. Every writer of the catalogue goes through here, so that two
// processes never lose each other's changes.
Status UpdateUnderLock(const std::filesystem::path &file,
                       const std::function<Status(std::string &text, bool exists)> &change);

// Writes the default catalogue over the file. An existing file with games is
// first kept as <file>.bak (or .bak.1, .bak.2, ... when that exists), whose
// name goes to `backup`. Refuses anything that is not a regular file.
Status WriteDefaultCatalogue(const std::filesystem::path &file = kCatalogueFile,
                             std::filesystem::path *backup = nullptr);

// The questions of the recovery dialog, answered by the window (or a test).
class RecoveryQuestions
{
public:
    virtual ~RecoveryQuestions() = default;
    virtual bool AskCreateNewFile() = 0; // "Create a New Data File?" - true for Yes
    virtual bool AskContinue() = 0;      // "Continue?" - true for Yes
    virtual void ReportWriteFailure(const Status &failure) = 0;
    virtual void ReportBackup(const std::filesystem::path &backup) = 0;
    // The file is no catalogue Drawsmith may replace (a folder, a device, far
    // too large, unreadable); the program ends after this.
    virtual void ReportUnusable(const Status &failure) = 0;
};

enum class RecoveryOutcome
{
    Retry,     // try the load again
    EndProgram // the user chose to end the program, or the file cannot be used
};

// Whether a load failure forbids writing the default catalogue over the file.
bool MustNotReplace(const Status &loadFailure);

RecoveryOutcome RecoverCatalogue(RecoveryQuestions &questions, const Status &loadFailure,
                                 const std::filesystem::path &file = kCatalogueFile);
