// SPDX-License-Identifier: GPL-3.0-or-later
// Time from the click that opens the browser to its first frame on screen (tool
// bar, pictures and address box), each open in a fresh process, as the first open
// of a session is; the figure is the median.
//   bench_browser_open [runs]   (under xvfb-run -a; QT_QPA_PLATFORM defaults to xcb)
#include "childrun.h"
#include "globals.h"
#include "messageboxes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

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

// Prints the time from the start to the end of the browser window's first paint.
class FirstFrame final : public QObject
{
public:
    explicit FirstFrame(const QElapsedTimer &clock) : m_clock(clock) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint && !m_seen && widget && widget->isWindow() &&
            widget->objectName() == QLatin1String("frmLottoBrowser")) {
            m_seen = true;
            // After the whole frame, children included, has been painted and flushed.
            QTimer::singleShot(0, [this] {
                std::printf("ms=%.1f\n", m_clock.nsecsElapsed() / 1e6);
                std::fflush(stdout);
                _exit(0);
            });
        }
        return false;
    }

private:
    const QElapsedTimer &m_clock;
    bool m_seen = false;
};

int Probe(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    NoBoxes boxes;
    Globals globals(boxes);
    QElapsedTimer clock;
    FirstFrame frame(clock);
    app.installEventFilter(&frame);
    QTimer::singleShot(0, [&] {
        clock.start(); // the click
        globals.ShowBrowser();
    });
    QTimer::singleShot(30000, [] { _exit(1); });
    return QApplication::exec();
}

double RunProbe(const char *self)
{
    const ChildRun run = RunChild(self, "--probe");
    const auto at = run.Output.find("ms=");
    if (!run.Succeeded() || at == std::string::npos)
        return -1;
    return std::atof(run.Output.c_str() + at + 3);
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--probe") == 0)
        return Probe(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    setenv("QT_QPA_PLATFORM", "xcb", 0);
    std::vector<double> times;
    for (int run = -1; run < runs; ++run) { // run -1 warms the file cache
        const double ms = RunProbe("/proc/self/exe");
        if (ms < 0) {
            std::fprintf(stderr, "the browser did not open\n");
            return 1;
        }
        if (run >= 0)
            times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("platform %s, %d opens, each in a fresh process\n", std::getenv("QT_QPA_PLATFORM"), runs);
    std::printf("click to browser window on screen: median %.1f ms, best %.1f, worst %.1f (target <= 150)\n",
                times[times.size() / 2], times.front(), times.back());
    return 0;
}
