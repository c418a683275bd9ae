// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandline.h"

// Carries out a terminal command and returns the exit status: 0 done, 1 the
// catalogue, the game or the output failed, 2 a usage error. Creates no GUI
// application, and a core one only when a text must be translated.
int RunCommandLine(const CommandLine &line, int &argc, char *argv[]);
