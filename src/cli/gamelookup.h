// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamerecord.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// The row (0-based) a GAME argument names: a row number as --list shows it
// (from 1), else a name exactly as the file holds it, else the first name that
// differs only in the case of ASCII letters. Names are compared as bytes, so a
// Latin-1 name typed in a Latin-1 terminal matches.
std::optional<std::size_t> FindGame(const std::vector<GameRecord> &games, std::string_view wanted);

// Up to `most` rows whose names are nearest to `wanted` by edit distance,
// ignoring the case of ASCII letters; nearest first, then in file order.
std::vector<std::size_t> ClosestGames(const std::vector<GameRecord> &games, std::string_view wanted,
                                      std::size_t most = 3);
