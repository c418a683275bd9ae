// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The few registry calls the system-information launcher needs, shaped like
// advapi32's so the real one is a thin wrapper and tests can stand in for it.
// Text crosses in the system's 8-bit code page.
class Registry
{
public:
    using Handle = std::intptr_t;

    virtual ~Registry() = default;
    // Each returns 0 on success, a system error code otherwise.
    virtual long OpenKey(Handle root, const std::string &subKey, std::uint32_t access, Handle &key) = 0;
    // size holds the buffer's size on entry and the value's size in bytes on return.
    virtual long QueryValue(Handle key, const std::string &valueName, std::uint32_t &type, char *data,
                            std::uint32_t &size) = 0;
    virtual long CloseKey(Handle key) = 0;
};

// Reads the value SubKeyRef of the key KeyName under KeyRoot into KeyVal: text as
// it is, a 32-bit number as "&h" and its hex digits, other types leave KeyVal as
// it came in. On failure KeyVal is emptied and the result is false.
bool GetKeyValue(Registry &registry, std::int32_t KeyRoot, const std::string &KeyName,
                 const std::string &SubKeyRef, std::string &KeyVal);

// The predefined roots, as 32-bit handles.
inline constexpr std::int32_t kHKeyCurrentUser = static_cast<std::int32_t>(0x80000001u);
inline constexpr std::int32_t kHKeyLocalMachine = static_cast<std::int32_t>(0x80000002u);
