// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace {
// Qt's start-up options, without their dashes, each between blanks: those that
// take a value, then flags.
constexpr std::string_view kQtValued =
    " platform platformpluginpath platformtheme plugin qwindowgeometry geometry "
    "qwindowicon icon qwindowtitle title session display name style stylesheet ";
constexpr std::string_view kQtFlags = " reverse nograb dograb sync widgetcount testability qmljsdebugger ";

bool Contains(std::string_view list, std::string_view word)
{
    return !word.empty() && list.find(' ' + std::string(word) + ' ') != std::string_view::npos;
}

// The option's name without its dashes and any "=value".
std::string_view QtName(std::string_view argument)
{
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    return argument.substr(0, argument.find('='));
}

// Whether the arguments hold anything but Qt's own options and their values
// (and bare words, which the window has always ignored).
bool OnlyQtOptions(const std::vector<std::string> &arguments)
{
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument.size() < 2 || argument[0] != '-')
            continue;
        const std::string_view name = QtName(argument);
        if (Contains(kQtValued, name)) {
            if (argument.find('=') == std::string_view::npos)
                ++i;
        } else if (!Contains(kQtFlags, name)) {
            return false;
        }
    }
    return true;
}

bool ParseCount(std::string_view text, long &count)
{
    if (text.empty() || text.size() > 7 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    count = 0;
    for (const char c : text)
        count = count * 10 + (c - '0');
    return count >= 1 && count <= kMostSets;
}

CommandLine Usage(UsageProblem problem, std::string culprit, std::string other = {})
{
    CommandLine line;
    line.What = Command::Usage;
    line.Problem = problem;
    line.Culprit = std::move(culprit);
    line.Other = std::move(other);
    return line;
}
} // namespace

CommandLine ParseCommandLine(const std::vector<std::string> &arguments)
{
    CommandLine line;
    if (OnlyQtOptions(arguments))
        return line;
    // Asking for help or the version is never an error, whatever else is there.
    for (const std::string &argument : arguments)
        if (argument == "--help" || argument == "-h") {
            line.What = Command::Help;
            return line;
        }
    for (const std::string &argument : arguments)
        if (argument == "--version") {
            line.What = Command::Version;
            return line;
        }

    std::string command, count;
    std::vector<std::string> seen;
    line.What = Command::Usage;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string option = arguments[i];
        if (option.size() < 2 || option[0] != '-')
            return Usage(UsageProblem::StrayArgument, option);
        std::optional<std::string> value;
        if (const std::size_t equals = option.find('=');
            option.starts_with("--") && equals != std::string::npos) {
            value = option.substr(equals + 1);
            option.resize(equals);
        }
        const bool valued =
            option == "--catalogue" || option == "--odds" || option == "--pick" || option == "--count";
        if (!valued && option != "--list" && option != "--keep")
            return Usage(UsageProblem::UnknownOption, arguments[i]);
        if (!valued && value)
            return Usage(UsageProblem::UnknownOption, arguments[i]);
        if (std::find(seen.begin(), seen.end(), option) != seen.end())
            return Usage(UsageProblem::Repeated, option);
        seen.push_back(option);
        if (valued && !value) {
            // A following option is a forgotten value, not a game or file called "--list".
            if (i + 1 == arguments.size() || arguments[i + 1].starts_with("--"))
                return Usage(UsageProblem::MissingValue, option);
            value = arguments[++i];
        }
        if (valued && value->empty())
            return Usage(UsageProblem::MissingValue, option);

        if (option == "--list" || option == "--odds" || option == "--pick") {
            if (!command.empty())
                return Usage(UsageProblem::TwoCommands, option, command);
            command = option;
            if (value)
                line.Game = *value;
        } else if (option == "--catalogue") {
            line.Catalogue = *value;
        } else if (option == "--count") {
            count = *value;
        } else {
            line.Keep = true;
        }
    }
    if (command.empty())
        return Usage(UsageProblem::NoCommand, {});
    for (const char *pickOnly : {"--count", "--keep"})
        if (command != "--pick" && std::find(seen.begin(), seen.end(), pickOnly) != seen.end())
            return Usage(UsageProblem::NeedsPick, pickOnly);
    if (!count.empty() && !ParseCount(count, line.Count))
        return Usage(UsageProblem::BadCount, count);
    line.What = command == "--list" ? Command::List : command == "--odds" ? Command::Odds : Command::Pick;
    return line;
}
