// SPDX-License-Identifier: GPL-3.0-or-later
#include "setdrawer.h"

namespace {
// Runs follow each other within microseconds; reseeding each from the clock
// would tie their sets to the clock's steps, so only the first one seeds.
class SeededOnce final : public RandomSource
{
public:
    void ReseedFromClock() override
    {
        if (!m_seeded)
            m_clock.ReseedFromClock();
        m_seeded = true;
    }
    float Next() override { return m_clock.Next(); }

private:
    ClockRandomSource m_clock;
    bool m_seeded = false;
};
} // namespace

class SetDrawer::Run final : public PickObserver, public RangeSource
{
public:
    explicit Run(const GameRecord &game)
        : m_ranges{game.LowNumber, game.HighNumber, static_cast<double>(game.PowerBallLow),
                   game.PowerBallHigh}
    {
        m_set.Slots = ShownSlots(game.Choices);
        m_set.HasPowerBall = game.HasPowerBall();
    }

    const ShownSet &Next()
    {
        m_generator.Run(*this, *this);
        return m_set;
    }

    PickRanges CurrentRanges() const override { return m_ranges; }
    void BeginRun() override {}
    void ShowProgress(std::int32_t, std::int32_t) override {}
    void ShowPick(int slot, long long number) override { m_set.Numbers[slot - 1] = number; }
    // The first set is the run's last: Stop, as pressed at the first yield.
    void PumpEvents() override { m_generator.RequestStop(); }
    void ShowPowerBall(long long number) override { m_set.PowerBall = number; }
    void EndRun() override {}

private:
    PickRanges m_ranges;
    SeededOnce m_random;
    PickGenerator m_generator{&m_random};
    ShownSet m_set;
};

SetDrawer::SetDrawer(const GameRecord &game) : m_run(std::make_unique<Run>(game)) {}

SetDrawer::~SetDrawer() = default;

const ShownSet &SetDrawer::Next()
{
    return m_run->Next();
}
