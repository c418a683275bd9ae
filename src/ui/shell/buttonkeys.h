// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Enter and Return press the focused push button in every window of the program,
// as Space does; no button answers them without the focus. Installed once for the
// whole application; later calls do nothing.
void LetEnterPressFocusedButton();
