// SPDX-License-Identifier: GPL-3.0-or-later
// Time from the click that opens the browser to its first frame on screen (tool
// bar, pictures and address box; the page follows), each open in a fresh process,
// as the first open of a session is; the figure is the median. Also the opening
// program's resident memory before the browser opened and after it closed.
//   bench_browser_open [runs]   (under xvfb-run -a; QT_QPA_PLATFORM defaults to xcb)
#include "childrun.h"
#include "globals.h"
#include "messageboxes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
class NoBoxes final : public MessageBoxes
{
public:
    void Inform(QWidget *, const QString &, const QString &text) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    bool Ask(QWidget *, const QString &, const QString &) override { return true; }
};

long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// The program's side: prints "ms= before= after=" for one open and close.
int Probe(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // With no window of its own, the end of the browser would end this probe.
    QCoreApplication::setQuitLockEnabled(false);
    NoBoxes boxes;
    Globals globals(boxes);
    BrowserProcess &browser = globals.Browser();
    QElapsedTimer clock;
    double shownMs = -1;
    long before = 0;
    QObject::connect(&browser, &BrowserProcess::Shown, &app, [&] {
        if (shownMs < 0)
            shownMs = clock.nsecsElapsed() / 1e6;
    });
    // Closed once the page's engine is up, as a user would after a look.
    QObject::connect(&browser, &BrowserProcess::Ready, &app, [&] { browser.Close(); });
    QObject::connect(&browser, &BrowserProcess::Ended, &app, [&] {
        // What the end of the browser leaves to free is freed by then.
        QTimer::singleShot(200, [&] {
            std::printf("ms=%.1f before=%ld after=%ld\n", shownMs, before, ResidentKiB());
            std::fflush(stdout);
            _exit(shownMs < 0 ? 1 : 0);
        });
    });
    QTimer::singleShot(0, [&] {
        before = ResidentKiB();
        clock.start(); // the click
        globals.ShowBrowser();
    });
    QTimer::singleShot(60000, [] { _exit(1); });
    return QApplication::exec();
}

struct Sample
{
    double ms = -1;
    long before = 0, after = 0;
};

Sample RunProbe(const char *self)
{
    const ChildRun run = RunChild(self, "--probe");
    Sample sample;
    if (run.Succeeded())
        std::sscanf(run.Output.c_str() + std::min(run.Output.find("ms="), run.Output.size()),
                    "ms=%lf before=%ld after=%ld", &sample.ms, &sample.before, &sample.after);
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
    if (argc > 1 && std::strcmp(argv[1], "--probe") == 0)
        return Probe(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    setenv("QT_QPA_PLATFORM", "xcb", 0);
    std::vector<double> times;
    std::vector<long> before, grown;
    for (int run = -1; run < runs; ++run) { // run -1 warms the file cache
        const Sample sample = RunProbe("/proc/self/exe");
        if (sample.ms < 0) {
            std::fprintf(stderr, "the browser did not open\n");
            return 1;
        }
        if (run < 0)
            continue;
        times.push_back(sample.ms);
        before.push_back(sample.before);
        grown.push_back(sample.after - sample.before);
    }
    std::sort(times.begin(), times.end());
    std::printf("platform %s, %d opens, each in a fresh process, medians\n", std::getenv("QT_QPA_PLATFORM"),
                runs);
    std::printf("click to browser window on screen: %.1f ms, best %.1f, worst %.1f (target <= 250)\n",
                Median(times), times.front(), times.back());
    std::printf("opening program's resident memory: %.1f MiB before opening, %+.1f MiB after closing "
                "(target within 5)\n",
                Median(before) / 1024.0, Median(grown) / 1024.0);
    return 0;
}
