// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lets a long handler give the event loop a turn, and end the process at once.
class EventPump
{
public:
    virtual ~EventPump() = default;
    virtual void PumpOnce() = 0; // handle every pending event once
    // Ends the process at once. Only a test's stand-in returns from it.
    virtual void EndProgram() = 0;
};

class QtEventPump final : public EventPump
{
public:
    void PumpOnce() override;
    void EndProgram() override;
};
