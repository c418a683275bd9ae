// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry.h"

#include <array>

namespace {
constexpr std::uint32_t kAccessRights =
    0x2003F; // query, set, create sub-key, enumerate, notify, link, read control
constexpr std::uint32_t kBufferSize = 1024;
constexpr std::uint32_t kTypeText = 1;   // REG_SZ
constexpr std::uint32_t kTypeNumber = 4; // REG_DWORD

std::string HexFromLastToFirst(const std::string &raw)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex = "&h";
    for (auto it = raw.rbegin(); it != raw.rend(); ++it) {
        const auto byte = static_cast<unsigned char>(*it);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}
} // namespace

bool GetKeyValue(Registry &registry, std::int32_t KeyRoot, const std::string &KeyName,
                 const std::string &SubKeyRef, std::string &KeyVal)
{
    // Sign extension keeps the predefined roots valid as 64-bit handles.
    Registry::Handle key = 0;
    if (registry.OpenKey(static_cast<Registry::Handle>(KeyRoot), KeyName, kAccessRights, key) != 0) {
        KeyVal.clear();
        return false;
    }

    std::array<char, kBufferSize> buffer{};
    std::uint32_t size = kBufferSize;
    std::uint32_t type = 0;
    if (registry.QueryValue(key, SubKeyRef, type, buffer.data(), size) != 0 || size > kBufferSize) {
        KeyVal.clear();
        registry.CloseKey(key);
        return false;
    }

    // A trailing zero is the terminator, not part of the value. An empty value
    // has no last character to look at and reads as empty text.
    const std::size_t kept = (size > 0 && buffer[size - 1] == '\0') ? size - 1 : size;
    const std::string raw(buffer.data(), kept);

    if (type == kTypeText)
        KeyVal = raw;
    else if (type == kTypeNumber)
        KeyVal = HexFromLastToFirst(raw);

    registry.CloseKey(key);
    return true;
}
