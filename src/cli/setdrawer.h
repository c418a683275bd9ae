// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamerecord.h"
#include "pickgenerator.h"

#include <memory>

// One set as the window leaves it after a run: the numbers of the boxes the
// game shows, and the Power Ball when it has one.
struct ShownSet
{
    long long Numbers[PickGenerator::kSlots] = {};
    int Slots = 0;
    bool HasPowerBall = false;
    long long PowerBall = 0;
};

// Draws sets for one game with the window's generator: each set is the last
// set of a run of its own, and the random source is seeded from the clock once,
// for the first set.
class SetDrawer final
{
public:
    explicit SetDrawer(const GameRecord &game);
    ~SetDrawer();

    const ShownSet &Next();

private:
    class Run;
    std::unique_ptr<Run> m_run;
};
