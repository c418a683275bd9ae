// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Standard output through a large buffer: a million lines of picks go out in a
// few hundred writes. Once a write fails, the rest is dropped and Error() says
// why (EPIPE when the reader has gone).
class Output final
{
public:
    explicit Output(int fd);
    ~Output();
    Output(const Output &) = delete;
    Output &operator=(const Output &) = delete;

    void Append(std::string_view text);
    // Writes what is buffered; false when a write failed, now or before.
    bool Flush();
    int Error() const { return m_error; }

private:
    std::string m_buffer;
    int m_fd;
    int m_error = 0;
};
