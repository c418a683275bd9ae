// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

// The whole program: application object, services, main window, event loop.
// beforeShow sees the main window after its load and before it is first shown
// (the start-up benchmark hooks its first paint there).
int RunProgram(int argc, char *argv[], const std::function<void(QWidget *)> &beforeShow = {});
