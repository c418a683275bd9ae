// SPDX-License-Identifier: GPL-3.0-or-later
#include "odds.h"
#include "pickgenerator.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <stdexcept>

Q_DECLARE_METATYPE(PickRanges)

namespace {
// clang-format off
// The window's side of a run: ranges, a scripted random source (throwing once it runs out), a hook log.
struct Window final : RangeSource, RandomSource, PickObserver
{
    PickRanges ranges;
    QList<float> script;
    QStringList log;
    std::function<void()> onPump = [] {};
    PickRanges CurrentRanges() const override { return ranges; }
    void ReseedFromClock() override { log << "seed"; }
    float Next() override { return script.isEmpty() ? throw std::runtime_error("") : script.takeFirst(); }
    void BeginRun() override { log << "begin"; }
    void ShowProgress(std::int32_t i, std::int32_t n) override { log << QString("%1/%2").arg(i).arg(n); }
    void ShowPick(int, long long number) override { log << QString::number(number); }
    void PumpEvents() override { log << "pump", onPump(); }
    void ShowPowerBall(long long number) override { log << "P" + QString::number(number); }
    void EndRun() override { log << "end"; }
};
} // namespace

class TestPicks : public QObject
{
    Q_OBJECT

private slots:
    // One set, stopped at its yield: the hooks in order, N and each number as drawn.
    void oneSet_data()
    {
        QTest::addColumn<PickRanges>("ranges");
        QTest::addColumn<QList<float>>("script");
        QTest::addColumn<QString>("log");
        const float top = std::nextafter(1.0f, 0.0f);
        QTest::newRow("repeat drawn again in its slot, N floored") << PickRanges{0, 9, 1, 42}
            << QList<float>{.5f, .35f, .65f, .35f, .15f, .25f, .45f, .55f, .75f, 4.5f / 42}
            << "seed begin 1/1600 3 6 1 2 4 5 7 pump P5 end";
        QTest::newRow("largest r: 3000 sets, range ends") << PickRanges{0, 9, 1, 42}
            << QList<float>{top, top, .25f, .35f, .45f, .55f, .65f, 0, top}
            << "seed begin 1/3000 9 2 3 4 5 6 0 pump P42 end";
        QTest::newRow("three numbers, no power ball") << PickRanges{1, 3, 0, 0}
            << QList<float>{0, 0, 0, .5f, top, 0, 0, .5f, .9f, 0} << "seed begin 1/200 1 2 3 1 1 2 3 pump P0 end";
        QTest::newRow("numbers beyond 16 bits") << PickRanges{40000, 40006, 1e10, 1e10 + 5}
            << QList<float>{.2f, 0, 0.2f, 0.3f, 0.45f, 0.6f, 0.75f, 0.9f, 0}
            << "seed begin 1/760 40000 40001 40002 40003 40004 40005 40006 pump P10000000000 end";
    }
    void oneSet()
    {
        Window window;
        QFETCH(PickRanges, ranges);
        QFETCH(QList<float>, script);
        std::tie(window.ranges, window.script) = std::tie(ranges, script);
        PickGenerator generator(&window);
        window.onPump = [&] { generator.RequestStop(); };
        generator.Run(window, window);
        QTEST(window.log.join(' '), "log");
    }

    // Start pressed during a yield runs a run inside the first; a Stop in it ends both, and only those.
    void stopInNestedRunEndsBoth()
    {
        PickGenerator generator;
        Window outer, inner;
        outer.ranges = inner.ranges = {1, 49, 1, 42};
        outer.onPump = [&] { generator.Run(inner, inner); };
        inner.onPump = [&] { generator.RequestStop(); };
        generator.Run(outer, outer);
        generator.Run(outer, outer);
        QCOMPARE(QString("%1 %2").arg(outer.log.size()).arg(inner.log.size()), "24 24"); // one set each time
    }

    // Rounding to 15 digits must hide the factorials' error: compare with the exact counts.
    void odds()
    {
        for (unsigned long long n = 7; n <= 170; ++n) {
            unsigned long long exact = 1;
            for (unsigned long long c = 1; c <= 7; ++c) {
                exact = exact * (n - c + 1) / c;
                QCOMPARE(FormatOdds(*ComputeOdds(n, 1, c, false, 0, 0)), std::to_string(exact) + " to 1");
                for (unsigned long long balls = 1; n <= 100 && balls <= 60; ++balls)
                    QCOMPARE(FormatOdds(*ComputeOdds(n, 1, c, true, 1, balls)),
                             std::to_string(exact * balls) + " to 1");
            }
        }
        // A lowest number other than 1, fewer numbers than choices, no Power Ball whatever its boxes hold.
        QCOMPARE(FormatOdds(*ComputeOdds(51, 2, 6, false, 1, 9)), std::string("15890700 to 1"));
        QCOMPARE(FormatOdds(*ComputeOdds(5, 1, 6, false, 1, 9)), std::string("0.166666666666667 to 1"));
        QVERIFY(!ComputeOdds(171, 1, 6, false, 0, 0) && !ComputeOdds(1e18, 1, 6, false, 0, 0)); // overflow
    }
};
// clang-format on

QTEST_GUILESS_MAIN(TestPicks)
#include "test_picks.moc"
