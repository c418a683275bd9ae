// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

// One run of a probe program in a fresh process: what it printed, how it ended and
// what it used. Benchmarks time each probe from outside, so no run inherits another's
// caches in memory.
struct ChildRun
{
    std::string Output;
    int Status = -1;
    rusage Usage{};

    bool Succeeded() const { return WIFEXITED(Status) && WEXITSTATUS(Status) == 0; }
};

inline ChildRun RunChild(const char *path, const char *argument = nullptr)
{
    ChildRun run;
    int out[2];
    if (pipe(out) != 0)
        return run;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(path, path, argument, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        run.Output.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    wait4(pid, &run.Status, 0, &run.Usage);
    return run;
}
