// SPDX-License-Identifier: GPL-3.0-or-later
#include "advapi32registry.h"

#include <windows.h>

namespace {
HKEY ToHKey(Registry::Handle handle)
{
    return reinterpret_cast<HKEY>(handle);
}
} // namespace

long Advapi32Registry::OpenKey(Handle root, const std::string &subKey, std::uint32_t access, Handle &key)
{
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(ToHKey(root), subKey.c_str(), 0, static_cast<REGSAM>(access), &opened);
    key = reinterpret_cast<Handle>(opened);
    return result;
}

long Advapi32Registry::QueryValue(Handle key, const std::string &valueName, std::uint32_t &type, char *data,
                                  std::uint32_t &size)
{
    DWORD valueType = 0;
    DWORD valueSize = size;
    const LONG result = RegQueryValueExA(ToHKey(key), valueName.c_str(), nullptr, &valueType,
                                         reinterpret_cast<LPBYTE>(data), &valueSize);
    type = valueType;
    size = valueSize;
    return result;
}

long Advapi32Registry::CloseKey(Handle key)
{
    return RegCloseKey(ToHKey(key));
}
