// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and peak memory of the main window against a bare Qt program
// that shows one label. Both probes run the same way, alternately, in a folder
// holding the default catalogue; the figures are medians. Offscreen, and under
// X11 when there is a display.
//   xvfb-run -a dbus-run-session bench_main_startup [runs]
// A desktop has a session bus; without one, every start under X11 launches its own.
#include "catalogueloader.h"
#include "childrun.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {
struct Sample
{
    double Milliseconds = 0;
    long PeakKiB = 0;
    bool WebEngine = false;
    bool Ok = false;
};

Sample RunProbe(const std::string &path)
{
    Sample sample;
    const auto start = std::chrono::steady_clock::now();
    const ChildRun run = RunChild(path.c_str());
    const auto end = std::chrono::steady_clock::now();
    sample.Milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    sample.PeakKiB = run.Usage.ru_maxrss;
    sample.WebEngine = run.Output.find("webengine=1") != std::string::npos;
    sample.Ok = run.Succeeded() && run.Output.find("webengine=") != std::string::npos;
    return sample;
}

template <typename T> T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    namespace fs = std::filesystem;
    const fs::path here = fs::canonical("/proc/self/exe").parent_path();
    const std::string probes[2] = {(here / "drawsmith_startup_probe").string(),
                                   (here / "drawsmith_bare_probe").string()};

    char folder[] = "/tmp/drawsmith-startup-XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0 || !WriteDefaultCatalogue()) {
        std::fprintf(stderr, "cannot prepare %s\n", folder);
        return 1;
    }
    setenv("XDG_CONFIG_HOME", (fs::path(folder) / "config").c_str(), 1);

    std::vector<const char *> platforms{"offscreen"};
    if (std::getenv("DISPLAY"))
        platforms.push_back("xcb");
    int failed = 0;
    for (const char *platform : platforms) {
        setenv("QT_QPA_PLATFORM", platform, 1);
        std::vector<double> times[2];
        std::vector<long> peaks[2];
        bool webEngine = false;
        for (int run = -1; run < runs && !failed; ++run) { // run -1 warms the file cache
            for (int probe = 0; probe < 2; ++probe) {
                const Sample sample = RunProbe(probes[probe]);
                if (!sample.Ok) {
                    std::fprintf(stderr, "%s failed on %s\n", probes[probe].c_str(), platform);
                    failed = 1;
                    break;
                }
                if (run < 0)
                    continue;
                times[probe].push_back(sample.Milliseconds);
                peaks[probe].push_back(sample.PeakKiB);
                webEngine = webEngine || (probe == 0 && sample.WebEngine);
            }
        }
        if (failed)
            break;
        const double window = Median(times[0]), bare = Median(times[1]);
        const double extraMiB = (Median(peaks[0]) - Median(peaks[1])) / 1024.0;
        std::printf("platform %s, %d runs each, medians\n", platform, runs);
        std::printf("main window: %.1f ms to first paint, peak %.1f MiB\n", window,
                    Median(peaks[0]) / 1024.0);
        std::printf("bare label:  %.1f ms to first paint, peak %.1f MiB\n", bare, Median(peaks[1]) / 1024.0);
        std::printf("ratio %.2f (target <= 1.15), extra memory %.1f MiB (target <= 10), web engine %s\n",
                    window / bare, extraMiB, webEngine ? "LOADED" : "not loaded");
    }
    if (platforms.size() < 2)
        std::printf("X11: no display here; run under xvfb-run -a for its figures\n");
    else if (!std::getenv("DBUS_SESSION_BUS_ADDRESS"))
        std::printf("X11 figures include a session bus launched by each start: run under dbus-run-session "
                    "for a desktop's\n");
    fs::remove_all(folder);
    return failed;
}
