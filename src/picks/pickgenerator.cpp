// SPDX-License-Identifier: GPL-3.0-or-later
#include "pickgenerator.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>

namespace {

// How many different numbers the first slots must be distinct among: the whole
// numbers from ceil(low) to floor(high), at most seven. Fewer than seven cannot
// fill every slot, and a redraw would never end; beyond 2^48 doubles no longer
// step through whole numbers reliably, so no slot is compared there.
int DistinctSlots(const PickRanges &ranges)
{
    constexpr double kExactLimit = 281474976710656.0; // 2^48
    if (!std::isfinite(ranges.Low) || !std::isfinite(ranges.High) || std::fabs(ranges.Low) >= kExactLimit ||
        std::fabs(ranges.High) >= kExactLimit)
        return 0;
    const double count = std::floor(ranges.High) - std::ceil(ranges.Low) + 1;
    if (count < 1)
        return 0;
    return count >= PickGenerator::kSlots ? PickGenerator::kSlots : static_cast<int>(count);
}

} // namespace

bool FillsDistinct(int slots, const PickRanges &ranges)
{
    if (!std::isfinite(ranges.Low) || !std::isfinite(ranges.High))
        return false;
    return std::floor(ranges.High) - std::ceil(ranges.Low) + 1 >= std::min(slots, int(PickGenerator::kSlots));
}

int ShownSlots(double choices)
{
    // Box k + 1 shows when Choices > k, so a fraction shows one box more than its whole part.
    int shown = 2;
    for (int k = 2; k < PickGenerator::kSlots; ++k)
        shown += choices > k ? 1 : 0;
    return shown;
}

void ClockRandomSource::ReseedFromClock()
{
    const auto ticks =
        static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    m_engine.seed(seed);
}

float ClockRandomSource::Next()
{
    // The top 24 bits scaled by 2^-24: exact in a float, uniform, and never 1.
    return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f);
}

PickGenerator::PickGenerator(RandomSource *random)
    : m_ownRandom(random ? nullptr : std::make_unique<ClockRandomSource>()),
      m_random(random ? random : m_ownRandom.get())
{
}

long long PickGenerator::DrawNumber(double low, double high)
{
    const double value = std::floor((high - low + 1) * static_cast<double>(m_random->Next()) + low);
    // A number is held whole, never cut to 16 bits; only values no integer type
    // can hold are pinned to the nearest one that can.
    constexpr double kLimit = 9223372036854774784.0; // largest double below 2^63
    if (std::isnan(value))
        return 0;
    return static_cast<long long>(std::clamp(value, -kLimit, kLimit));
}

void PickGenerator::Run(const RangeSource &ranges, PickObserver &observer)
{
    m_random->ReseedFromClock();
    observer.BeginRun();

    const double drawn = std::floor(2801.0 * static_cast<double>(m_random->Next()) + 200.0);
    // Only a faulty source can leave 200..3000; keep the count (and i / N) sane then.
    const std::int32_t n =
        std::isnan(drawn) ? kMinSets
                          : static_cast<std::int32_t>(std::clamp(drawn, double(kMinSets), double(kMaxSets)));
    m_stopRequest = 0;
    std::int32_t i = 0;

    while (m_stopRequest != 1 && i != n) {
        ++i;
        observer.ShowProgress(i, n);

        long long slots[kSlots] = {};
        for (int j = 0; j < kSlots; ++j) {
            PickRanges current = ranges.CurrentRanges();
            long long number = DrawNumber(current.Low, current.High);
            while (j < DistinctSlots(current) && std::find(slots, slots + j, number) != slots + j) {
                current = ranges.CurrentRanges();
                number = DrawNumber(current.Low, current.High);
            }
            slots[j] = number;
            observer.ShowPick(j + 1, number);
        }

        observer.PumpEvents();

        const PickRanges current = ranges.CurrentRanges();
        observer.ShowPowerBall(DrawNumber(current.PowerLow, current.PowerHigh));
    }

    observer.EndRun();
}
