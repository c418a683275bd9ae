#include "odds.h"
#include "pickgenerator.h"

#include <QTest>

#include <cmath>
#include <deque>
#include <functional>
#include <set>
#include <stdexcept>

Q_DECLARE_METATYPE(PickRanges)

namespace {

const float kLargestBelowOne = std::nextafter(1.0f, 0.0f);

// Returns the scripted values in order; running out is a test failure, thrown so
// that a run that draws more than expected cannot spin for ever.
class ScriptedSource final : public RandomSource
{
public:
    explicit ScriptedSource(std::deque<float> values) : m_values(std::move(values)) {}
    void ReseedFromClock() override { ++m_reseeds; }
    float Next() override
    {
        if (m_values.empty())
            throw std::runtime_error("script ran out of random values");
        const float value = m_values.front();
        m_values.pop_front();
        return value;
    }

    std::deque<float> m_values;
    int m_reseeds = 0;
};

// The value r that draws `number` from low..high.
float For(double number, double low, double high)
{
    return static_cast<float>((number - low + 0.5) / (high - low + 1));
}

class Ranges final : public RangeSource
{
public:
    PickRanges CurrentRanges() const override
    {
        ++m_asked;
        return m_ranges;
    }
    PickRanges m_ranges{1, 49, 1, 42};
    mutable int m_asked = 0;
};

// Records every hook; `onPump` runs inside PumpEvents like the window's events.
class Recorder final : public PickObserver
{
public:
    void BeginRun() override { m_log << "begin"; }
    void ShowProgress(std::int32_t i, std::int32_t n) override
    {
        m_log << QString("progress %1/%2").arg(i).arg(n);
        m_lastI = i;
        m_lastN = n;
        m_sets.emplace_back();
    }
    void ShowPick(int slot, long long number) override
    {
        m_log << QString("pick %1:%2").arg(slot).arg(number);
        m_sets.back().push_back(number);
    }
    void PumpEvents() override
    {
        m_log << "pump";
        if (m_onPump)
            m_onPump();
    }
    void ShowPowerBall(long long number) override
    {
        m_log << QString("power %1").arg(number);
        m_powerBalls.push_back(number);
    }
    void EndRun() override
    {
        m_log << "end";
        ++m_ends;
    }

    QStringList m_log;
    std::vector<std::vector<long long>> m_sets;
    std::vector<long long> m_powerBalls;
    std::int32_t m_lastI = 0;
    std::int32_t m_lastN = 0;
    int m_ends = 0;
    std::function<void()> m_onPump;
};

} // namespace

class TestPicks : public QObject
{
    Q_OBJECT

private slots:
    void setCount_data();
    void setCount();
    void oneSetInHookOrder();
    void drawEnds_data();
    void drawEnds();
    void narrowRangeEnds_data();
    void narrowRangeEnds();
    void newRangesAfterPump();
    void clockRunProperties_data();
    void clockRunProperties();
    void nestedRunSharesStop_data();
    void nestedRunSharesStop();
    void scaledFactorial_data();
    void scaledFactorial();
    void odds_data();
    void odds();
    void oddsExactForSmallGames();
};

void TestPicks::setCount_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("n");
    QTest::newRow("zero") << 0.0f << 200;
    QTest::newRow("half") << 0.5f << 1600;
    QTest::newRow("largest below one") << kLargestBelowOne << 3000;
}

void TestPicks::setCount()
{
    QFETCH(float, r);
    QFETCH(int, n);
    ScriptedSource source({r, 0.0f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.0f});
    PickGenerator generator(&source);
    Ranges ranges;
    Recorder recorder;
    recorder.m_onPump = [&] { generator.RequestStop(); };
    generator.Run(ranges, recorder);
    QCOMPARE(recorder.m_lastN, n);
    QCOMPARE(recorder.m_sets.size(), std::size_t(1));
    QCOMPARE(source.m_reseeds, 1);
}

void TestPicks::oneSetInHookOrder()
{
    // A repeat in slot 3 is drawn again in slot 3 only.
    ScriptedSource source({0.0f, For(10, 1, 49), For(20, 1, 49), For(10, 1, 49), For(30, 1, 49),
                           For(40, 1, 49), For(41, 1, 49), For(42, 1, 49), For(43, 1, 49), For(5, 1, 42)});
    PickGenerator generator(&source);
    Ranges ranges;
    Recorder recorder;
    recorder.m_onPump = [&] { generator.RequestStop(); };
    generator.Run(ranges, recorder);

    const QStringList expected{"begin",     "progress 1/200", "pick 1:10", "pick 2:20",
                               "pick 3:30", "pick 4:40",      "pick 5:41", "pick 6:42",
                               "pick 7:43", "pump",           "power 5",   "end"};
    QCOMPARE(recorder.m_log, expected);
    QVERIFY(source.m_values.empty());
    QCOMPARE(ranges.m_asked, 9); // before every draw, the redraw and the Power Ball included
}

void TestPicks::drawEnds_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<float>("r");
    QTest::addColumn<qlonglong>("number");
    QTest::newRow("zero gives low") << 1.0 << 42.0 << 0.0f << 1LL;
    QTest::newRow("largest gives high") << 1.0 << 42.0 << kLargestBelowOne << 42LL;
    QTest::newRow("no power ball") << 0.0 << 0.0 << 0.7f << 0LL;
    QTest::newRow("negative range") << -10.0 << -5.0 << 0.0f << -10LL;
    // Numbers beyond 16 bits were once cut to 16 bits and shown wrapped around.
    QTest::newRow("beyond 16 bits") << 40000.0 << 40010.0 << kLargestBelowOne << 40010LL;
    QTest::newRow("beyond 32 bits") << 1e10 << 1e10 + 5 << 0.0f << 10000000000LL;
}

void TestPicks::drawEnds()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(float, r);
    QFETCH(qlonglong, number);
    ScriptedSource source({0.0f, 0.0f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, r});
    PickGenerator generator(&source);
    Ranges ranges;
    ranges.m_ranges.PowerLow = low;
    ranges.m_ranges.PowerHigh = high;
    Recorder recorder;
    recorder.m_onPump = [&] { generator.RequestStop(); };
    generator.Run(ranges, recorder);
    QCOMPARE(recorder.m_powerBalls, std::vector<long long>{number});
}

void TestPicks::narrowRangeEnds_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<QList<float>>("script");
    QTest::addColumn<QList<qlonglong>>("picks");

    // Only the first three slots can differ; later slots take the draw as it comes.
    QTest::newRow("three numbers") << 1.0 << 3.0
                                   << QList<float>{For(1, 1, 3), For(1, 1, 3), For(2, 1, 3), For(3, 1, 3),
                                                   For(1, 1, 3), For(1, 1, 3), For(2, 1, 3), For(3, 1, 3)}
                                   << QList<qlonglong>{1, 2, 3, 1, 1, 2, 3};
    QTest::newRow("seven numbers all distinct")
        << 1.0 << 7.0
        << QList<float>{kLargestBelowOne, For(7, 1, 7), For(6, 1, 7), For(5, 1, 7), For(4, 1, 7),
                        For(3, 1, 7),     For(2, 1, 7), For(2, 1, 7), 0.0f}
        << QList<qlonglong>{7, 6, 5, 4, 3, 2, 1};
    QTest::newRow("high below low") << 5.0 << 3.0 << QList<float>(7, 0.0f) << QList<qlonglong>(7, 5);
}

void TestPicks::narrowRangeEnds()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(QList<float>, script);
    QFETCH(QList<qlonglong>, picks);
    std::deque<float> values{0.0f};
    values.insert(values.end(), script.begin(), script.end());
    values.push_back(0.0f);
    ScriptedSource source(values);
    PickGenerator generator(&source);
    Ranges ranges;
    ranges.m_ranges = {low, high, 0, 0};
    Recorder recorder;
    recorder.m_onPump = [&] { generator.RequestStop(); };
    try {
        generator.Run(ranges, recorder);
    } catch (const std::exception &error) {
        QFAIL(error.what());
    }
    const std::vector<long long> &set = recorder.m_sets.at(0);
    QCOMPARE(QList<qlonglong>(set.begin(), set.end()), picks);
    QVERIFY(source.m_values.empty());
}

void TestPicks::newRangesAfterPump()
{
    std::deque<float> values{0.0f};
    for (int k = 0; k < 7; ++k)
        values.push_back(For(k + 1, 1, 49));
    values.push_back(0.0f);
    for (int k = 0; k < 7; ++k)
        values.push_back(For(100 + k, 100, 149));
    values.push_back(0.0f);
    ScriptedSource source(values);
    PickGenerator generator(&source);
    Ranges ranges;
    Recorder recorder;
    int pumps = 0;
    recorder.m_onPump = [&] {
        // Another game applied during the first yield; its ranges serve the rest of the run.
        if (++pumps == 1)
            ranges.m_ranges = {100, 149, 7, 9};
        else
            generator.RequestStop();
    };
    generator.Run(ranges, recorder);
    QCOMPARE(recorder.m_sets.at(1), (std::vector<long long>{100, 101, 102, 103, 104, 105, 106}));
    QCOMPARE(recorder.m_powerBalls,
             (std::vector<long long>{7, 7})); // the first set's is drawn after the yield
    QCOMPARE(recorder.m_lastI, 2);
}

void TestPicks::clockRunProperties_data()
{
    QTest::addColumn<PickRanges>("given");
    QTest::newRow("power ball game") << PickRanges{1, 49, 1, 42};
    QTest::newRow("exactly seven numbers") << PickRanges{1, 7, 0, 0};
    QTest::newRow("negative numbers") << PickRanges{-60, -10, -3, 3};
}

void TestPicks::clockRunProperties()
{
    QFETCH(PickRanges, given);
    PickGenerator generator;
    Ranges ranges;
    ranges.m_ranges = given;
    Recorder recorder;
    generator.Run(ranges, recorder);

    QVERIFY(recorder.m_lastN >= PickGenerator::kMinSets && recorder.m_lastN <= PickGenerator::kMaxSets);
    QCOMPARE(recorder.m_lastI, recorder.m_lastN);
    QCOMPARE(int(recorder.m_sets.size()), recorder.m_lastN);
    QCOMPARE(recorder.m_powerBalls.size(), recorder.m_sets.size());
    QCOMPARE(recorder.m_ends, 1);
    for (const std::vector<long long> &set : recorder.m_sets) {
        QCOMPARE(set.size(), std::size_t(PickGenerator::kSlots));
        QCOMPARE(std::set<long long>(set.begin(), set.end()).size(), set.size());
        for (long long number : set)
            QVERIFY(number >= given.Low && number <= given.High);
    }
    for (long long number : recorder.m_powerBalls)
        QVERIFY(number >= given.PowerLow && number <= given.PowerHigh);
}

void TestPicks::nestedRunSharesStop_data()
{
    QTest::addColumn<bool>("stopInner");
    QTest::newRow("inner runs to its end") << false;
    QTest::newRow("stop ends both") << true;
}

void TestPicks::nestedRunSharesStop()
{
    QFETCH(bool, stopInner);
    PickGenerator generator;
    Ranges ranges;
    Recorder outer;
    Recorder inner;
    std::int32_t outerN = 0;
    outer.m_onPump = [&] {
        if (outer.m_sets.size() != 1)
            return;
        outerN = outer.m_lastN;
        generator.Run(ranges, inner); // Start pressed again while the first run yields
    };
    if (stopInner)
        inner.m_onPump = [&] { generator.RequestStop(); };
    generator.Run(ranges, outer);

    QCOMPARE(inner.m_ends, 1);
    QCOMPARE(outer.m_ends, 1);
    QCOMPARE(int(inner.m_sets.size()), stopInner ? 1 : inner.m_lastN);
    QCOMPARE(outer.m_lastN, outerN);
    QCOMPARE(int(outer.m_sets.size()), stopInner ? 1 : outerN);
}

void TestPicks::scaledFactorial_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected"); // NaN: overflow
    const double overflow = std::nan("");
    QTest::newRow("factorial") << 5.0 << 1.0 << 120.0;
    QTest::newRow("scaled") << 4.0 << 2.0 << 12.0;
    QTest::newRow("bound zero") << 3.0 << 3.0 << 3.0;
    QTest::newRow("bound minus one") << 2.0 << 3.0 << 3.0;
    QTest::newRow("bound below minus one") << 0.0 << 5.0 << 5.0;
    QTest::newRow("fractional bound") << 3.5 << 1.0 << 6.0;
    QTest::newRow("170 factorial fits") << 170.0 << 1.0 << std::tgamma(171.0);
    QTest::newRow("171 factorial overflows") << 171.0 << 1.0 << overflow;
    QTest::newRow("huge bound with zero") << 1e18 << 0.0 << 0.0;
    QTest::newRow("huge bound overflows at once") << 1e18 << 1.0 << overflow;
}

void TestPicks::scaledFactorial()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    const std::optional<double> result = ScaledFactorial(a, b);
    if (std::isnan(expected)) {
        QVERIFY(!result);
        return;
    }
    QVERIFY(result);
    QCOMPARE(*result, expected);
}

void TestPicks::odds_data()
{
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("choices");
    QTest::addColumn<bool>("powerBall");
    QTest::addColumn<double>("powerLow");
    QTest::addColumn<double>("powerHigh");
    QTest::addColumn<QString>("text"); // empty: no odds

    QTest::newRow("California Lotto") << 51.0 << 1.0 << 6.0 << false << 0.0 << 0.0 << "18009460 to 1";
    QTest::newRow("Floriday Lotto") << 53.0 << 1.0 << 6.0 << false << 0.0 << 0.0 << "22957480 to 1";
    QTest::newRow("Louisiana Lotto") << 49.0 << 1.0 << 6.0 << false << 0.0 << 0.0 << "13983816 to 1";
    QTest::newRow("Power Ball") << 49.0 << 1.0 << 5.0 << true << 1.0 << 42.0 << "80089128 to 1";
    QTest::newRow("Lotto Texas") << 50.0 << 1.0 << 6.0 << false << 0.0 << 0.0 << "15890700 to 1";
    QTest::newRow("lowest 2") << 51.0 << 2.0 << 6.0 << false << 0.0 << 0.0 << "15890700 to 1";
    QTest::newRow("lowest -1") << 48.0 << -1.0 << 6.0 << false << 0.0 << 0.0 << "15890700 to 1";
    QTest::newRow("n equals choices") << 6.0 << 1.0 << 6.0 << false << 0.0 << 0.0 << "1 to 1";
    QTest::newRow("n below choices") << 5.0 << 1.0 << 6.0 << false << 0.0 << 0.0 << "0.166666666666667 to 1";
    QTest::newRow("power ball boxes ignored") << 49.0 << 1.0 << 6.0 << false << 9.0 << 1.0 << "13983816 to 1";
    QTest::newRow("170 numbers") << 170.0 << 1.0 << 6.0 << false << 0.0 << 0.0 << "30663442810 to 1";
    QTest::newRow("lowest 0") << 49.0 << 0.0 << 6.0 << false << 0.0 << 0.0 << "";
    QTest::newRow("171 numbers overflow") << 171.0 << 1.0 << 6.0 << false << 0.0 << 0.0 << "";
    QTest::newRow("lowest 25 overflows at 170") << 194.0 << 25.0 << 6.0 << false << 0.0 << 0.0 << "";
    QTest::newRow("huge range ends") << 1e18 << 1.0 << 6.0 << false << 0.0 << 0.0 << "";
}

void TestPicks::odds()
{
    QFETCH(double, high);
    QFETCH(double, low);
    QFETCH(double, choices);
    QFETCH(bool, powerBall);
    QFETCH(double, powerLow);
    QFETCH(double, powerHigh);
    QFETCH(QString, text);
    const std::optional<double> odds = ComputeOdds(high, low, choices, powerBall, powerLow, powerHigh);
    QCOMPARE(odds.has_value(), !text.isEmpty());
    if (odds)
        QCOMPARE(QString::fromStdString(FormatOdds(*odds)), text);
}

void TestPicks::oddsExactForSmallGames()
{
    // Rounding to 15 digits must hide the factorials' error for every
    // realistic game: compare with the exact count.
    for (int n = 7; n <= 170; ++n) {
        unsigned long long exact = 1;
        for (int c = 1; c <= 7; ++c) {
            exact = exact * static_cast<unsigned long long>(n - c + 1) / static_cast<unsigned long long>(c);
            const auto odds = ComputeOdds(n, 1, c, false, 0, 0);
            QVERIFY(odds);
            QCOMPARE(FormatOdds(*odds), std::to_string(exact) + " to 1");
            if (n > 100)
                continue;
            for (int powerBalls = 1; powerBalls <= 60; ++powerBalls) {
                const auto withPowerBall = ComputeOdds(n, 1, c, true, 1, powerBalls);
                QVERIFY(withPowerBall);
                QCOMPARE(FormatOdds(*withPowerBall), std::to_string(exact * powerBalls) + " to 1");
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestPicks)
#include "test_picks.moc"
