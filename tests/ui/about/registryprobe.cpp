// SPDX-License-Identifier: GPL-3.0-or-later
// Built for Windows and run under wine by registrywine.sh after it writes the values
// read here: GetKeyValue through the real advapi32.
#include "advapi32registry.h"

#include <cstdio>
#include <tuple>

int main()
{
    // root, key\name, whether it is read, KeyVal afterwards; it goes in "as it came"
    const std::tuple<std::int32_t, std::string, bool, std::string> cases[] = {
        {kHKeyCurrentUser, "Software\\Drawsmith\\Fits1023", true, std::string(1023, 'f')},
        {kHKeyCurrentUser, "Software\\Drawsmith\\TooLong1024", false, ""},
        {kHKeyCurrentUser, "Software\\Drawsmith\\ZeroTopByteTakenForTerminator", true, "&h000A0B"},
        {kHKeyCurrentUser, "Software\\Drawsmith\\ExpandableNotKept", true, "as it came"},
        {kHKeyCurrentUser, "Software\\Drawsmith\\MissingKey\\Value", false, ""},
        {kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO\\PATH", true, "C:\\msinfo32.exe"},
    };
    Advapi32Registry registry;
    int failed = 0;
    for (const auto &[root, value, read, expected] : cases) {
        std::string keyVal = "as it came";
        const auto cut = value.rfind('\\');
        const bool ok = GetKeyValue(registry, root, value.substr(0, cut), value.substr(cut + 1), keyVal) == read &&
                        keyVal == expected;
        failed += !ok;
        std::printf("%s %s: \"%s\"\n", ok ? "ok  " : "FAIL", value.c_str(), keyVal.c_str());
    }
    return failed;
}
