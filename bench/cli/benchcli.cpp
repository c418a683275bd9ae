// SPDX-License-Identifier: GPL-3.0-or-later
// `drawsmith --pick 1` against the time the bare Qt program takes to show its
// window, alternately, in a folder holding the default catalogue; and
// `drawsmith --pick 4 --count 1000000 > /dev/null`. The figures are medians.
//   bench_cli [runs]   (QT_QPA_PLATFORM defaults to offscreen, for the bare program)
#include "catalogueloader.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

extern char **environ;

namespace {
// Milliseconds from start to end of one run with its output to /dev/null; < 0 when it failed.
double Timed(std::vector<const char *> argv)
{
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int status = -1;
    const bool ok =
        posix_spawn(&pid, argv[0], &actions, nullptr, const_cast<char *const *>(argv.data()), environ) == 0 &&
        waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    return ok ? std::chrono::duration<double, std::milli>(end - start).count() : -1;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    char folder[] = "/tmp/drawsmith-cli-XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0 || !WriteDefaultCatalogue()) {
        std::fprintf(stderr, "cannot prepare %s\n", folder);
        return 1;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    const std::vector<const char *> commands[2] = {{DRAWSMITH_PROGRAM, "--pick", "1"}, {BARE_PROBE}};
    std::vector<double> times[2];
    for (int run = -1; run < runs; ++run) { // run -1 warms the file cache
        for (int command = 0; command < 2; ++command) {
            const double ms = Timed(commands[command]);
            if (ms < 0) {
                std::fprintf(stderr, "%s failed\n", commands[command][0]);
                return 1;
            }
            if (run >= 0)
                times[command].push_back(ms);
        }
    }
    std::vector<double> million;
    for (int run = 0; run < std::max(3, runs / 2); ++run)
        million.push_back(Timed({DRAWSMITH_PROGRAM, "--pick", "4", "--count", "1000000"}));
    std::filesystem::remove_all(folder);
    if (*std::min_element(million.begin(), million.end()) < 0) {
        std::fprintf(stderr, "--count 1000000 failed\n");
        return 1;
    }

    const double pick = Median(times[0]), bare = Median(times[1]);
    std::printf("platform %s for the bare window, %d runs each, medians\n", std::getenv("QT_QPA_PLATFORM"),
                runs);
    std::printf("drawsmith --pick 1:       %.1f ms\n", pick);
    std::printf("bare Qt window shown:     %.1f ms\n", bare);
    std::printf("ratio %.2f (target <= 0.25)\n", pick / bare);
    std::printf("drawsmith --pick 4 --count 1000000 > /dev/null: %.0f ms (target <= 1000)\n",
                Median(million));
    return 0;
}
