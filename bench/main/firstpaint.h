// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

// Ends the process once the watched window has painted for the first time, and
// says whether the web engine was loaded by then.
class FirstPaintExit final : public QObject
{
public:
    explicit FirstPaintExit(QObject *window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // After the whole frame (children included) has been painted and flushed.
            QTimer::singleShot(0, [] {
                QFile maps(QStringLiteral("/proc/self/maps"));
                const bool webEngine =
                    maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngine");
                std::printf("webengine=%d\n", webEngine ? 1 : 0);
                std::fflush(stdout);
                _exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};
