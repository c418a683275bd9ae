// SPDX-License-Identifier: GPL-3.0-or-later
// Past Picks with 10,000 recorded runs: the time from creating the window to its
// first frame on screen, and the time of a Check over all of them, in the window
// and in the core alone. Targets: 100 ms to open, 20 ms to check.
//   bench_picks [entries]   (QT_QPA_PLATFORM defaults to offscreen)
#include "benchsupport.h"
#include "catalogueloader.h"
#include "drawcheck.h"
#include "frmpastpicks.h"
#include "pickhistory.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int entries = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path()) || !WriteDefaultCatalogue())
        return 1;
    GameCatalogue catalogue;
    if (!LoadCatalogue(catalogue))
        return 1;

    // Runs of every game in turn, as a long-time user's history holds them.
    std::vector<PastPick> picks;
    std::time_t when = std::time(nullptr) - entries * 60;
    for (int i = 0; i < entries; ++i) {
        const GameRecord &game = catalogue.Games[std::size_t(i) % catalogue.Games.size()];
        PastPick pick{LocalTimestamp(when + i * 60), game.Name, {}, std::nullopt};
        for (int slot = 0; slot < std::clamp(int(game.Choices), 2, 7); ++slot)
            pick.Numbers.push_back(int(game.LowNumber) + (i * 7 + slot * 5) % int(game.HighNumber - game.LowNumber));
        if (game.HasPowerBall())
            pick.PowerBall = game.PowerBallLow + i % 10;
        picks.push_back(std::move(pick));
    }
    if (!AppendPicks(kHistoryFile, picks))
        return 1;

    YesBoxes boxes;
    NoWindows hub;
    std::vector<double> open, check, core;
    for (int round = 0; round < 7; ++round) {
        QElapsedTimer timer;
        timer.start();
        auto *window = new FrmPastPicks(catalogue, kHistoryFile, hub, boxes);
        ShowExposed(window);
        open.push_back(timer.nsecsElapsed() / 1e6);

        // Power Ball, row 3: a quarter of its picks share numbers with this draw.
        window->findChild<QComboBox *>(QStringLiteral("cboGame"))->setCurrentIndex(3);
        window->findChild<QLineEdit *>(QStringLiteral("txtDraw"))->setText(QStringLiteral("1 6 11 16 21"));
        window->findChild<QLineEdit *>(QStringLiteral("txtDrawPowerBall"))->setText(QStringLiteral("3"));
        timer.restart();
        window->findChild<QPushButton *>(QStringLiteral("cmdCheck"))->click();
        QCoreApplication::processEvents();
        check.push_back(timer.nsecsElapsed() / 1e6);
        delete window;

        std::vector<HistoryLine> lines;
        if (!ReadHistory(kHistoryFile, lines))
            return 1;
        Draw draw;
        ReadDraw(RulesOf(catalogue.Games[3]), "1 6 11 16 21", "3", draw);
        timer.restart();
        const auto matches = CheckDraw(lines, catalogue.Games[3].Name, draw);
        core.push_back(timer.nsecsElapsed() / 1e6);
        if (matches.size() != lines.size())
            return 1;
    }
    std::printf("Past Picks with %d entries (median of %zu):\n", entries, open.size());
    std::printf("  open to first frame  %7.2f ms  (target <= 100 ms)\n", Median(open));
    std::printf("  Check in the window  %7.2f ms  (target <= 20 ms)\n", Median(check));
    std::printf("  Check, core alone    %7.2f ms\n", Median(core));
    return 0;
}
