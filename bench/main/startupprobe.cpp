// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, ending at the main window's first paint.
#include "firstpaint.h"
#include "program.h"

#include <QWidget>

int main(int argc, char *argv[])
{
    return RunProgram(argc, argv, [](QWidget *window) { new FirstPaintExit(window); });
}
