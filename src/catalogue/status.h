#pragma once

#include <string>
#include <utility>

// Result of an operation that can fail; the message is meant for the user.
class Status
{
public:
    Status() = default;
    static Status Failure(std::string message) { return Status(std::move(message)); }

    bool Ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const std::string &Message() const { return m_message; }

private:
    explicit Status(std::string message) : m_ok(false), m_message(std::move(message)) {}

    bool m_ok = true;
    std::string m_message;
};
