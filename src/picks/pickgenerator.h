// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <random>

// The ranges a run draws from, asked for before every draw so that a game
// applied while the run yields is used by the draws after it.
struct PickRanges
{
    double Low = 0;
    double High = 0;
    double PowerLow = 0;
    double PowerHigh = 0;
};

// Whether the range holds at least `slots` different whole numbers, so that
// that many slots can show distinct numbers.
bool FillsDistinct(int slots, const PickRanges &ranges);

// How many pick boxes a game with `choices` shows: its first Choices, never
// fewer than two nor more than seven.
int ShownSlots(double choices);

class RangeSource
{
public:
    virtual ~RangeSource() = default;
    virtual PickRanges CurrentRanges() const = 0;
};

// Uniform single-precision values in [0, 1); never returns 1.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void ReseedFromClock() = 0;
    virtual float Next() = 0;
};

// Production source: a Mersenne Twister seeded from the clock.
class ClockRandomSource final : public RandomSource
{
public:
    void ReseedFromClock() override;
    float Next() override;

private:
    std::mt19937 m_engine;
};

// Hooks of a run, in the order a run calls them.
class PickObserver
{
public:
    virtual ~PickObserver() = default;
    virtual void BeginRun() = 0;                                   // after reseeding, before N is drawn
    virtual void ShowProgress(std::int32_t i, std::int32_t n) = 0; // once per set, first
    virtual void ShowPick(int slot, long long number) = 0;         // slot 1..7, as soon as it is accepted
    virtual void PumpEvents() = 0;                                 // once per set, right after slot 7
    virtual void ShowPowerBall(long long number) = 0;              // once per set, last
    virtual void EndRun() = 0;                                     // once, after the last set
};

class PickGenerator
{
public:
    // Without a source the generator makes its own ClockRandomSource.
    explicit PickGenerator(RandomSource *random = nullptr);

    // One whole run; returns when it has ended.
    void Run(const RangeSource &ranges, PickObserver &observer);
    // Ends the run after the set under way; shared by nested runs.
    void RequestStop() { m_stopRequest = 1; }

    static constexpr int kSlots = 7;
    static constexpr std::int32_t kMinSets = 200;
    static constexpr std::int32_t kMaxSets = 3000;

private:
    long long DrawNumber(double low, double high);

    std::unique_ptr<RandomSource> m_ownRandom;
    RandomSource *m_random;
    std::int16_t m_stopRequest = 0;
};
