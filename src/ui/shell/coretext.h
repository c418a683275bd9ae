// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

// The core speaks English and knows nothing of Qt: its messages (entry rules,
// file errors) are put into the user's language here, the fixed ones whole and
// the composed ones by their shape, with the parts they were made of kept.
// A text of no known shape comes back as it is.
QString CoreText(const std::string &text);
