// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "registry.h"

// The Windows registry itself.
class Advapi32Registry final : public Registry
{
public:
    long OpenKey(Handle root, const std::string &subKey, std::uint32_t access, Handle &key) override;
    long QueryValue(Handle key, const std::string &valueName, std::uint32_t &type, char *data,
                    std::uint32_t &size) override;
    long CloseKey(Handle key) override;
};
