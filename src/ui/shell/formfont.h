// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The windows' text face: captions and buttons were sized for a narrow 8 pt
// sans-serif, so narrow faces come first.
QFont FormFont(qreal points = 8);
