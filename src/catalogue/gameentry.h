// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogueloader.h"
#include "gamerecord.h"
#include "status.h"

#include <filesystem>
#include <optional>
#include <string>

// What the editor's add and change read from its boxes, as typed.
struct GameEntry
{
    std::string Name;
    std::string ChoicesText;
    std::string LowText;
    std::string HighText;
    bool PowerBall = false;
    std::string PowerLowText;
    std::string PowerHighText;
};

enum class EntryFocus
{
    MyGames,
    ChoiceNum,
    LowNum,
    PowerLow
};

// A broken entry rule: the message box to show and where the focus goes after it.
struct EntryProblem
{
    std::string Prompt;
    std::string Title;
    bool IsQuestion = false; // Yes/No box; a Yes lets the entry go on
    EntryFocus Focus = EntryFocus::MyGames;
};

// Applies the entry rules in order and returns the first one broken. The choices
// rule is a question: once the user has said Yes to it, call again with
// choicesConfirmed = true to apply the rules after it.
std::optional<EntryProblem> CheckGameEntry(const GameEntry &entry, bool isNew, bool choicesConfirmed = false);

// The record an entry stands for (Power Ball 0 and 0 when the flag is clear).
GameRecord RecordFromEntry(const GameEntry &entry);

// Line forms written to games.dat, without the CR LF.
std::string CompactLine(const GameEntry &entry);  // add: "Mini Lotto,5,1,39,0,0"
std::string SpacedLine(const GameRecord &record); // change, delete: "Mini Lotto, 5, 1, 39, 0, 0"

// The actions below apply their change to the file as it is on disk, under its
// lock (UpdateUnderLock), and keep every other game's bytes and a byte-order mark.

// Appends the entry's compact line (on a line of its own) and returns the new
// game's row, which is the file's old line count.
Status AppendGame(const GameEntry &entry, int &newRow, const std::filesystem::path &file = kCatalogueFile);

// Rewrites the file with every game of the entry's name replaced. changedRow gets
// the row of the last game replaced, or stays empty when no name matched.
Status SaveGameChanges(const GameEntry &entry, std::optional<int> &changedRow,
                       const std::filesystem::path &file = kCatalogueFile);

// Rewrites the file without `game`, looked for at `row` and else at its nearest
// identical line; fails with GameGone, writing nothing, when it is not there.
Status DeleteGame(const GameRecord &game, int row, const std::filesystem::path &file = kCatalogueFile);
