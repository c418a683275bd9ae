// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandline.h"

#include <string>

// Carries out a terminal command and returns the exit status: 0 done, 1 the
// catalogue, the game or the output failed, 2 a usage error. Creates no GUI
// application, and a core one only when a text must be translated.
int RunCommandLine(const CommandLine &line, int &argc, char *argv[]);

// The window's module could not be loaded (a broken installation): says so, with
// the loader's `failure`, and returns the exit status.
int ReportNoWindow(const std::string &failure, int &argc, char *argv[]);
