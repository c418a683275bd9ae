// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how long loading a large catalogue takes against plainly reading the
// same file line by line, how long saves and recording a run's picks take, and
// how fast the odds are computed.
#include "catalogueloader.h"
#include "gameentry.h"
#include "odds.h"
#include "pickhistory.h"
#include "safefile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string MakeCatalogue(int games)
{
    std::mt19937 engine(12345);
    std::string text;
    for (int i = 0; i < games; ++i) {
        const int low = 1 + static_cast<int>(engine() % 3);
        const int high = 30 + static_cast<int>(engine() % 60);
        const bool powerBall = engine() % 4 == 0;
        text += "Generated Lotto Game " + std::to_string(i);
        text += i % 2 ? ", " : ",";
        text += std::to_string(3 + engine() % 5) + ", " + std::to_string(low) + ", " + std::to_string(high);
        text += powerBall ? ", 1, " + std::to_string(20 + engine() % 40) : std::string(", 0, 0");
        text += "\r\n";
    }
    return text;
}

// One add and one change under the lock, fsync included, on catalogues of
// several sizes; the best of a few rounds of each.
void TimeSaves(const std::filesystem::path &dir)
{
    std::printf("saves under the lock, fsync included (target at most 5 ms for 1,000 games), best of 5:\n");
    for (const int games : {6, 1000, 100000}) {
        const std::filesystem::path file = dir / ("saves-" + std::to_string(games) + ".dat");
        if (!ReplaceFile(file, MakeCatalogue(games))) {
            std::fprintf(stderr, "could not write %s\n", file.c_str());
            std::exit(1);
        }
        double bestAdd = 1e9;
        double bestChange = 1e9;
        for (int round = 0; round < 5; ++round) {
            GameEntry entry{"Bench Lotto " + std::to_string(round), "6", "1", "49", false, "0", "0"};
            int row = 0;
            auto start = Clock::now();
            const bool added = AppendGame(entry, row, file).Ok();
            bestAdd = std::min(bestAdd, SecondsSince(start));
            entry.HighText = "50";
            std::optional<int> changed;
            start = Clock::now();
            const bool saved = SaveGameChanges(entry, changed, file).Ok();
            bestChange = std::min(bestChange, SecondsSince(start));
            if (!added || !saved || !changed) {
                std::fprintf(stderr, "save failed on %d games\n", games);
                std::exit(1);
            }
        }
        std::printf("  %6d games: add %8.2f ms, change %8.2f ms%s\n", games, bestAdd * 1e3, bestChange * 1e3,
                    games == 1000 ? (std::max(bestAdd, bestChange) <= 5e-3 ? "  (met)" : "  (MISSED)") : "");
    }
}

// Recording one run's picks into a history of 10,000 runs, fsync included, and
// reading that history back.
void TimeHistory(const std::filesystem::path &dir)
{
    const std::filesystem::path file = dir / kHistoryFile;
    std::vector<PastPick> runs;
    for (int i = 0; i < 10000; ++i)
        runs.push_back({LocalTimestamp(1700000000 + i * 3600), "Generated Lotto Game " + std::to_string(i % 7),
                        {1 + i % 40, 42, 43, 44, 45}, i % 2 ? std::optional<int>(1 + i % 26) : std::nullopt});
    if (!AppendPicks(file, runs)) {
        std::fprintf(stderr, "could not write %s\n", file.c_str());
        std::exit(1);
    }
    std::vector<double> times;
    for (int round = 0; round < 21; ++round) {
        const auto start = Clock::now();
        if (!AppendPicks(file, {runs[round]})) {
            std::fprintf(stderr, "recording failed\n");
            std::exit(1);
        }
        times.push_back(SecondsSince(start));
    }
    std::sort(times.begin(), times.end());
    std::vector<HistoryLine> lines;
    const auto start = Clock::now();
    const bool read = ReadHistory(file, lines).Ok();
    const double readTime = SecondsSince(start);
    std::printf("past picks, 10,000 runs in the file:\n");
    std::printf("  recording one run, lock and fsync included: median %.2f ms, worst %.2f ms of 21 (target 5 ms): %s\n",
                times[10] * 1e3, times.back() * 1e3, times[10] <= 5e-3 ? "met" : "MISSED");
    std::printf("  reading the history: %.2f ms (%zu lines%s)\n", readTime * 1e3, lines.size(), read ? "" : ", FAILED");
}

} // namespace

int main()
{
    constexpr int kGames = 100000;
    constexpr int kRounds = 15;
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("drawsmith-bench-" + std::to_string(Clock::now().time_since_epoch().count()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / "games.dat";
    if (!ReplaceFile(file, MakeCatalogue(kGames))) {
        std::fprintf(stderr, "could not write %s\n", file.c_str());
        return 1;
    }

    // Both read the same file, warm in the page cache, the same number of
    // times, in turns that swap which goes first; the best time of each counts.
    double bestLoad = 1e9;
    double bestFloor = 1e9;
    std::size_t sink = 0;
    const auto timeLoad = [&] {
        const auto start = Clock::now();
        GameCatalogue catalogue;
        const Status status = LoadCatalogue(catalogue, file);
        bestLoad = std::min(bestLoad, SecondsSince(start));
        if (!status || catalogue.GameCount != kGames) {
            std::fprintf(stderr, "load failed: %s\n", status.Message().c_str());
            std::exit(1);
        }
    };
    const auto timeFloor = [&] {
        const auto start = Clock::now();
        std::ifstream in(file, std::ios::binary);
        std::string line;
        std::size_t lines = 0;
        while (std::getline(in, line))
            lines += !line.empty();
        bestFloor = std::min(bestFloor, SecondsSince(start));
        sink += lines;
    };
    for (int round = 0; round < kRounds; ++round) {
        if (round % 2 == 0) {
            timeLoad();
            timeFloor();
        } else {
            timeFloor();
            timeLoad();
        }
    }
    TimeSaves(dir);
    TimeHistory(dir);
    std::filesystem::remove_all(dir);

    const double ratio = bestLoad / bestFloor;
    std::printf("catalogue of %d games, best of %d rounds\n", kGames, kRounds);
    std::printf("  LoadCatalogue (both passes): %8.2f ms\n", bestLoad * 1e3);
    std::printf("  std::getline floor:          %8.2f ms\n", bestFloor * 1e3);
    std::printf("  ratio %.2fx (target at most 3x): %s\n", ratio, ratio <= 3.0 ? "met" : "MISSED");

    std::size_t computed = 0;
    double total = 0;
    const auto start = Clock::now();
    for (int repeat = 0; repeat < 20; ++repeat)
        for (int n = 7; n <= 170; ++n)
            for (int choices = 1; choices <= 7; ++choices)
                if (const auto odds = ComputeOdds(n, 1, choices, false, 0, 0)) {
                    total += *odds;
                    ++computed;
                }
    const double seconds = SecondsSince(start);
    std::printf("ComputeOdds over 7..170 numbers and 1..7 choices: %.0f odds per second (%zu computed)\n",
                static_cast<double>(computed) / seconds, computed);
    return sink == 0 || total <= 0;
}
