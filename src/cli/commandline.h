// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// What the arguments ask for. Read before any application object exists, so
// that the terminal's commands never initialise a display.
enum class Command
{
    Window, // no option of Drawsmith's own: the window, as always
    Help,
    Version,
    List,
    Odds,
    Pick,
    Usage // a usage error; Problem and Culprit say which
};

enum class UsageProblem
{
    None,
    UnknownOption,
    MissingValue, // Culprit: the option
    BadCount,     // Culprit: the value
    TwoCommands,  // Culprit: the second command; Other: the first
    NoCommand,
    NeedsPick, // --count or --keep without --pick; Culprit: the option
    Repeated,  // Culprit: the option
    StrayArgument,
};

inline constexpr long kMostSets = 1000000;

struct CommandLine
{
    Command What = Command::Window;
    std::string Catalogue = "games.dat";
    std::string Game;
    long Count = 1;
    bool Keep = false;
    UsageProblem Problem = UsageProblem::None;
    std::string Culprit;
    std::string Other;
};

// Qt's own options (-platform, -style=...) alone leave the window's start as it
// was; any other option, in either form, makes the whole line a terminal command.
CommandLine ParseCommandLine(const std::vector<std::string> &arguments);
