// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogueloader.h"
#include "gameentry.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// Any bytes: parsing never crashes; a parsed catalogue whose names hold no
// quote, line break or leading blank, written back line by line in the spaced
// form, reads back as the same games.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    (void)ReadValues(text);

    std::vector<GameRecord> games;
    if (!ParseCatalogue(text, games))
        return 0;
    if (games.size() != CountLines(text))
        std::abort();

    std::string written;
    for (const GameRecord &game : games) {
        const std::string &name = game.Name;
        if (name.find_first_of("\"\r\n") != std::string::npos ||
            (!name.empty() && (name[0] == ' ' || name[0] == '\t')))
            return 0;
        written += SpacedLine(game);
        written += "\r\n";
    }
    std::vector<GameRecord> reread;
    if (!ParseCatalogue(written, reread))
        std::abort();
    // Numbers go through the 15-digit general format, so compare them by that.
    if (reread.size() != games.size())
        std::abort();
    for (std::size_t i = 0; i < games.size(); ++i)
        if (SpacedLine(reread[i]) != SpacedLine(games[i]) || reread[i].Name != games[i].Name ||
            reread[i].PowerBallLow != games[i].PowerBallLow)
            std::abort();
    return 0;
}
