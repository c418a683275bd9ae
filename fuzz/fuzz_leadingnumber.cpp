// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

// Any text reads as a finite number; the general format of any double reads
// back to the same 15 digits, both leniently and strictly.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double leading = LeadingNumber(text);
    if (!std::isfinite(leading))
        std::abort();

    double strict = 0;
    if (ParseNumber(text, strict) && (!std::isfinite(strict) || strict != leading))
        std::abort();

    const std::string shown = FormatGeneral(leading);
    if (FormatGeneral(LeadingNumber(shown)) != shown || FormatPlain(leading) != (leading == 0 ? "0" : shown))
        std::abort();

    // The raw bytes as a double too, to reach values text rarely spells.
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            const std::string general = FormatGeneral(value);
            double back = 0;
            if (!ParseNumber(general, back) || FormatGeneral(back) != general ||
                FormatGeneral(LeadingNumber(general)) != general)
                std::abort();
        }
    }
    return 0;
}
