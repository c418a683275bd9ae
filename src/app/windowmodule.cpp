// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

// What the program calls once it knows the window is wanted.
extern "C" __attribute__((visibility("default"))) int DrawsmithRunWindow(int argc, char *argv[])
{
    return RunProgram(argc, argv);
}
