// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "program.h"
#include "terminal.h"

#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    // Decided before any application object exists: a terminal command never
    // touches the display, nor games.dat beyond reading it.
    const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (line.What != Command::Window)
        return RunCommandLine(line, argc, argv);
    return RunProgram(argc, argv);
}
