// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamerecord.h"
#include "status.h"

#include <QString>

#include <string>
#include <vector>

// A game's name as the user sees it: its bytes read as UTF-8 when they are
// valid UTF-8, else as Latin-1 (a catalogue from an older system).
QString FromCatalogueBytes(const std::string &bytes);

// The bytes for a name shown or typed in a window: those of the game shown
// under that text when there is one, so that a name read as Latin-1 is written
// back as it was; UTF-8 otherwise.
std::string ToCatalogueBytes(const QString &shown, const std::vector<GameRecord> &games);

// What went wrong with a file, in the user's words: the file, the problem and
// what to do about it.
QString FileFailureText(const Status &status);

// Why a game (at 0-based `row` of `file`) cannot be drawn: its range holds
// fewer whole numbers than the `numbers` boxes it shows.
QString CannotBeDrawnText(const QString &name, int row, const QString &file, int numbers, double low,
                          double high);
