// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The program's icon. Kept as PNG renders so that showing it never loads the
// SVG and image-format plugins at start-up.
QIcon AppIcon();
