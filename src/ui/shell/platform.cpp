// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

void QtEventPump::PumpOnce()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::EndProgram()
{
    // "At once" means from inside a run's event-loop turn too, so no unwinding:
    // everything worth keeping (the saved selection, games.dat) is already on disk.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}
