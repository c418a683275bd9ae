// SPDX-License-Identifier: GPL-3.0-or-later
#include "output.h"

#include <cerrno>
#include <unistd.h>

namespace {
constexpr std::size_t kBufferBytes = 1 << 20;
}

Output::Output(int fd) : m_fd(fd)
{
    m_buffer.reserve(kBufferBytes);
}

Output::~Output()
{
    Flush();
}

void Output::Append(std::string_view text)
{
    if (m_error)
        return;
    if (m_buffer.size() + text.size() > kBufferBytes)
        Flush();
    m_buffer.append(text);
}

bool Output::Flush()
{
    std::size_t done = 0;
    while (!m_error && done < m_buffer.size()) {
        const ssize_t written = write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
        if (written < 0 && errno != EINTR)
            m_error = errno;
        else if (written > 0)
            done += static_cast<std::size_t>(written);
    }
    m_buffer.clear();
    return !m_error;
}
