// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsIgnoredByLeadingNumber(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A decimal number without its sign: digits, optional fraction, optional
// exponent. `end` is set past the longest prefix that forms one; false when
// there is no digit in the mantissa.
bool ScanUnsignedNumber(std::string_view text, std::size_t &end)
{
    std::size_t i = 0;
    bool digits = false;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return false;
    end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            end = j;
        }
    }
    return true;
}

// Decimal exponent of the leading significant digit, used only to tell an
// overflow from an underflow; saturates instead of overflowing itself.
long long EffectiveExponent(std::string_view number)
{
    long long position = 0;
    bool seenSignificant = false;
    bool inFraction = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        const char c = number[i];
        if (c == '.') {
            inFraction = true;
            continue;
        }
        if (!seenSignificant && c != '0') {
            seenSignificant = true;
            if (inFraction)
                --position;
        } else if (!seenSignificant && inFraction) {
            --position;
        } else if (seenSignificant && !inFraction && position < 1'000'000'000) {
            ++position;
        }
    }
    long long exponent = 0;
    if (i < number.size()) {
        ++i;
        bool negative = false;
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            negative = number[i++] == '-';
        for (; i < number.size(); ++i)
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (number[i] - '0');
        if (negative)
            exponent = -exponent;
    }
    return position + exponent;
}

// Converts a scanned unsigned number. Too large a magnitude gives the largest
// double so that every caller keeps working with finite values.
double ConvertUnsigned(std::string_view number)
{
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return EffectiveExponent(number) > 0 ? std::numeric_limits<double>::max() : 0.0;
    if (result.ec != std::errc())
        return 0;
    return value;
}

} // namespace

double LeadingNumber(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    for (char c : text)
        if (!IsIgnoredByLeadingNumber(c))
            compact.push_back(c);

    std::string_view rest = compact;
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    std::size_t end = 0;
    if (!ScanUnsignedNumber(rest, end))
        return 0;
    const double value = ConvertUnsigned(rest.substr(0, end));
    return negative ? -value : value;
}

bool ParseNumber(std::string_view text, double &value)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Whole numbers of up to 15 digits, nearly every value of a catalogue, are
    // exact in a double and need no general conversion.
    if (!text.empty() && text.size() <= 15) {
        std::int64_t whole = 0;
        std::size_t i = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            whole = whole * 10 + (text[i] - '0');
        if (i == text.size()) {
            value = negative ? -static_cast<double>(whole) : static_cast<double>(whole);
            return true;
        }
    }
    std::size_t end = 0;
    if (!ScanUnsignedNumber(text, end) || end != text.size())
        return false;
    const double magnitude = ConvertUnsigned(text);
    value = negative ? -magnitude : magnitude;
    return true;
}

std::string FormatGeneral(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    // Rounding to 15 significant digits happens once, here; both layouts below
    // only rearrange these digits.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));

    std::string out;
    std::size_t pos = 0;
    if (scientific[pos] == '-') {
        out.push_back('-');
        ++pos;
    }
    std::string digits;
    for (; scientific[pos] != 'e'; ++pos)
        if (scientific[pos] != '.')
            digits.push_back(scientific[pos]);
    int exponent = 0;
    const char *expBegin = scientific.data() + pos + 1;
    if (*expBegin == '+')
        ++expBegin;
    std::from_chars(expBegin, scientific.data() + scientific.size(), exponent);

    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    if (exponent < -4 || exponent >= 15) {
        out.push_back(digits[0]);
        if (digits.size() > 1) {
            out.push_back('.');
            out.append(digits, 1);
        }
        out.push_back('E');
        out.push_back(exponent < 0 ? '-' : '+');
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            out.push_back('0');
        out += std::to_string(magnitude);
    } else if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out += digits;
            out.append(integerDigits - digits.size(), '0');
        } else {
            out.append(digits, 0, integerDigits);
            out.push_back('.');
            out.append(digits, integerDigits);
        }
    }
    return out;
}

std::string FormatPlain(double value)
{
    // The general format already gives "42" and "-3" for whole numbers; only
    // negative zero needs care, since a text box must never show "-0".
    if (value == 0)
        return "0";
    return FormatGeneral(value);
}
