// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every process of the program gives the desktop once its application object
// exists: style, face, name, version, icon and desktop file, so that the browser's
// process looks, groups and reads as Drawsmith as the main window does.
void SetUpApplication();
