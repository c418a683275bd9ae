// SPDX-License-Identifier: GPL-3.0-or-later
// One of two processes saving the same catalogue at once: round k adds
// "<tag> k", changes it, and on odd rounds deletes "<tag> k-1". Prints the saves
// made and every failure; the test checks what the file holds afterwards.
#include "catalogueloader.h"
#include "gameentry.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char *argv[])
{
    if (argc != 4)
        return 2;
    std::signal(SIGXFSZ, SIG_IGN);
    const std::filesystem::path file = argv[1];
    const std::string tag = argv[2];
    const int rounds = std::atoi(argv[3]);
    int saves = 0;
    int failures = 0;
    const auto count = [&](const Status &status, const char *what) {
        ++saves;
        if (!status) {
            ++failures;
            std::fprintf(stderr, "%s %s failed: problem %d, error %d\n", tag.c_str(), what,
                         int(status.Problem()), status.Error());
        }
    };
    for (int k = 0; k < rounds; ++k) {
        GameEntry entry{tag + " " + std::to_string(k), "6", "1", "49", false, "0", "0"};
        int row = 0;
        count(AppendGame(entry, row, file), "add");
        entry.HighText = "60";
        std::optional<int> changed;
        count(SaveGameChanges(entry, changed, file), "change");
        if (k % 2 == 1) {
            GameCatalogue catalogue;
            const std::string old = tag + " " + std::to_string(k - 1);
            const Status loaded = LoadCatalogue(catalogue, file);
            int found = -1;
            for (int i = 0; loaded && i < catalogue.GameCount; ++i)
                if (catalogue.Games[std::size_t(i)].Name == old)
                    found = i;
            if (found < 0) {
                ++failures;
                std::fprintf(stderr, "%s: %s missing before its delete\n", tag.c_str(), old.c_str());
                continue;
            }
            count(DeleteGame(catalogue.Games[std::size_t(found)], found, file), "delete");
        }
    }
    std::printf("%d %d\n", saves, failures);
    return 0;
}
