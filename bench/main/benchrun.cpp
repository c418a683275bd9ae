// SPDX-License-Identifier: GPL-3.0-or-later
// A full run of 3000 sets in the real window, shown on screen: sets per second
// and the longest set, measured between consecutive turns of the event loop.
//   bench_main_run [game row]   (QT_QPA_PLATFORM defaults to offscreen)
#include "benchsupport.h"
#include "catalogueloader.h"
#include "frmmain.h"
#include "gamerecord.h"
#include "standins.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

class TimingPump final : public EventPump
{
public:
    void PumpOnce() override
    {
        QCoreApplication::processEvents();
        const Clock::time_point now = Clock::now();
        Sets.push_back(std::chrono::duration<double, std::milli>(now - Last).count());
        Last = now;
    }
    void EndProgram() override {}
    Clock::time_point Last;
    std::vector<double> Sets; // each set with its turn of the event loop, in ms
};
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    TimingPump pump;
    LongestRunSource random;
    BenchWindow bench(QString::fromLatin1(argc > 1 ? argv[1] : "0"), pump, &random);
    if (!bench.Ok())
        return 1;
    FrmMain &window = bench.Window();
    const GameCatalogue &catalogue = bench.Catalogue();

    const Clock::time_point start = Clock::now();
    pump.Last = start;
    window.findChild<QPushButton *>(QStringLiteral("cmdStart"))->click();
    const double total = std::chrono::duration<double>(Clock::now() - start).count();

    std::vector<double> sets = pump.Sets;
    std::sort(sets.begin(), sets.end());
    const double longest = sets.empty() ? 0 : sets.back();
    std::printf("platform %s, game \"%s\"\n", qgetenv("QT_QPA_PLATFORM").constData(),
                catalogue.Games[std::size_t(catalogue.CurrentGame)].Name.c_str());
    std::printf("%zu sets in %.3f s: %.0f sets per second\n", pump.Sets.size(), total,
                pump.Sets.size() / total);
    std::printf("set with its event-loop turn: median %.3f ms, 99th percentile %.3f ms, longest %.3f ms "
                "(target <= 16)\n",
                sets.empty() ? 0 : sets[sets.size() / 2], sets.empty() ? 0 : sets[sets.size() * 99 / 100],
                longest);
    return pump.Sets.size() == 3000 ? 0 : 1;
}
