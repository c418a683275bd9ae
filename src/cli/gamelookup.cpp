// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamelookup.h"

#include <algorithm>
#include <numeric>

namespace {
char Folded(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Folded(x) == Folded(y); });
}

std::size_t EditDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            const std::size_t change = diagonal + (Folded(a[i - 1]) == Folded(b[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, change});
            diagonal = above;
        }
    }
    return row[b.size()];
}
} // namespace

std::optional<std::size_t> FindGame(const std::vector<GameRecord> &games, std::string_view wanted)
{
    if (!wanted.empty() && wanted.size() <= 10 &&
        std::all_of(wanted.begin(), wanted.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const std::size_t row = std::stoull(std::string(wanted));
        if (row >= 1 && row <= games.size())
            return row - 1;
    }
    for (std::size_t row = 0; row < games.size(); ++row)
        if (games[row].Name == wanted)
            return row;
    for (std::size_t row = 0; row < games.size(); ++row)
        if (SameIgnoringCase(games[row].Name, wanted))
            return row;
    return std::nullopt;
}

std::vector<std::size_t> ClosestGames(const std::vector<GameRecord> &games, std::string_view wanted,
                                      std::size_t most)
{
    std::vector<std::pair<std::size_t, std::size_t>> ranked; // distance, row
    ranked.reserve(games.size());
    for (std::size_t row = 0; row < games.size(); ++row)
        ranked.emplace_back(EditDistance(wanted, games[row].Name), row);
    const std::size_t kept = std::min(most, ranked.size());
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(kept), ranked.end());
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < kept; ++i)
        rows.push_back(ranked[i].second);
    return rows;
}
