// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "safefile.h"

#include <QRegularExpression>
#include <QString>

#include <sys/resource.h>

// What a test row's action may begin with: "locked " (another instance holds the
// file's lock) or "limit " (the process may write at most a few bytes per file,
// SIGXFSZ ignored). Takes the word off the action; the limit ends with the object.
class Adversity
{
public:
    Adversity(QString &action, const char *file, rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        const rlimit limited{bytes, m_saved.rlim_max};
        m_ready = (!action.startsWith("locked ") || m_other.Acquire(file)) &&
                  (!action.startsWith("limit ") || setrlimit(RLIMIT_FSIZE, &limited) == 0);
        action.remove(QRegularExpression("^(locked|limit) "));
    }
    ~Adversity() { setrlimit(RLIMIT_FSIZE, &m_saved); }
    bool Ready() const { return m_ready; }

private:
    FileLock m_other;
    rlimit m_saved = {};
    bool m_ready = false;
};
