#include "odds.h"
#include "pickgenerator.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <set>
#include <stdexcept>

Q_DECLARE_METATYPE(PickRanges)

namespace {

const float kLargestBelowOne = std::nextafter(1.0f, 0.0f);

// Hands out the scripted values in order; running out throws, so a run that
// draws more than expected cannot spin for ever.
class ScriptedSource final : public RandomSource
{
public:
    explicit ScriptedSource(const QList<float> &values) : m_values(values.begin(), values.end()) {}
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
    PickRanges CurrentRanges() const override { return m_ranges; }
    PickRanges m_ranges{1, 49, 1, 42};
};

// Logs every hook; `onPump` runs inside PumpEvents as the window's events would.
class Recorder final : public PickObserver
{
public:
    void BeginRun() override { m_log << "begin"; }
    void ShowProgress(std::int32_t i, std::int32_t n) override
    {
        m_log << QString("%1/%2").arg(i).arg(n);
        m_lastI = i;
        m_lastN = n;
        m_sets.emplace_back();
    }
    void ShowPick(int slot, long long number) override
    {
        m_log << QString::number(number);
        QCOMPARE(slot, int(m_sets.back().size()) + 1);
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
        m_log << "P" + QString::number(number);
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
    // One set, stopped at its yield: the hooks in order, each number as drawn.
    void oneSet_data()
    {
        QTest::addColumn<PickRanges>("ranges");
        QTest::addColumn<QList<float>>("script");
        QTest::addColumn<QString>("log");
        const auto main49 = [](std::initializer_list<int> numbers) {
            QList<float> values;
            for (int number : numbers)
                values << For(number, 1, 49);
            return values;
        };
        QTest::newRow("repeat drawn again in its slot")
            << PickRanges{1, 49, 1, 42}
            << QList<float>{0.0f} + main49({10, 20, 10, 30, 40, 41, 42, 43}) + QList<float>{For(5, 1, 42)}
            << "begin 1/200 10 20 30 40 41 42 43 pump P5 end";
        QTest::newRow("largest r: 3000 sets, range ends")
            << PickRanges{1, 49, 1, 42}
            << QList<float>{kLargestBelowOne, kLargestBelowOne} + main49({2, 3, 4, 5, 6}) +
                   QList<float>{0.0f, kLargestBelowOne}
            << "begin 1/3000 49 2 3 4 5 6 1 pump P42 end";
        QTest::newRow("half r: 1600 sets, no power ball")
            << PickRanges{1, 49, 0, 0}
            << QList<float>{0.5f} + main49({1, 2, 3, 4, 5, 6, 7}) + QList<float>{0.7f}
            << "begin 1/1600 1 2 3 4 5 6 7 pump P0 end";
        // Only as many slots as the range has numbers can differ; the rest take the draw as it comes.
        QTest::newRow("three numbers")
            << PickRanges{1, 3, 0, 0}
            << QList<float>{0.0f, 0.0f, 0.0f, 0.5f, kLargestBelowOne, 0.0f, 0.0f, 0.5f, 0.9f, 0.0f}
            << "begin 1/200 1 2 3 1 1 2 3 pump P0 end";
        QTest::newRow("high below low")
            << PickRanges{5, 3, 0, 0} << QList<float>(9, 0.0f) << "begin 1/200 5 5 5 5 5 5 5 pump P0 end";
        // Numbers beyond 16 bits must never be shown wrapped around.
        QTest::newRow("numbers beyond 16 bits")
            << PickRanges{40000, 40006, 1e10, 1e10 + 5}
            << QList<float>{0.0f, 0.0f, 0.2f, 0.3f, 0.45f, 0.6f, 0.75f, 0.9f, 0.0f}
            << "begin 1/200 40000 40001 40002 40003 40004 40005 40006 pump P10000000000 end";
    }
    void oneSet()
    {
        QFETCH(PickRanges, ranges);
        QFETCH(QList<float>, script);
        ScriptedSource source(script);
        PickGenerator generator(&source);
        Ranges given;
        given.m_ranges = ranges;
        Recorder recorder;
        recorder.m_onPump = [&] { generator.RequestStop(); };
        try {
            generator.Run(given, recorder);
        } catch (const std::exception &error) {
            QFAIL(error.what());
        }
        QTEST(recorder.m_log.join(' '), "log");
        QVERIFY(source.m_values.empty());
        QCOMPARE(source.m_reseeds, 1);
    }

    void newRangesAfterPump()
    {
        QList<float> script{0.0f};
        for (int k = 0; k < 7; ++k)
            script << For(k + 1, 1, 49);
        script << 0.0f;
        for (int k = 0; k < 7; ++k)
            script << For(100 + k, 100, 149);
        script << 0.0f;
        ScriptedSource source(script);
        PickGenerator generator(&source);
        Ranges ranges;
        Recorder recorder;
        recorder.m_onPump = [&] {
            // Another game applied during the first yield serves every draw after it.
            if (recorder.m_sets.size() == 1)
                ranges.m_ranges = {100, 149, 7, 9};
            else
                generator.RequestStop();
        };
        generator.Run(ranges, recorder);
        QCOMPARE(recorder.m_sets.at(1), (std::vector<long long>{100, 101, 102, 103, 104, 105, 106}));
        QCOMPARE(recorder.m_powerBalls, (std::vector<long long>{7, 7}));
    }

    void clockRunProperties_data()
    {
        QTest::addColumn<PickRanges>("given");
        QTest::newRow("power ball game") << PickRanges{1, 49, 1, 42};
        QTest::newRow("exactly seven numbers") << PickRanges{1, 7, 0, 0};
        QTest::newRow("negative numbers") << PickRanges{-60, -10, -3, 3};
    }
    void clockRunProperties()
    {
        QFETCH(PickRanges, given);
        PickGenerator generator;
        Ranges ranges;
        ranges.m_ranges = given;
        Recorder recorder;
        generator.Run(ranges, recorder);
        QVERIFY(recorder.m_lastN >= 200 && recorder.m_lastN <= 3000);
        QCOMPARE(recorder.m_lastI, recorder.m_lastN);
        QCOMPARE(int(recorder.m_sets.size()), recorder.m_lastN);
        QCOMPARE(recorder.m_powerBalls.size(), recorder.m_sets.size());
        QCOMPARE(recorder.m_ends, 1);
        for (const std::vector<long long> &set : recorder.m_sets) {
            QCOMPARE(std::set<long long>(set.begin(), set.end()).size(), std::size_t(7));
            QVERIFY(*std::min_element(set.begin(), set.end()) >= given.Low);
            QVERIFY(*std::max_element(set.begin(), set.end()) <= given.High);
        }
        for (long long number : recorder.m_powerBalls)
            QVERIFY(number >= given.PowerLow && number <= given.PowerHigh);
    }

    void nestedRunSharesStop_data()
    {
        QTest::addColumn<bool>("stopInner");
        QTest::newRow("inner runs to its end") << false;
        QTest::newRow("stop ends both") << true;
    }
    void nestedRunSharesStop()
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
        QCOMPARE(inner.m_ends + outer.m_ends, 2);
        QCOMPARE(int(inner.m_sets.size()), stopInner ? 1 : inner.m_lastN);
        QCOMPARE(outer.m_lastN, outerN);
        QCOMPARE(int(outer.m_sets.size()), stopInner ? 1 : outerN);
    }

    void odds_data()
    {
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("choices");
        QTest::addColumn<bool>("powerBall");
        QTest::addColumn<double>("powerHigh"); // the lowest Power Ball number is 1
        QTest::addColumn<QString>("text");     // empty: no odds
        QTest::newRow("California Lotto") << 51.0 << 1.0 << 6.0 << false << 0.0 << "18009460 to 1";
        QTest::newRow("Floriday Lotto") << 53.0 << 1.0 << 6.0 << false << 0.0 << "22957480 to 1";
        QTest::newRow("Louisiana Lotto") << 49.0 << 1.0 << 6.0 << false << 0.0 << "13983816 to 1";
        QTest::newRow("Power Ball") << 49.0 << 1.0 << 5.0 << true << 42.0 << "80089128 to 1";
        QTest::newRow("Lotto Texas") << 50.0 << 1.0 << 6.0 << false << 0.0 << "15890700 to 1";
        QTest::newRow("lowest 2") << 51.0 << 2.0 << 6.0 << false << 0.0 << "15890700 to 1";
        QTest::newRow("lowest -1") << 48.0 << -1.0 << 6.0 << false << 0.0 << "15890700 to 1";
        QTest::newRow("n equals choices") << 6.0 << 1.0 << 6.0 << false << 0.0 << "1 to 1";
        QTest::newRow("n below choices") << 5.0 << 1.0 << 6.0 << false << 0.0 << "0.166666666666667 to 1";
        QTest::newRow("power ball boxes ignored") << 49.0 << 1.0 << 6.0 << false << 9.0 << "13983816 to 1";
        QTest::newRow("lowest 0") << 49.0 << 0.0 << 6.0 << false << 0.0 << "";
        QTest::newRow("171 numbers overflow") << 171.0 << 1.0 << 6.0 << false << 0.0 << "";
        QTest::newRow("lowest 25 overflows at 170") << 194.0 << 25.0 << 6.0 << false << 0.0 << "";
        QTest::newRow("fractional range") << 6.5 << 1.0 << 6.0 << false << 0.0 << "1 to 1";
        QTest::newRow("huge range ends at once") << 1e18 << 1.0 << 6.0 << false << 0.0 << "";
    }
    void odds()
    {
        QFETCH(double, high);
        QFETCH(double, low);
        QFETCH(double, choices);
        QFETCH(bool, powerBall);
        QFETCH(double, powerHigh);
        QFETCH(QString, text);
        const std::optional<double> odds = ComputeOdds(high, low, choices, powerBall, 1, powerHigh);
        QCOMPARE(odds ? QString::fromStdString(FormatOdds(*odds)) : QString(), text);
    }

    void oddsExactForRealisticGames()
    {
        // Rounding to 15 digits must hide the factorials' error: compare with the exact count.
        for (int n = 7; n <= 170; ++n) {
            unsigned long long exact = 1;
            for (int c = 1; c <= 7; ++c) {
                exact =
                    exact * static_cast<unsigned long long>(n - c + 1) / static_cast<unsigned long long>(c);
                QCOMPARE(FormatOdds(ComputeOdds(n, 1, c, false, 0, 0).value()),
                         std::to_string(exact) + " to 1");
                for (int powerBalls = 1; n <= 100 && powerBalls <= 60; ++powerBalls)
                    QCOMPARE(FormatOdds(ComputeOdds(n, 1, c, true, 1, powerBalls).value()),
                             std::to_string(exact * powerBalls) + " to 1");
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPicks)
#include "test_picks.moc"
