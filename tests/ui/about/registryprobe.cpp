// Built for Windows and run under wine by registrywine.sh, which writes the
// values read here first. Reads them through GetKeyValue and the real advapi32.
#include "advapi32registry.h"
#include "registry.h"

#include <cstdio>
#include <string>

namespace {
const std::string kProbeKey = "Software\\Drawsmith\\RegistryProbe";

struct Case
{
    const char *tag;
    std::int32_t root;
    std::string key;
    std::string value;
    bool read;
    std::string expected; // KeyVal afterwards; KeyVal goes in as "as it came"
};
} // namespace

int main()
{
    const Case cases[] = {
        {"text", kHKeyCurrentUser, kProbeKey, "Text", true, "Drawsmith test text"},
        {"number", kHKeyCurrentUser, kProbeKey, "Number", true, "&h12345678"},
        // The top byte is zero, so the terminator rule drops it.
        {"number with zero top byte", kHKeyCurrentUser, kProbeKey, "SmallNumber", true, "&h000A0B"},
        {"expandable text is read but not kept", kHKeyCurrentUser, kProbeKey, "Expand", true, "as it came"},
        {"1023 characters fit with the terminator", kHKeyCurrentUser, kProbeKey, "Fits", true,
         std::string(1023, 'f')},
        {"1024 characters do not fit", kHKeyCurrentUser, kProbeKey, "JustTooLong", false, ""},
        {"over 1024 bytes", kHKeyCurrentUser, kProbeKey, "Long", false, ""},
        {"missing value", kHKeyCurrentUser, kProbeKey, "Absent", false, ""},
        {"missing key", kHKeyCurrentUser, "Software\\Drawsmith\\NoSuchKey", "Text", false, ""},
        {"machine tool path", kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", true,
         "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe"},
    };

    Advapi32Registry registry;
    int passed = 0;
    int failed = 0;
    for (const Case &c : cases) {
        std::string keyVal = "as it came";
        const bool read = GetKeyValue(registry, c.root, c.key, c.value, keyVal);
        if (read == c.read && keyVal == c.expected) {
            ++passed;
            std::printf("ok   %s\n", c.tag);
        } else {
            ++failed;
            std::printf("FAIL %s: got %s \"%s\", expected %s \"%s\"\n", c.tag, read ? "true" : "false",
                        keyVal.c_str(), c.read ? "true" : "false", c.expected.c_str());
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
